// MainWindow: the main window. It shows the open file one page at a time in
// Picture1, the file and caret status above it, the scroll bar beside it and
// the progress area below it. The byte input window and the search window
// reach it through their host interfaces; its state is its own.
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "app/controls/picture_box_win.h"
#include "app/controls/vscroll_ex_win.h"
#include "app/edit/byte_input_window_win.h"
#include "app/edit/input_host.h"
#include "app/edit/progress_callback.h"
#include "app/edit/undo_journal.h"
#include "app/file/edited_file.h"
#include "app/print/print_host.h"
#include "app/search/search_host.h"
#include "app/search/search_state.h"
#include "app/settings/display_settings_record.h"
#include "app/settings/settings_host.h"
#include "app/view/go_to_address.h"
#include "app/view/progress_view.h"
#include "common/ui/gdi_win.h"
#include "common/ui/window_win.h"

namespace vx {

class MainWindow : public FormWindow,
              private SearchHost,
              private InputHost,
              private SettingsHost,
              private PrintHost {
 public:
  MainWindow() = default;
  ~MainWindow() override { DestroyUnbound(); }

  // Creates the window (hidden), applies the settings and opens StartFile.
  // Sets StartAborted when the start file cannot be opened.
  void Form_Load();
  void Show(int show_command);
  // Closes the window as the close box does: Form_QueryUnload, then destroy.
  void Unload();
  // The menu's shortcut keys, for the message loop's TranslateAcceleratorW.
  HACCEL Accelerators() const { return accelerators_.get(); }
  // Whether closing the window ends the message loop (the real program).
  void SetEndsProgram(bool on) { ends_program_ = on; }

 private:
  // Tests and benchmarks look inside through this one view.
  friend class MainWindowTestView;

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  // Never refused and nothing asked: every change is already in the file.
  void OnClose() override;
  void CreateControls();
  void Form_QueryUnload();

  // The page and the status lines (main_window_paint_win.cpp).
  void RePaint();
  void RePaintFileStatus();
  void SettingChange();
  // The display settings as this window's density draws them: the page,
  // the caret, the mouse and the input window all place cells by them.
  DisplaySettingsRecord ScreenSettings() const;
  void OnDpiChanged(int dpi) override;
  void CaretPut();
  void RePaintCaretStatus();
  void vs1();
  std::wstring ShortFileName() const;

  // The open file (main_window_files_win.cpp).
  int32_t ChangeFileName(const std::wstring& Fn);
  void RefreshFiles();
  int32_t GetSeekFromCaret() const;
  // The empty view: no file, dashed labels, file commands grayed.
  void ShowNoFile();
  // The first-change step: with After true it makes the backup before the
  // first change of the file. -1 when the change must not go ahead, else 0.
  int32_t FileChanged(bool After);
  // Writes one byte through the file layer; with Ref the page is redrawn.
  int32_t RePlaceU(int32_t SeekPos, uint8_t Dat, bool Ref);

  // The progress area: value < 0 shows Captions, >= 1 clears, else a bar
  // (main_window_progress_win.cpp).
  void Prog(double value, const std::wstring& Captions);

  // The caret: keys and mouse of the page area (main_window_caret_win.cpp).
  void CaretChange(int32_t X, int32_t Y, int32_t VscValue);
  void CaretMove(int32_t MoveX, int32_t MoveY);
  void MoveCaretFromSeek(int32_t SeekPosition);
  void Picture1_KeyDown(int KeyCode, int Shift);
  void OnInputFieldKey(int key, int shift) override;
  bool TakeCharacterRefusal() override;
  bool Picture1_Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  void Picture1_GotFocus();
  // Gives the keys to the page (to the window itself while no file is open,
  // so that its shortcut keys still arrive), unless another window of the
  // program holds them.
  void KeysToPage();

  // The byte input window ByteInputWindow (main_window_input_win.cpp).
  void ShowIP();
  void HideByteInput() override;
  void FitIP();
  // Nothing when the field holds no digit to read.
  std::optional<int32_t> GetIP() const;
  void EnterIP();

  // Inserting and deleting at a seek position, and undo and redo of every
  // change (main_window_edit_win.cpp).
  void InsertU(int32_t SeekPos, uint8_t Dat);
  void DeleteU(int32_t SeekPos);
  // An overwrite through the input window is in the file: EnterIP calls this
  // with the old byte (RePlaceU's result) and the new one, so it can be undone.
  void RecordOverwrite(int32_t SeekPoint, uint8_t Dat, uint8_t AfDat);
  void UndoLoad();
  void ReDoLoad();
  void OnUndo();
  void OnRedo();
  // Whether an editing key may change the file: the first-change step let it,
  // and the input window is not in the way.
  bool MayEditAtCaret();
  // A journal step's change made through the same procedures as the command.
  // 0 when the change reached the file, -1 after its failure was shown.
  int32_t ApplyEdit(const FileEdit& edit);
  // The commands' enabling, size and page after an Undo or Redo step.
  void AfterJournalStep(const FileEdit& edit);
  // The progress area as the long file operations report to it; it also
  // lets the system reach the windows meanwhile.
  ProgressCallback ProgCallback();
  // A request that arrived while long work let the system in: put off until
  // the work is over. True when it was.
  bool PutOffDuringWork(UINT msg, WPARAM wp, LPARAM lp);
  // Named in the tail move's failure message when the file may be damaged.
  std::wstring BackUpName() const;

  // Putting the backup back (main_window_restore_win.cpp).
  void ReflectBackUp();
  void OnRestore();
  bool BackUpExists() const;

  // The menus and their commands, and files dropped on the window
  // (main_window_menu_win.cpp).
  void CreateMenus();
  bool OnMenuCommand(int id) override;
  void EnableFileCommands(bool on);
  // Undo and Redo as the journal allows them; Restore as given.
  void EnableUndoCommands();
  void EnableRestore(bool on);
  // The Find Next command, switched by the search state.
  void EnableFindNext(bool on);
  void OnOpen();
  void OnNew();
  void OnExit();
  void OnRefresh();
  void OnSettings();
  // Go to address: GoToWindow, then the caret on the chosen offset.
  void OnGoTo();
  void OnHelp();
  void OnVersion();
  void Form_OLEDragDrop(HDROP drop);

  // The search (main_window_search_win.cpp): Find shows SearchWindow, Find Next searches
  // on from behind the caret.
  void OnFind();
  void OnFindNext();
  bool ShowSearchResult(const FindResult& result) override;
  int32_t CaretOffset() const override { return GetSeekFromCaret(); }
  SearchState& Search() override { return search_; }
  const std::wstring& SearchedFileName() const override { return FileName; }

  // Printing (main_window_print_win.cpp): Print shows PrintWindow on the open file.
  void OnPrint();
  std::wstring PrintHeaderName() const override;

  // What the settings window asks of this window.
  void ApplySettings() override { SettingChange(); }
  void RefreshScrollRange() override { RefreshFiles(); }
  void RedrawPage() override { RePaint(); }

  // The open file and the caret.
  std::wstring FileName;
  int32_t FileSize = 0;
  std::vector<uint8_t> PageBytes;
  int32_t CaretX = 0;
  int32_t CaretY = 0;
  bool Changed = false;
  ::vx::UndoJournal UndoJournal;
  // Whether the byte input window refuses the next typed character.
  bool RejectNextChar = false;
  bool InputVisible = false;

  // Made before the controls that use them, so that they outlive them.
  Font page_font_;
  Font label_font_;

  HWND Label1 = nullptr;  // file name
  HWND Label2 = nullptr;  // size
  HWND Frame1 = nullptr;
  HWND Label3 = nullptr;  // caret address
  HWND Label4 = nullptr;  // 4-byte value
  HWND Label5 = nullptr;  // 2-byte value
  HWND Label6 = nullptr;  // 1-byte value
  HWND Label7 = nullptr;  // binary
  HWND Label9 = nullptr;  // progress caption
  PictureBox Picture1;    // the page
  PictureBox Picture2;    // the progress bar
  VscrollEx VscrollEx1;
  MessageHook picture1_keys_;  // Picture1's keys and mouse, to Picture1_Message

  struct AcceleratorDeleter {
    void operator()(HACCEL a) const { DestroyAcceleratorTable(a); }
  };

  std::optional<ProgressView> shown_progress_;
  uint32_t progress_drawn_at_ = 0;
  bool ends_program_ = false;
  std::unique_ptr<std::remove_pointer_t<HACCEL>, AcceleratorDeleter> accelerators_;
  bool find_next_enabled_ = false;
  // The go-to window's radix, kept while the program runs.
  AddressRadix go_to_radix_ = AddressRadix::Hexadecimal;
  SearchState search_{ProgCallback(), [this](bool on) { EnableFindNext(on); }};
  ByteInputWindow byte_input_{*this};
};

}  // namespace vx

// Form1: the main window. It shows the open file one page at a time in
// Picture1, the file and caret status above it, the scroll bar beside it and
// the progress area below it.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/controls/picture_box_win.h"
#include "app/controls/vscroll_ex_win.h"
#include "app/edit/form4_win.h"
#include "app/edit/undo_journal.h"
#include "app/search/search_host.h"
#include "app/search/search_state.h"
#include "app/file/file_operation.h"
#include "app/print/print_host.h"
#include "app/view/progress_view.h"
#include "common/ui/gdi_win.h"
#include "common/usual.h"

namespace vx {

class Form1 : public SearchHost, public PrintHost {
 public:
  Form1();
  ~Form1();
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Creates the window (hidden), applies the settings and opens StartFile.
  // Sets StartAborted when the start file cannot be opened.
  void Form_Load();
  void Show(int show_command);
  // Closes the window as the close box does: Form_QueryUnload, then destroy.
  void Unload();
  HWND hwnd() const { return hwnd_; }
  // The menu's shortcut keys, for the message loop's TranslateAcceleratorW.
  HACCEL Accelerators() const { return accelerators_.get(); }
  // Whether closing the window ends the message loop (the real program).
  void SetEndsProgram(bool on) { ends_program_ = on; }

  // The page and the status lines.
  void RePaint();
  void RePaintFileStatus();
  void SettingChange();
  void CaretPut();
  void RePaintCaretStatus();
  void vs1();

  // The open file.
  int32_t ChangeFileName(const std::wstring& Fn);
  void RefreshFiles();
  int32_t GetSeekFromCaret() const override;
  void CaretChange(int32_t X, int32_t Y, int32_t VscValue);
  // The first-change step: with After true it makes the backup before the
  // first change of the file. -1 when the change must not go ahead, else 0.
  int32_t FileChanged(bool After);

  // Writes one byte through the file layer; with Ref the page is redrawn.
  int32_t RePlaceU(int32_t SeekPos, uint8_t Dat, bool Ref);

  // The progress area: value < 0 shows Captions, >= 1 clears, else a bar.
  void Prog(double value, const std::wstring& Captions);

  // The caret: keys and mouse of the page area (form1_caret_win.cpp).
  void CaretMove(int32_t MoveX, int32_t MoveY);
  void MoveCaretFromSeek(int32_t SeekPosition);
  void Picture1_KeyDown(int KeyCode, int Shift);
  void CallPicture1KeyDown(int KeyCode, int Shift);
  // Whether the byte input window refuses the next typed character.
  bool RejectNextChar = false;

  // The byte input window Form4 (form1_input_win.cpp).
  void ShowIP();
  void HideIP();
  void FitIP();
  int32_t GetIP() const;
  void EnterIP();
  bool InputVisible = false;
  const Form4& InputWindow() const { return form4_; }

  // Inserting and deleting at a seek position, and undo and redo of every
  // change (form1_edit_win.cpp).
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

  // Putting the backup back (form1_restore_win.cpp).
  void ReflectBackUp();
  void OnRestore();
  bool BackUpExists() const;

  // The menus and their commands (form1_menu_win.cpp).
  void OnOpen();
  void OnNew();
  void OnExit();
  void OnRefresh();
  void OnHelp();
  void OnVersion();

  // The search (form1_search_win.cpp): Find shows Form5, Find Next searches
  // on from behind the caret.
  void OnFind();
  void OnFindNext();
  // Shows a search result: the message for no match or a failed search, or
  // the caret on the match. True for a match.
  bool FindAfter(int32_t rc) override;
  SearchState& Search() override { return search_; }
  const std::wstring& SearchedFileName() const override { return FileName; }

  // Printing (form1_print_win.cpp): Print shows Form7 on the open file.
  void OnPrint();
  std::wstring PrintHeaderName() const override;

  // State shared with the other windows.
  std::wstring FileName;
  int32_t FileSize = 0;
  std::vector<uint8_t> PageBytes;
  int32_t CaretX = 0;
  int32_t CaretY = 0;
  bool Changed = false;
  ::vx::UndoJournal UndoJournal;

  // Controls, named as in the window's design.
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

 private:
  template <typename Owner>
  friend LRESULT CALLBACK OwnedWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  void CreateControls();
  void Form_QueryUnload();
  void EnableFileCommands(bool on);
  // The Find Next command, switched by the search state.
  void EnableFindNext(bool on);
  // The empty view: no file, dashed labels, file commands grayed.
  void ShowNoFile();
  // The page area's own messages: keys and mouse (form1_caret_win.cpp).
  bool Picture1_Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  void Picture1_GotFocus();
  // Menu tree, accelerators, drops (form1_menu_win.cpp).
  void CreateMenus();
  bool OnMenuCommand(int id);
  // Undo and Redo as the journal allows them; Restore as given.
  void EnableUndoCommands();
  void EnableRestore(bool on);
  // The commands' enabling, size and page after an Undo or Redo step.
  void AfterJournalStep(const FileEdit& edit);
  void Form_OLEDragDrop(HDROP drop);
  std::wstring ShortFileName() const;

  struct AcceleratorDeleter {
    void operator()(HACCEL a) const { DestroyAcceleratorTable(a); }
  };

  std::optional<ProgressView> shown_progress_;
  uint32_t progress_drawn_at_ = 0;
  HWND hwnd_ = nullptr;
  bool ends_program_ = false;
  Font page_font_;
  Font label_font_;
  std::unique_ptr<std::remove_pointer_t<HACCEL>, AcceleratorDeleter> accelerators_;
  Usual usual_;
  FileOperation file_operation_;
  bool find_next_enabled_ = false;
  SearchState search_{file_operation_,
                      [this](double value, const std::wstring& Captions) { Prog(value, Captions); },
                      [this](bool on) { EnableFindNext(on); }};
  Form4 form4_{*this};
};

}  // namespace vx

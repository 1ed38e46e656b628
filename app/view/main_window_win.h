// MainWindow: the main window. It shows the open document's page in its page
// view, the file and caret status above it, the scroll bar beside it and the
// progress area below it, and carries out the menu's commands. The search,
// settings and print windows reach it through their host interfaces.
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

#include "app/check/compare_host.h"
#include "app/check/compare_window_win.h"
#include "app/check/file_compare.h"
#include "app/controls/large_scroll_bar_win.h"
#include "app/document/edited_document.h"
#include "app/document/selection.h"
#include "app/edit/clipboard_win.h"
#include "app/inspect/inspector_window_win.h"
#include "app/print/print_host.h"
#include "app/search/find_all_window_win.h"
#include "app/search/search_host.h"
#include "app/settings/settings_host.h"
#include "app/view/go_to_address.h"
#include "app/view/page_view_win.h"
#include "app/view/progress_view.h"
#include "common/ui/gdi_win.h"
#include "common/ui/progress_bar_win.h"
#include "common/ui/typed_controls_win.h"
#include "common/ui/window_win.h"

namespace vx {

class MainWindow : public FormWindow {
 public:
  MainWindow() = default;
  ~MainWindow() override { DestroyUnbound(); }

  // Creates the window (hidden), applies the settings and opens StartFile.
  // Sets StartAborted when the start file cannot be opened.
  void Create();
  void Show(int show_command);
  // Closes the window as the close box does: OnQueryClose, then destroy.
  void Unload();
  // The menu's shortcut keys, for the message loop's TranslateAcceleratorW.
  HACCEL Accelerators() const { return accelerators_.get(); }
  // The dialog keys of the modeless windows beside this one (the data
  // inspector, the comparison's list, the list of all matches), which the
  // program's message loop hands them: true when `msg` was one and was
  // answered.
  bool TakeModelessKey(MSG& msg);
  // Whether closing the window ends the message loop (the real program).
  void SetEndsProgram(bool on) { ends_program_ = on; }
  // The comparison's list beside this window while it is shown; null otherwise.
  HWND CompareList() const { return compare_window_ ? compare_window_->hwnd() : nullptr; }

 private:
  // Tests and benchmarks look inside through this one view.
  friend class MainWindowTestView;

  // What the search window asks of this window.
  class SearchSide final : public SearchHost {
   public:
    explicit SearchSide(MainWindow& window) : window_(window) {}
    const std::wstring& SearchedFileName() const override { return window_.document_.path(); }
    int64_t CaretOffset() const override { return window_.document_.CaretOffset(); }
    std::optional<ByteRange> SelectedBytes() const override {
      return window_.selection_.Range(window_.document_.size());
    }
    SearchState& Search() override { return window_.document_.search(); }
    bool ShowSearchResult(const FindResult& result) override;
    bool ReplaceMatch(int64_t offset, int64_t length,
                      std::span<const uint8_t> replacement) override;
    std::optional<int64_t> ReplaceAll(const SearchPattern& pattern, const SearchScope& scope,
                                      std::span<const uint8_t> replacement,
                                      const std::function<bool()>& go_on) override;
    void ListAllMatches(const SearchPattern& pattern, const SearchScope& scope) override;

   private:
    MainWindow& window_;
  };

  // What the list of all matches asks of this window.
  class FindAllSide final : public FindAllHost {
   public:
    explicit FindAllSide(MainWindow& window) : window_(window) {}
    const std::wstring& SearchedFileName() const override { return window_.document_.path(); }
    void ShowMatch(int64_t offset, int64_t length) override {
      window_.ShowMatch(offset, length);
    }
    ProgressCallback Progress() override { return window_.ProgressReporter(); }

   private:
    MainWindow& window_;
  };

  // What the settings window asks of this window.
  class SettingsSide final : public SettingsHost {
   public:
    explicit SettingsSide(MainWindow& window) : window_(window) {}
    void ApplySettings() override { window_.ApplySettings(); }
    void RefreshScrollRange() override { window_.RefreshScrollRange(); }
    void RedrawPage() override { window_.page_view_.Redraw(); }
    std::optional<PageShape> LimitedPageShape() const override {
      return window_.document_.limited_shape();
    }

   private:
    MainWindow& window_;
  };

  // What the print window asks of this window.
  class PrintSide final : public PrintHost {
   public:
    explicit PrintSide(MainWindow& window) : window_(window) {}
    std::wstring PrintHeaderName() const override { return window_.PrintHeaderName(); }

   private:
    MainWindow& window_;
  };

  // What the comparison's list asks of this window.
  class CompareSide final : public CompareHost {
   public:
    explicit CompareSide(MainWindow& window) : window_(window) {}
    void ShowStretch(const ByteRange& stretch) override { window_.ShowStretch(stretch); }

   private:
    MainWindow& window_;
  };

  // What the data inspector asks of this window (main_window_inspector_win.cpp).
  class InspectorSide final : public InspectorHost {
   public:
    explicit InspectorSide(MainWindow& window) : window_(window) {}
    std::optional<std::vector<uint8_t>> BytesAtCaret() const override;
    void WriteAtCaret(std::span<const uint8_t> bytes) override;
    CharacterCodec ColumnCharacters() const override;
    void ReturnKeys() override { window_.page_view_.TakeKeys(); }
    void InspectorHidden() override { window_.ShowInspector(false); }

   private:
    MainWindow& window_;
  };

  // The window, its controls and its layout (main_window_win.cpp).
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  // Never refused and nothing asked: every change is already in the file.
  void OnClose() override;
  void OnQueryClose();
  void CreateControls();
  // The font, sizes and positions from DisplaySettings, for this window's density.
  void ApplySettings();
  void OnDpiChanged(int dpi) override;
  // A request that arrived while long work let the system in: put off until
  // the work is over. True when it was.
  bool PutOffDuringWork(UINT msg, WPARAM wp, LPARAM lp);

  // The status lines and the progress area (main_window_status_win.cpp).
  // The page was drawn: the scroll bar and the caret's status follow it.
  void OnPageDrawn();
  void ShowFileStatus();
  void ShowCaretStatus();
  // The selection's addresses and length, and whether F8 extends it.
  void ShowSelectionStatus();
  // The status labels placed for this window's density, each as wide as its
  // widest text in the label font; the right edge of the widest line.
  int PlaceStatusLabels();
  // The file's name as the file-name label has room for it at its density.
  std::wstring ShortFileName() const;
  // The file's name for the printed header: as the file-name label shows it
  // at 96 dots an inch, whatever the display's scale.
  std::wstring PrintHeaderName() const;
  // The progress area: value < 0 shows `caption`, >= 1 clears, else a bar.
  void ShowProgress(double value, const std::wstring& caption);
  // The progress area as the long file operations report to it; it also
  // lets the system reach the windows meanwhile.
  ProgressCallback ProgressReporter();

  // The open file (main_window_commands_win.cpp).
  // Makes `path` the open file; -1 when it could not be opened, else 0.
  int32_t OpenFile(const std::wstring& path);
  // The empty view: no file, dashed labels, file commands grayed.
  void ShowNoFile();
  // The scroll bar for the document's size and caret, and the page drawn
  // again when the caret had to move.
  void RefreshScrollRange();
  void ShowScrollRange();
  // The layout again when the open file's addresses need another number of
  // digits than the window was laid out for.
  void FollowAddressDigits();
  // After a command worked on the file: the commands, scroll range and status.
  void OnFileChanged();
  // The document read its file again after another program changed it:
  // nothing shown of the old one stays (the selection, the comparison, the
  // list of matches marked old, the scroll range, the page and the inspector).
  void OnFileReloaded();

  // The menus and their commands, and files dropped on the window.
  void CreateMenus();
  bool OnMenuCommand(int id) override;
  void EnableFileCommands(bool on);
  // Undo and Redo as the journal allows them; Restore as given.
  void EnableUndoCommands();
  // Cut, Copy, Delete and Fill while bytes are selected; Paste while the
  // clipboard holds bytes or a text.
  void EnableRangeCommands();
  void EnableRestore(bool on);
  // The Find Next command, switched by the search state.
  void EnableFindNext(bool on);
  void OnOpen();
  void OnNew();
  void OnUndo();
  void OnRedo();
  void OnRestore();
  // The search window, opened to search or to replace.
  void OnFind();
  void OnReplace();
  void OnFindNext();
  void OnFindPrevious();
  // The caret on the match at `offset` and its `length` bytes selected; the
  // page follows the caret from where it stood, or from `moved_from`.
  void ShowMatch(int64_t offset, int64_t length, std::optional<int64_t> moved_from = {});
  // The length of the current search's matches.
  int64_t MatchLength() const;
  // Go to address: GoToWindow, then the caret on the chosen offset.
  void OnGoTo();
  void OnRefresh();
  void OnSettings();
  void OnPrint();
  void OnHelp();
  void OnVersion();
  void OnFileDropped(HDROP drop);

  // The checks of the file (main_window_check_win.cpp): the hashes, the
  // comparison with another file and the bookmarks.
  void OnHashes();
  void OnCompare();
  // F4 and Shift+F4: the caret on the next or previous differing stretch.
  void OnGoToDifference(bool forward);
  // The caret on `stretch`'s first byte, the stretch selected.
  void ShowStretch(const ByteRange& stretch);
  void OnToggleBookmark();
  // F2 and Shift+F2: the caret on the next or previous bookmark.
  void OnGoToBookmark(bool forward);
  void OnBookmarkList();
  // The open file's bookmarks read from the settings folder; what was
  // dropped from there is told once.
  void LoadFileBookmarks();
  // The open file's bookmarks written when they changed; a failure is told.
  void KeepBookmarks();
  // The text column's encoding and control dots checked in the menu, and
  // the page drawn anew after either changed.
  void CheckTextColumnItems();
  void OnTextColumnChanged();
  // The data inspector shown or hidden, its menu item checked to match.
  void ShowInspector(bool shown);
  // Its place, byte order and shown state kept for the next start.
  void KeepInspectorSettings();

  // The range commands on the selection and the clipboard
  // (main_window_range_win.cpp).
  void OnCopy();
  void OnCopyAsText();
  void OnCut();
  void OnPaste();
  void OnPasteOver();
  void OnDeleteSelection();
  void OnFill();
  void OnSelectAll();
  // The selection put on the clipboard as bytes and hexadecimal text, or as
  // the text column's text; false after the refusal or failure was shown.
  bool CopySelection(bool as_text);
  // The selected bytes overwritten with `value`, typed in the input window.
  void FillSelection(uint8_t value);
  // What Paste and Paste over take from the clipboard; none after the reason
  // was shown.
  std::optional<std::vector<uint8_t>> BytesToPaste(FailedCommand paste);
  // After a range command worked on the file: the selection goes where
  // bytes moved, the caret stands on byte `caret`, and the page, the status
  // and the commands show the file anew.
  void AfterRangeCommand(bool worked_on, bool bytes_moved, int64_t caret);

  // Made before the controls that use them, so that they outlive them.
  Font label_font_;

  EditedDocument document_{ProgressReporter(), [this](bool on) { EnableFindNext(on); }};
  ByteSelection selection_;
  // The bytes last copied, for the text other programs may ask for.
  ByteCopies copies_;
  Label file_name_label_;
  Label size_label_;
  GroupFrame caret_frame_;
  Label caret_address_label_;
  Label four_byte_label_;
  Label two_byte_label_;
  Label one_byte_label_;
  Label binary_label_;
  Label selection_label_;
  Label progress_caption_label_;
  PageView page_view_{document_, selection_};
  LargeScrollBar scroll_bar_;
  ProgressBar progress_bar_;

  struct AcceleratorDeleter {
    void operator()(HACCEL a) const { DestroyAcceleratorTable(a); }
  };

  std::optional<ProgressView> shown_progress_;
  uint32_t progress_drawn_at_ = 0;
  bool ends_program_ = false;
  std::unique_ptr<std::remove_pointer_t<HACCEL>, AcceleratorDeleter> accelerators_;
  bool find_next_enabled_ = false;
  // The address digits the page and the status labels were last laid out for.
  int laid_out_digits_ = 8;
  // The go-to window's radix, kept while the program runs.
  AddressRadix go_to_radix_ = AddressRadix::Hexadecimal;
  SearchSide search_side_{*this};
  FindAllSide find_all_side_{*this};
  // The list of all matches, made with the first "すべて検索".
  std::unique_ptr<FindAllWindow> find_all_window_;
  SettingsSide settings_side_{*this};
  PrintSide print_side_{*this};
  CompareSide compare_side_{*this};
  // The last comparison of the open file, and its list while it is there.
  std::unique_ptr<FileComparison> comparison_;
  std::unique_ptr<CompareWindow> compare_window_;
  InspectorSide inspector_side_{*this};
  InspectorWindow inspector_{inspector_side_};
};

}  // namespace vx

// FindAllWindow: the list of every match of a search, beside the main
// window and modeless. The matches are listed as they are found, with their
// count even past the rows the list keeps; "中止" stops the search. Enter or
// a double-click on a row puts the caret on that match and selects it. The
// rows keep the addresses they were found at: once the file changes, the
// list says so until "再検索" makes it anew, and the bytes each row shows
// are read from the file as it is drawn, so they never claim what the file
// no longer holds.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/edit/progress_callback.h"
#include "app/search/file_search.h"
#include "app/search/search_pattern.h"
#include "common/ui/list_view_win.h"
#include "common/ui/modal_window_win.h"

namespace vx {

// What the list needs of the main window.
class FindAllHost {
 public:
  virtual const std::wstring& SearchedFileName() const = 0;
  // The caret on the match at `offset` and the match's `length` bytes selected.
  virtual void ShowMatch(int64_t offset, int64_t length) = 0;
  // The main window's progress area.
  virtual ProgressCallback Progress() = 0;

 protected:
  ~FindAllHost() = default;
};

// The rows a list keeps; the count goes on past them.
inline constexpr int64_t kListedMatches = 100'000;

class FindAllWindow : public ModalWindow {
 public:
  explicit FindAllWindow(FindAllHost& host);
  ~FindAllWindow() override { DestroyUnbound(); }

  // Lists every match of `pattern` in `scope`: the window is made beside
  // `owner` (or comes forward), and `owner` waits while the search runs.
  void List(HWND owner, const SearchPattern& pattern, const SearchScope& scope);
  // The file changed since the list was made.
  void MarkStale();

 private:
  void CreateControls() override;
  HWND FirstFocus() const override { return list_.hwnd(); }
  void OnClose() override;
  // Searches anew with the list's pattern and scope.
  void Search();
  // Enter or a double-click on a row.
  void OnRowChosen(int row);
  std::wstring CellText(int row, int column) const;
  // The count found so far, and what became of the search.
  void ShowStatus(const wchar_t* state);
  // Beside the owner, on its monitor's work area.
  void PlaceBesideOwner();

  FindAllHost& host_;
  SearchPattern pattern_;
  SearchScope scope_;
  std::vector<int64_t> offsets_;
  int64_t count_ = 0;
  bool running_ = false;
  bool stop_asked_ = false;
  // Closed while the search ran: it closes once the search has stopped.
  bool closing_ = false;
  Label status_label_;
  Label stale_label_;
  ListView list_;
  PushButton search_again_button_;
  PushButton stop_button_;
  PushButton close_button_;
};

}  // namespace vx

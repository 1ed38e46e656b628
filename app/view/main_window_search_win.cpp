// The main window's search commands: Find opens the search window, Find Next
// searches on from the byte behind the caret with the last pattern.
#include "app/search/search_window_win.h"
#include "app/search/search_messages.h"
#include "app/search/search_texts.h"
#include "app/view/main_window_win.h"
#include "common/message_box.h"

namespace vx {

void MainWindow::OnFind() {
  // Searching needs an open file, whichever way the command arrives.
  if (FileName.empty()) return;
  SearchWindow window(*this);
  window.ShowModal(hwnd());
  KeysToPage();
}

void MainWindow::OnFindNext() {
  if (!find_next_enabled_ || FileName.empty()) return;
  const FindResult result = search_.ContinueFromCaret(EditedFile(FileName), GetSeekFromCaret());
  if (result.outcome == FindOutcome::Found) {
    ShowSearchResult(result);
  } else {
    ShowMessage(search_texts::kAllSearched);
  }
}

bool MainWindow::ShowSearchResult(const FindResult& result) {
  // The search state has already cleared itself when there was no match.
  if (const wchar_t* message = SearchResultMessage(result)) {
    ShowMessage(message);
    return false;
  }
  MoveCaretFromSeek(result.offset + 1);
  return true;
}

}  // namespace vx

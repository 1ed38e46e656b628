// The main window's commands on the open document: opening a file, the edit
// and search commands, the windows they open, and files dropped on the window.
#include <optional>
#include <string>

#include "app/document/open_texts.h"
#include "app/edit/edit_texts.h"
#include "app/page/dump_page.h"
#include "app/print/print_window_win.h"
#include "app/program_globals.h"
#include "app/search/search_window_win.h"
#include "app/settings/display_settings.h"
#include "app/settings/settings_window_win.h"
#include "app/view/go_to_window_win.h"
#include "app/view/main_window_win.h"
#include "app/view/menu_texts.h"
#include "app/view/open_dialog_options.h"
#include "app/view/open_dialog_win.h"
#include "app/view/version_window_win.h"
#include "common/file_seam.h"
#include "common/message_box.h"
#include "common/shell_execute_win.h"
#include "common/ui/message_pump_win.h"

namespace vx {
namespace {

// What a file dialog returns, asked with the title and filter of a command.
// Owned by the main window, which waits while it is up.
std::wstring AskFileName(HWND owner, const wchar_t* title, bool shortcuts_as_files) {
  return ShowOpenDialog({owner, title, DialogFilter(open_texts::kAllFilesFilter),
                         OpenDialogFlags(shortcuts_as_files)});
}

}  // namespace

int32_t MainWindow::OpenFile(const std::wstring& path) {
  // A selection, the bookmarks and a comparison belong to the file they were made in.
  selection_.Clear();
  KeepBookmarks();
  compare_window_.reset();
  comparison_.reset();
  const OpenOutcome outcome = document_.Open(path);
  LoadFileBookmarks();
  EnableUndoCommands();
  if (outcome != OpenOutcome::Opened) {
    ShowNoFile();
    return outcome == OpenOutcome::Failed ? -1 : 0;
  }
  EnableFileCommands(true);
  ShowScrollRange();
  ShowFileStatus();
  page_view_.Redraw();
  page_view_.TakeKeys();
  return 0;
}

void MainWindow::ShowNoFile() {
  page_view_.HideByteInput();
  document_.Close();
  FollowAddressDigits();
  EnableFileCommands(false);
  ShowFileStatus();
  page_view_.Redraw();
  // The disabled page lost the focus, if it had it.
  page_view_.TakeKeys();
}

void MainWindow::FollowAddressDigits() {
  // Addresses with another number of digits widen or narrow the page, and the
  // window with it, as a settings change does.
  if (AddressDigits(document_.size()) != laid_out_digits_) ApplySettings();
}

void MainWindow::ShowScrollRange() {
  FollowAddressDigits();
  scroll_bar_.SetMax(document_.last_top());
  const double share = document_.page_share();
  scroll_bar_.SetLargePercent(share);
  scroll_bar_.SetEnabled(share <= 1.0);
  scroll_bar_.SetLargeChange(document_.PageSettings().LinesPerPage / 2);
}

void MainWindow::RefreshScrollRange() {
  const bool caret_moved = document_.Refresh();
  ShowScrollRange();
  if (caret_moved) page_view_.Redraw();
}

void MainWindow::OnFileChanged() {
  KeepBookmarks();
  EnableUndoCommands();
  ShowScrollRange();
  ShowFileStatus();
}

void MainWindow::OnOpen() {
  // A shortcut is opened as the file it is, not as the file it points to.
  const std::wstring path = AskFileName(hwnd(), open_texts::kOpenTitle, true);
  if (path.empty()) return;
  if (!fs::FileExists(path) &&
      ShowMessage(open_texts::kCreateAsk, MsgButtons::YesNo) != MsgAnswer::Yes) {
    return;
  }
  OpenFile(path);
}

void MainWindow::OnNew() {
  const std::wstring path = AskFileName(hwnd(), open_texts::kNewTitle, false);
  if (path.empty()) return;
  if (fs::FileExists(path)) {
    ShowMessage(open_texts::kAlreadyExists);
    return;
  }
  // Creates the file empty, and the zero-byte question follows.
  OpenFile(path);
}

void MainWindow::OnUndo() {
  if (!document_.Undo()) return;
  // The step may have moved bytes: what was selected is elsewhere now.
  selection_.Clear();
  OnFileChanged();
  page_view_.Redraw();
}

void MainWindow::OnRedo() {
  if (!document_.Redo()) return;
  selection_.Clear();
  OnFileChanged();
  page_view_.Redraw();
}

void MainWindow::OnRestore() {
  if (!document_.Restore([] { LetSystemIn(); })) return;
  selection_.Clear();
  ShowScrollRange();
  ShowFileStatus();
  page_view_.Redraw();
  ShowMessage(edit_texts::kRestored);
  EnableRestore(false);
  EnableUndoCommands();
}

void MainWindow::OnFind() {
  // Searching needs an open file, whichever way the command arrives.
  if (!document_.IsOpen()) return;
  SearchWindow window(search_side_);
  window.ShowModal(hwnd());
  page_view_.TakeKeys();
}

void MainWindow::OnFindNext() {
  if (!find_next_enabled_ || !document_.IsOpen()) return;
  const int64_t from = document_.CaretOffset();
  if (document_.FindNext()) page_view_.ShowCaretMoved(from);
}

bool MainWindow::SearchSide::ShowSearchResult(const FindResult& result) {
  const int64_t from = window_.document_.CaretOffset();
  if (!window_.document_.ShowFindResult(result)) return false;
  window_.page_view_.ShowCaretMoved(from);
  return true;
}

void MainWindow::OnGoTo() {
  // Like the Edit menu, only with a file open, whichever way the command arrives.
  if (!document_.IsOpen()) return;
  GoToWindow window(go_to_radix_, document_.CaretOffset(), document_.size());
  window.ShowModal(hwnd());
  // The caret and the page as for a search result.
  if (const std::optional<int64_t> offset = window.chosen()) {
    const int64_t from = document_.CaretOffset();
    document_.GoTo(*offset);
    page_view_.ShowCaretMoved(from);
  }
  page_view_.TakeKeys();
}

void MainWindow::OnRefresh() {
  page_view_.Redraw();
  page_view_.TakeKeys();
}

void MainWindow::OnSettings() {
  // Like the Tools menu, only with a file open, whichever way the command arrives.
  if (!document_.IsOpen()) return;
  SettingsWindow settings(settings_side_);
  settings.ShowModal(hwnd());
  page_view_.TakeKeys();
}

void MainWindow::OnPrint() {
  PrintWindow print(print_side_, document_.path());
  print.ShowModal(hwnd());
  page_view_.TakeKeys();
}

void MainWindow::OnHelp() {
  ShellOpen(
      {hwnd(), L"open", ProgramFolder + menu_texts::kHelpFile, L"", ProgramFolder, SW_SHOWNORMAL});
}

void MainWindow::OnVersion() {
  VersionWindow version;
  version.ShowModal(hwnd());
  page_view_.TakeKeys();
}

void MainWindow::OnFileDropped(HDROP drop) {
  std::wstring first;
  if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) > 0) {
    first.resize(DragQueryFileW(drop, 0, nullptr, 0));
    DragQueryFileW(drop, 0, first.data(), static_cast<UINT>(first.size() + 1));
  }
  DragFinish(drop);
  if (!first.empty()) OpenFile(first);
}

}  // namespace vx

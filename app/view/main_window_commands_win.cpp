// The main window's commands on the open document: opening a file, the edit
// and search commands, the windows they open, and files dropped on the window.
#include <algorithm>
#include <optional>
#include <string>

#include "app/document/open_texts.h"
#include "app/edit/edit_texts.h"
#include "app/page/dump_page.h"
#include "app/print/print_window_win.h"
#include "app/program_globals.h"
#include "app/search/search_texts.h"
#include "app/search/search_window_win.h"
#include "app/search/stoppable_search.h"
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
  // A selection, the bookmarks, a comparison and a list of matches belong
  // to the file they were made in.
  selection_.Clear();
  KeepBookmarks();
  compare_window_.reset();
  comparison_.reset();
  if (find_all_window_) find_all_window_->Close();
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
  if (find_all_window_) find_all_window_->MarkStale();
  KeepBookmarks();
  EnableUndoCommands();
  ShowScrollRange();
  ShowFileStatus();
}

void MainWindow::OnFileReloaded() {
  page_view_.HideByteInput();
  selection_.Clear();
  compare_window_.reset();
  comparison_.reset();
  OnFileChanged();
  page_view_.Redraw();
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
  if (find_all_window_) find_all_window_->MarkStale();
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
  SearchWindow window(search_side_, false);
  window.ShowModal(hwnd());
  page_view_.TakeKeys();
}

void MainWindow::OnReplace() {
  if (!document_.IsOpen()) return;
  SearchWindow window(search_side_, true);
  window.ShowModal(hwnd());
  page_view_.TakeKeys();
}

void MainWindow::OnFindNext() {
  if (!find_next_enabled_ || !document_.IsOpen()) return;
  const int64_t from = document_.CaretOffset();
  const FindResult result = document_.FindNext();
  if (result.outcome == FindOutcome::Found) ShowMatch(result.offset, MatchLength(), from);
}

void MainWindow::OnFindPrevious() {
  if (!find_next_enabled_ || !document_.IsOpen()) return;
  const int64_t from = document_.CaretOffset();
  const FindResult result = document_.FindPrevious();
  if (result.outcome == FindOutcome::Found) ShowMatch(result.offset, MatchLength(), from);
}

int64_t MainWindow::MatchLength() const {
  return static_cast<int64_t>(document_.search().pattern().length());
}

void MainWindow::ShowMatch(int64_t offset, int64_t length, std::optional<int64_t> moved_from) {
  if (!document_.IsOpen()) return;
  const int64_t from = moved_from.value_or(document_.CaretOffset());
  document_.GoTo(offset);
  selection_.Select(offset, std::min(offset + length, document_.size()) - 1);
  page_view_.ShowCaretMoved(from);
  page_view_.Redraw();
}

bool MainWindow::SearchSide::ShowSearchResult(const FindResult& result) {
  const int64_t from = window_.document_.CaretOffset();
  if (!window_.document_.ShowFindResult(result)) return false;
  window_.ShowMatch(result.offset, window_.MatchLength(), from);
  return true;
}

bool MainWindow::SearchSide::ReplaceMatch(int64_t offset, int64_t length,
                                          std::span<const uint8_t> replacement) {
  EditedDocument& document = window_.document_;
  if (!window_.page_view_.BeginChange()) return false;
  // The same length is written over the match; another length moves the tail.
  const bool worked_on = static_cast<int64_t>(replacement.size()) == length
                             ? document.OverwriteRange(offset, replacement, FailedCommand::Replace)
                             : document.ReplaceRange(offset, length, replacement,
                                                     FailedCommand::Replace);
  const int64_t behind = offset + static_cast<int64_t>(replacement.size());
  window_.AfterRangeCommand(worked_on, true, std::min(behind, document.size() - 1));
  return worked_on && document.size() >= behind;
}

std::optional<int64_t> MainWindow::SearchSide::ReplaceAll(const SearchPattern& pattern,
                                                          const SearchScope& scope,
                                                          std::span<const uint8_t> replacement,
                                                          const std::function<bool()>& go_on) {
  EditedDocument& document = window_.document_;
  if (!window_.page_view_.BeginChange()) return std::nullopt;
  const EditedFile file = document.file();
  const ReplaceAllOutcome outcome = document.ReplaceAll(
      [&](const MatchSink& sink) {
        return FindAllUnlessStopped(file, pattern, scope, sink, window_.ProgressReporter(), go_on)
                   .outcome == FindAllOutcome::Done;
      },
      replacement);
  window_.AfterRangeCommand(outcome.result == ReplaceAllOutcome::Replaced, true,
                            std::min(document.CaretOffset(), document.size() - 1));
  switch (outcome.result) {
    case ReplaceAllOutcome::Replaced:
      return outcome.count;
    case ReplaceAllOutcome::NothingFound:
      ShowMessage(search_texts::kNotFound);
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

void MainWindow::SearchSide::ListAllMatches(const SearchPattern& pattern,
                                            const SearchScope& scope) {
  if (!window_.find_all_window_) {
    window_.find_all_window_ = std::make_unique<FindAllWindow>(window_.find_all_side_);
  }
  window_.find_all_window_->List(window_.hwnd(), pattern, scope);
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
  // A refresh is when a person expects the screen to catch up with the disk.
  document_.NoticeOutsideChange();
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

// The main window's checks of the open file: the hashes of the selection or
// the file, the comparison with another file and its differences, and the
// bookmarks with their list and their file in the settings folder.
#include <string>

#include "app/check/check_texts.h"
#include "app/check/hash_window_win.h"
#include "app/document/bookmark_file.h"
#include "app/document/open_texts.h"
#include "app/settings/settings_folder.h"
#include "app/view/bookmark_texts.h"
#include "app/view/bookmark_window_win.h"
#include "app/view/main_window_win.h"
#include "app/view/open_dialog_options.h"
#include "app/view/open_dialog_win.h"
#include "common/message_box.h"

namespace vx {

void MainWindow::OnHashes() {
  if (!document_.IsOpen()) return;
  HashWindow window(document_.path(), document_.size(), selection_.Range(document_.size()));
  window.ShowModal(hwnd());
  page_view_.TakeKeys();
}

void MainWindow::OnCompare() {
  if (!document_.IsOpen()) return;
  const std::wstring other =
      ShowOpenDialog({hwnd(), check_texts::kCompareTitle, DialogFilter(open_texts::kAllFilesFilter),
                      OpenDialogFlags(true)});
  if (other.empty()) return;
  // One comparison at a time: a new one takes the place of the last.
  compare_window_.reset();
  comparison_.reset();
  auto comparison = std::make_unique<FileComparison>(document_.path(), other);
  compare_window_ = std::make_unique<CompareWindow>(compare_side_);
  compare_window_->ShowModeless(hwnd(), other);
  if (compare_window_->Run(*comparison) == CompareOutcome::Done)
    comparison_ = std::move(comparison);
}

void MainWindow::ShowStretch(const ByteRange& stretch) {
  if (!document_.IsOpen()) return;
  const int64_t first = std::min(stretch.first, document_.size() - 1);
  const int64_t last = std::min(stretch.last(), document_.size() - 1);
  document_.GoTo(first);
  selection_.Select(first, last);
  page_view_.Redraw();
  EnableRangeCommands();
}

void MainWindow::OnGoToDifference(bool forward) {
  if (!document_.IsOpen()) return;
  if (!comparison_) {
    ShowMessage(check_texts::kNoComparison);
    return;
  }
  const ProgressCallback progress = ProgressReporter();
  const KeepGoing keep_going = [&progress](double share) {
    progress(share, {});
    return true;
  };
  const int64_t caret = document_.CaretOffset();
  progress(kProgressStart, check_texts::kComparing);
  const std::optional<ByteRange> stretch =
      forward ? comparison_->Next(caret, keep_going) : comparison_->Previous(caret, keep_going);
  progress(kProgressEnd, {});
  if (!stretch) {
    ShowMessage(check_texts::kNoDifference);
    return;
  }
  ShowStretch(*stretch);
  if (compare_window_) compare_window_->SelectStretch(*stretch);
}

void MainWindow::OnToggleBookmark() {
  if (!document_.IsOpen()) return;
  const int64_t caret = document_.CaretOffset();
  // Behind the end there is no byte to mark.
  if (caret >= document_.size()) return;
  document_.bookmarks().Toggle(caret);
  KeepBookmarks();
  page_view_.Redraw();
}

void MainWindow::OnGoToBookmark(bool forward) {
  if (!document_.IsOpen()) return;
  const Bookmarks& bookmarks = document_.bookmarks();
  const int64_t from = document_.CaretOffset();
  const std::optional<int64_t> target =
      forward ? bookmarks.Next(from, document_.size()) : bookmarks.Previous(from, document_.size());
  if (!target) {
    ShowMessage(bookmark_texts::kNoBookmarks);
    return;
  }
  document_.GoTo(*target);
  page_view_.ShowCaretMoved(from);
}

void MainWindow::OnBookmarkList() {
  if (!document_.IsOpen()) return;
  BookmarkWindow window(document_.bookmarks(), document_.file(), document_.size());
  window.ShowModal(hwnd());
  KeepBookmarks();
  if (const std::optional<int64_t> offset = window.chosen()) {
    const int64_t from = document_.CaretOffset();
    document_.GoTo(*offset);
    page_view_.ShowCaretMoved(from);
  } else {
    page_view_.Redraw();
  }
  page_view_.TakeKeys();
}

void MainWindow::LoadFileBookmarks() {
  FileBookmarks loaded;
  if (document_.IsOpen())
    loaded = LoadBookmarks(SettingsFolder(), document_.path(), document_.size());
  document_.bookmarks().Replace(std::move(loaded.list));
  if (loaded.dropped > 0) {
    ShowMessage(bookmark_texts::kDropped + std::to_wstring(loaded.dropped), MsgButtons::Ok,
                MsgIcon::Exclamation);
  }
}

void MainWindow::KeepBookmarks() {
  Bookmarks& bookmarks = document_.bookmarks();
  if (!document_.IsOpen() || !bookmarks.changed()) return;
  // Kept as unchanged either way: a failing folder is told once a change.
  bookmarks.MarkKept();
  if (!SaveBookmarks(SettingsFolder(), document_.path(), bookmarks.list())) {
    ShowMessage(bookmark_texts::kNotSaved, MsgButtons::Ok, MsgIcon::Exclamation);
  }
}

}  // namespace vx

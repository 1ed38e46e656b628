// The main window's range commands: select all, copy, cut, paste, paste
// over, delete and fill the selected bytes, with the clipboard.
#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/edit/clipboard_win.h"
#include "app/edit/copy_limit.h"
#include "app/edit/range_texts.h"
#include "app/view/main_window_win.h"
#include "common/message_box.h"

namespace vx {

void MainWindow::OnSelectAll() {
  if (!document_.IsOpen()) return;
  selection_.Select(0, document_.size() - 1);
  page_view_.Redraw();
}

bool MainWindow::CopySelection(bool as_text) {
  const std::optional<ByteRange> range = selection_.Range(document_.size());
  if (!document_.IsOpen() || !range) return false;
  if (!CopyFits(range->length)) {
    ShowMessage(range_texts::kCopyTooLarge, MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
  }
  const std::optional<Failure> failure = as_text ? CopyColumnText(hwnd(), document_.file(), *range)
                                                 : copies_.Copy(hwnd(), document_.file(), *range);
  if (!failure) return true;
  ShowMessage(FailureMessage(FailedCommand::Copy, *failure), MsgButtons::Ok, MsgIcon::Exclamation);
  return false;
}

void MainWindow::OnCopy() { CopySelection(false); }

void MainWindow::OnCopyAsText() { CopySelection(true); }

std::optional<std::vector<uint8_t>> MainWindow::BytesToPaste(FailedCommand paste) {
  ClipboardBytes clip = ReadClipboardBytes(hwnd());
  if (!clip.opened) {
    ShowMessage(FailureMessage(paste, {FailureCause::InUse, FailedPlace::Clipboard}),
                MsgButtons::Ok, MsgIcon::Exclamation);
    return std::nullopt;
  }
  if (!clip.reading.understood()) {
    ShowMessage(std::wstring(range_texts::kPasteNotHex) + range_texts::kQuoteOpen +
                    clip.reading.not_understood + range_texts::kQuoteClose,
                MsgButtons::Ok, MsgIcon::Exclamation);
    return std::nullopt;
  }
  if (clip.reading.bytes.empty()) {
    ShowMessage(range_texts::kNothingToPaste);
    return std::nullopt;
  }
  return std::move(clip.reading.bytes);
}

void MainWindow::OnFill() {
  if (!document_.IsOpen() || !selection_.Range(document_.size())) return;
  page_view_.AskFillValue();
}

void MainWindow::AfterRangeCommand(bool worked_on, bool bytes_moved, int64_t caret) {
  // A refused command changed nothing, but the page is drawn anew all the
  // same: what it shows, the selection's highlight included, stays true.
  if (!worked_on) {
    page_view_.Redraw();
    return;
  }
  if (bytes_moved) selection_.Clear();
  document_.PlaceCaret(
      CaretShowing(document_.PageSettings(), document_.last_top(), document_.caret(), caret));
  OnFileChanged();
  page_view_.Redraw();
}

void MainWindow::OnCut() {
  const std::optional<ByteRange> range = selection_.Range(document_.size());
  if (!document_.IsOpen() || !range) return;
  if (!CopyFits(range->length)) {
    ShowMessage(range_texts::kCopyTooLarge, MsgButtons::Ok, MsgIcon::Exclamation);
    return;
  }
  // The bytes go to the clipboard only once they are out of the file: a
  // refused cut leaves the clipboard as it was.
  Failure failure;
  std::optional<std::vector<uint8_t>> bytes = ReadCopy(document_.file(), *range, failure);
  if (!bytes) {
    ShowMessage(FailureMessage(FailedCommand::Cut, failure), MsgButtons::Ok, MsgIcon::Exclamation);
    return;
  }
  if (!page_view_.BeginChange()) return AfterRangeCommand(false, true, range->first);
  const bool worked_on =
      document_.ReplaceRange(range->first, range->length, {}, FailedCommand::Cut);
  if (document_.range_taken()) {
    if (std::optional<Failure> refused = copies_.Put(hwnd(), std::move(*bytes))) {
      // The clipboard would not take them: the cut is taken back, so that
      // no byte is lost.
      const int32_t step = document_.journal().step();
      document_.Undo();
      refused->unchanged = document_.journal().step() != step;
      ShowMessage(FailureMessage(FailedCommand::Cut, *refused), MsgButtons::Ok,
                  MsgIcon::Exclamation);
    }
  }
  AfterRangeCommand(worked_on, true, range->first);
}

void MainWindow::OnDeleteSelection() {
  const std::optional<ByteRange> range = selection_.Range(document_.size());
  if (!document_.IsOpen() || !range) return;
  if (!page_view_.BeginChange()) return AfterRangeCommand(false, true, range->first);
  AfterRangeCommand(document_.ReplaceRange(range->first, range->length, {}, FailedCommand::Delete),
                    true, range->first);
}

void MainWindow::OnPaste() {
  if (!document_.IsOpen()) return;
  const std::optional<std::vector<uint8_t>> bytes = BytesToPaste(FailedCommand::Paste);
  if (!bytes) return;
  if (!page_view_.BeginChange()) return AfterRangeCommand(false, true, 0);
  // In place of the selection, else before the caret's byte; a caret behind
  // the end appends.
  const std::optional<ByteRange> range = selection_.Range(document_.size());
  const int64_t first = range ? range->first : std::min(document_.CaretOffset(), document_.size());
  const int64_t removed = range ? range->length : 0;
  const int64_t behind = first + static_cast<int64_t>(bytes->size());
  AfterRangeCommand(document_.ReplaceRange(first, removed, *bytes, FailedCommand::Paste), true,
                    behind);
}

void MainWindow::OnPasteOver() {
  if (!document_.IsOpen()) return;
  const std::optional<std::vector<uint8_t>> bytes = BytesToPaste(FailedCommand::PasteOver);
  if (!bytes) return;
  const std::optional<ByteRange> range = selection_.Range(document_.size());
  const int64_t first = range ? range->first : document_.CaretOffset();
  if (first >= document_.size()) {
    ShowMessage(range_texts::kPasteOverAtEnd);
    return;
  }
  if (!page_view_.BeginChange()) return AfterRangeCommand(false, false, first);
  // The length stays: what would reach behind the end is left out.
  const size_t count =
      static_cast<size_t>(std::min<int64_t>(document_.size() - first, bytes->size()));
  const std::span<const uint8_t> written(bytes->data(), count);
  AfterRangeCommand(document_.OverwriteRange(first, written, FailedCommand::PasteOver), false,
                    first + static_cast<int64_t>(count));
}

void MainWindow::FillSelection(uint8_t value) {
  const std::optional<ByteRange> range = selection_.Range(document_.size());
  if (!document_.IsOpen() || !range) return;
  if (!page_view_.BeginChange()) return AfterRangeCommand(false, false, range->first);
  AfterRangeCommand(document_.FillRange(range->first, range->length, value), false,
                    document_.CaretOffset());
}

}  // namespace vx

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
  const ClipboardOutcome outcome = as_text ? CopyColumnText(hwnd(), document_.file(), *range)
                                           : copies_.Copy(hwnd(), document_.file(), *range);
  switch (outcome) {
    case ClipboardOutcome::Done:
      return true;
    case ClipboardOutcome::Busy:
      ShowMessage(range_texts::kClipboardUnavailable, MsgButtons::Ok, MsgIcon::Exclamation);
      return false;
    case ClipboardOutcome::ReadFailed:
      ShowMessage(range_texts::kCopyFailed, MsgButtons::Ok, MsgIcon::Exclamation);
      return false;
  }
  return false;
}

void MainWindow::OnCopy() { CopySelection(false); }

void MainWindow::OnCopyAsText() { CopySelection(true); }

std::optional<std::vector<uint8_t>> MainWindow::BytesToPaste() {
  ClipboardBytes clip = ReadClipboardBytes(hwnd());
  if (!clip.opened) {
    ShowMessage(range_texts::kClipboardUnavailable, MsgButtons::Ok, MsgIcon::Exclamation);
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
  if (!worked_on) return;
  if (bytes_moved) selection_.Clear();
  document_.PlaceCaret(
      CaretShowing(document_.PageSettings(), document_.last_top(), document_.caret(), caret));
  OnFileChanged();
  page_view_.Redraw();
}

void MainWindow::OnCut() {
  const std::optional<ByteRange> range = selection_.Range(document_.size());
  if (!range || !CopySelection(false) || !page_view_.BeginChange()) return;
  AfterRangeCommand(document_.ReplaceRange(range->first, range->length, {}), true, range->first);
}

void MainWindow::OnDeleteSelection() {
  const std::optional<ByteRange> range = selection_.Range(document_.size());
  if (!document_.IsOpen() || !range || !page_view_.BeginChange()) return;
  AfterRangeCommand(document_.ReplaceRange(range->first, range->length, {}), true, range->first);
}

void MainWindow::OnPaste() {
  if (!document_.IsOpen()) return;
  const std::optional<std::vector<uint8_t>> bytes = BytesToPaste();
  if (!bytes || !page_view_.BeginChange()) return;
  // In place of the selection, else before the caret's byte; a caret behind
  // the end appends.
  const std::optional<ByteRange> range = selection_.Range(document_.size());
  const int64_t first = range ? range->first : std::min(document_.CaretOffset(), document_.size());
  const int64_t removed = range ? range->length : 0;
  const int64_t behind = first + static_cast<int64_t>(bytes->size());
  AfterRangeCommand(document_.ReplaceRange(first, removed, *bytes), true, behind);
}

void MainWindow::OnPasteOver() {
  if (!document_.IsOpen()) return;
  const std::optional<std::vector<uint8_t>> bytes = BytesToPaste();
  if (!bytes) return;
  const std::optional<ByteRange> range = selection_.Range(document_.size());
  const int64_t first = range ? range->first : document_.CaretOffset();
  if (first >= document_.size()) {
    ShowMessage(range_texts::kPasteOverAtEnd);
    return;
  }
  if (!page_view_.BeginChange()) return;
  // The length stays: what would reach behind the end is left out.
  const size_t count =
      static_cast<size_t>(std::min<int64_t>(document_.size() - first, bytes->size()));
  const std::span<const uint8_t> written(bytes->data(), count);
  AfterRangeCommand(document_.OverwriteRange(first, written), false,
                    first + static_cast<int64_t>(count));
}

void MainWindow::FillSelection(uint8_t value) {
  const std::optional<ByteRange> range = selection_.Range(document_.size());
  if (!document_.IsOpen() || !range || !page_view_.BeginChange()) return;
  AfterRangeCommand(document_.FillRange(range->first, range->length, value), false,
                    document_.CaretOffset());
}

}  // namespace vx

// The main window's range commands: select all, copy, cut, paste, paste
// over, delete and fill the selected bytes, with the clipboard.
#include <optional>
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
                                           : CopyBytes(hwnd(), document_.file(), *range);
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
  // The first change may have made the backup.
  EnableRestore(document_.BackUpExists());
  document_.PlaceCaret(
      CaretShowing(document_.PageSettings(), document_.last_top(), document_.caret(), caret));
  OnFileChanged();
  page_view_.Redraw();
}

}  // namespace vx

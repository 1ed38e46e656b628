// The main window's status lines above the page (the file's name and size,
// the caret's address and values) and the progress area below it.
#include <string>

#include "app/settings/display_settings.h"
#include "app/view/main_window_layout.h"
#include "app/view/main_window_win.h"
#include "app/view/short_file_name.h"
#include "app/view/status_label_texts.h"
#include "app/view/status_texts.h"
#include "common/clock.h"
#include "common/ui/gdi_win.h"
#include "common/ui/message_pump_win.h"

namespace vx {

void MainWindow::OnPageDrawn() {
  // Most drawings leave the top line where it was, often after the bar moved it.
  if (scroll_bar_.Value() != document_.caret().top) scroll_bar_.SetValue(document_.caret().top);
  ShowCaretStatus();
}

void MainWindow::ShowCaretStatus() {
  const int32_t offset = document_.CaretOffset();
  uint8_t b[4];
  CaretStatusTexts texts = UnreadCaretStatus();
  if (document_.IsOpen() && document_.file().Read(offset, b) == ReadResult::Read) {
    const std::vector<uint8_t>& page = page_view_.page_bytes();
    const CaretPlace& caret = document_.caret();
    const size_t cell =
        static_cast<size_t>(caret.y) * document_.PageSettings().BytesPerLine + caret.x;
    const uint8_t page_byte = cell < page.size() ? page[cell] : 0;
    texts = CaretStatus(offset, {b[0], b[1], b[2], b[3]}, page_byte);
  }
  caret_address_label_.SetText(texts.address);
  four_byte_label_.SetText(texts.four_byte);
  two_byte_label_.SetText(texts.two_byte);
  one_byte_label_.SetText(texts.one_byte);
  binary_label_.SetText(texts.binary);
  for (const Label* label : {&caret_address_label_, &four_byte_label_, &two_byte_label_,
                             &one_byte_label_, &binary_label_}) {
    UpdateWindow(label->hwnd());
  }
}

std::wstring MainWindow::ShortFileName() const {
  const WindowDc dc(hwnd());
  const Selection font(dc.get(), label_font_.get());
  const auto width_of = [&dc](const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
  };
  // The label shows "FileName: " before the name: the name gets what is left.
  const int room = kFileNameRect.width - width_of(std::wstring(kFileNamePrefix));
  return ShortenedFileName(document_.path(), room, width_of);
}

void MainWindow::ShowFileStatus() {
  const bool open = document_.IsOpen();
  file_name_label_.SetText(open ? FileNameLabel(ShortFileName()) : std::wstring(kNoFileNameLabel));
  size_label_.SetText(open ? SizeLabel(document_.size()) : std::wstring(kNoSizeLabel));
  SetWindowTextW(hwnd(), WindowTitle(document_.path()).c_str());
  UpdateWindow(file_name_label_.hwnd());
  UpdateWindow(size_label_.hwnd());
}

ProgressCallback MainWindow::ProgressReporter() {
  // Every long operation reports here after each block: the moment to let
  // the system reach the windows, so that it never calls the program hung.
  return [this](double value, const std::wstring& caption) {
    LetSystemIn();
    ShowProgress(value, caption);
  };
}

void MainWindow::ShowProgress(double value, const std::wstring& caption) {
  const ProgressView view = ProgressViewFor(value, caption, progress_bar_.width());
  // A search or a tail move reports after every 4096 bytes; repainting for each
  // report would cost more than the work itself.
  if (shown_progress_ && *shown_progress_ == view) return;
  const uint32_t now = MilliSeconds();
  if (!ProgressNeedsDrawing(shown_progress_, view, now - progress_drawn_at_)) return;
  shown_progress_ = view;
  progress_drawn_at_ = now;
  switch (view.kind) {
    case ProgressView::Kind::Caption:
    case ProgressView::Kind::Done:
      progress_caption_label_.SetText(view.caption);
      UpdateWindow(progress_caption_label_.hwnd());
      progress_bar_.Show(0);
      break;
    case ProgressView::Kind::Bar:
      progress_bar_.Show(view.bar_width, std::to_wstring(view.percent));
      break;
  }
}

}  // namespace vx

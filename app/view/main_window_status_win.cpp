// The main window's status lines above the page (the file's name and size,
// the caret's address and values) and the progress area below it.
#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "app/page/dump_page.h"
#include "app/settings/display_settings.h"
#include "app/view/main_window_layout.h"
#include "app/view/main_window_win.h"
#include "app/view/short_file_name.h"
#include "app/view/status_label_texts.h"
#include "app/view/status_line_layout.h"
#include "app/view/status_texts.h"
#include "common/clock.h"
#include "common/ui/dpi_win.h"
#include "common/ui/font_faces.h"
#include "common/ui/gdi_win.h"
#include "common/ui/message_pump_win.h"

namespace vx {

void MainWindow::OnPageDrawn() {
  // Most drawings leave the top line where it was, often after the bar moved it.
  if (scroll_bar_.Value() != document_.caret().top) scroll_bar_.SetValue(document_.caret().top);
  ShowCaretStatus();
  ShowSelectionStatus();
  EnableRangeCommands();
  if (inspector_.Shown()) inspector_.Follow();
}

void MainWindow::ShowSelectionStatus() {
  const std::optional<ByteRange> range =
      document_.IsOpen() ? selection_.Range(document_.size()) : std::nullopt;
  selection_label_.SetText(SelectionLabel(range, selection_.extending()));
  UpdateWindow(selection_label_.hwnd());
}

void MainWindow::ShowCaretStatus() {
  const int64_t offset = document_.CaretOffset();
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

namespace {

// Widths of texts in one font, in its own pixels: the same on every display
// for a font of the same pixel size.
class TextMeasure {
 public:
  TextMeasure(HWND window, HFONT font) : dc_(window), font_(dc_.get(), font) {}
  int operator()(const std::wstring& text) const {
    SIZE size{};
    GetTextExtentPoint32W(dc_.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
  }
  int Widest(std::initializer_list<std::wstring> texts) const {
    int widest = 0;
    for (const std::wstring& text : texts) widest = std::max(widest, (*this)(text));
    return widest;
  }

 private:
  WindowDc dc_;
  Selection font_;
};

// The label font at 96 dots an inch, round whose texts the layout was written.
Font BaseLabelFont() {
  return MakeFixedPitchFont(font_faces::kFixedPitch, kLabelFontPoints, kBaseDpi);
}

// `path` as a file-name label of `label_width` pixels in the measured font
// has room for it.
std::wstring FittedFileName(const std::wstring& path, const TextMeasure& width_of,
                            int label_width) {
  // The label shows "FileName: " before the name: the name gets what is left.
  const int room = label_width - width_of(std::wstring(kFileNamePrefix));
  return ShortenedFileName(path, room,
                           [&width_of](const std::wstring& text) { return width_of(text); });
}

}  // namespace

int MainWindow::PlaceStatusLabels() {
  const int dpi = WindowDpi(hwnd());
  const Font base_font = BaseLabelFont();
  const TextMeasure at_dpi(hwnd(), label_font_.get());
  const TextMeasure at_base(hwnd(), base_font.get());
  const auto widest_of = [&](std::initializer_list<std::wstring> texts) {
    return WidestText{at_dpi.Widest(texts), at_base.Widest(texts)};
  };
  const int digits = AddressDigits(document_.size());
  const CaretStatusTexts widest = WidestCaretStatus(digits);
  const CaretStatusTexts unread = UnreadCaretStatus();
  // The file name is shortened to whatever width its label gets.
  const std::vector<PixelRect> file_line = LayOutLabelRow(
      {kFileNameRect, kSizeRect},
      {WidestText{}, widest_of({WidestSizeLabel(digits), std::wstring(kNoSizeLabel)})}, dpi);
  const std::vector<PixelRect> caret_line = LayOutLabelRow(
      {kCaretAddressRect, kFourByteRect, kTwoByteRect, kOneByteRect, kBinaryRect},
      {widest_of({widest.address, unread.address}), widest_of({widest.four_byte, unread.four_byte}),
       widest_of({widest.two_byte, unread.two_byte}), widest_of({widest.one_byte, unread.one_byte}),
       widest_of({widest.binary, unread.binary})},
      dpi);
  const PixelRect frame = FrameRoundRow(kCaretFrameRect, kBinaryRect, caret_line.back(), dpi);
  const std::vector<PixelRect> selection_line = LayOutLabelRow(
      {kSelectionRect},
      {widest_of({WidestSelectionLabel(digits), SelectionLabel(std::nullopt, true)})}, dpi);
  const Label* file_labels[] = {&file_name_label_, &size_label_};
  const Label* caret_labels[] = {&caret_address_label_, &four_byte_label_, &two_byte_label_,
                                 &one_byte_label_, &binary_label_};
  const auto place = [](HWND control, const PixelRect& r) {
    MoveWindow(control, r.x, r.y, r.width, r.height, TRUE);
  };
  for (size_t i = 0; i < file_line.size(); ++i) place(file_labels[i]->hwnd(), file_line[i]);
  for (size_t i = 0; i < caret_line.size(); ++i) place(caret_labels[i]->hwnd(), caret_line[i]);
  place(caret_frame_.hwnd(), frame);
  place(selection_label_.hwnd(), selection_line.back());
  return std::max({file_line.back().right(), frame.right(), selection_line.back().right()});
}

std::wstring MainWindow::ShortFileName() const {
  RECT label{};
  GetClientRect(file_name_label_.hwnd(), &label);
  return FittedFileName(document_.path(), TextMeasure(hwnd(), label_font_.get()), label.right);
}

std::wstring MainWindow::PrintHeaderName() const {
  // Fixed: the label's font and width at 96 dots an inch, so that a page
  // prints alike from every display.
  const Font font = BaseLabelFont();
  return FittedFileName(document_.path(), TextMeasure(hwnd(), font.get()), kFileNameRect.width);
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
  // Long work reports far more often than the bar can change (a backup after
  // every block); repainting for each report would cost more than the work.
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

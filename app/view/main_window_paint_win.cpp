// The page, the caret bars and the two status lines of the main window.
#include <array>

#include "app/page/page_painter_win.h"
#include "app/settings/display_settings.h"
#include "app/view/caret_geometry.h"
#include "app/view/draw_page_win.h"
#include "app/view/main_window_layout.h"
#include "app/view/main_window_win.h"
#include "app/view/short_file_name.h"
#include "app/view/status_label_texts.h"
#include "app/view/status_texts.h"
#include "common/ui/controls_win.h"
#include "common/ui/gdi_win.h"

namespace vx {
namespace {

// The page area with no file open: the system colour of an empty work area.
constexpr int kEmptyPageColour = COLOR_APPWORKSPACE;

void OutlineBox(HDC dc, const PageBox& b) {
  RECT r{b.left, b.top, b.right, b.bottom};
  FrameRect(dc, &r, MakeBrush(ResolveColour(b.colour)).get());
}

}  // namespace

void MainWindow::RePaint() {
  if (FileName.empty()) {
    Picture1.Clear(GetSysColor(kEmptyPageColour));
    CaretPut();
    RePaintCaretStatus();
    Picture1.Refresh();
    return;
  }
  const int32_t start = VscrollEx1.Value() * DisplaySettings.BytesPerLine + 1;
  DrawPage(Picture1.dc(), ScreenSettings(), FileName, start, PageBytes, FileSize);
  // The input window follows the caret and always shows the byte under it.
  if (InputVisible) FitIP();
  CaretPut();
  RePaintCaretStatus();
  Picture1.Refresh();
}

void MainWindow::vs1() { RePaint(); }

void MainWindow::CaretPut() {
  if (FileName.empty()) return;
  const CaretBars bars = CaretBarsAt(ScreenSettings(), CaretX, CaretY);
  OutlineBox(Picture1.dc(), bars.hex_bar);
  OutlineBox(Picture1.dc(), bars.text_bar);
}

void MainWindow::RePaintCaretStatus() {
  const int32_t offset = GetSeekFromCaret();
  uint8_t b[4];
  CaretStatusTexts texts = UnreadCaretStatus();
  if (!FileName.empty() && EditedFile(FileName).Read(offset, b) == ReadResult::Read) {
    const size_t cell = static_cast<size_t>(CaretY) * DisplaySettings.BytesPerLine + CaretX;
    const uint8_t page_byte = cell < PageBytes.size() ? PageBytes[cell] : 0;
    texts = CaretStatus(offset, {b[0], b[1], b[2], b[3]}, page_byte);
  }
  SetControlText(Label3, texts.address);
  SetControlText(Label4, texts.four_byte);
  SetControlText(Label5, texts.two_byte);
  SetControlText(Label6, texts.one_byte);
  SetControlText(Label7, texts.binary);
  for (HWND label : {Label3, Label4, Label5, Label6, Label7}) UpdateWindow(label);
}

std::wstring MainWindow::ShortFileName() const {
  HDC dc = Picture2.dc();
  const auto width_of = [dc](const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
  };
  // The label shows "FileName: " before the name: the name gets what is left.
  const int room = kLabel1Rect.width - width_of(std::wstring(kFileNamePrefix));
  return GetShortFnm(FileName, room, width_of);
}

void MainWindow::RePaintFileStatus() {
  const bool open = !FileName.empty();
  const std::wstring name = open ? FileNameLabel(ShortFileName()) : std::wstring(kNoFileNameLabel);
  const std::wstring size = open ? SizeLabel(FileSize) : std::wstring(kNoSizeLabel);
  SetControlText(Label1, name);
  SetControlText(Label2, size);
  SetControlText(hwnd(), WindowTitle(FileName));
  UpdateWindow(Label1);
  UpdateWindow(Label2);
}

}  // namespace vx

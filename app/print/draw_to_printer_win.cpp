#include "app/print/draw_to_printer_win.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "app/file/edited_file.h"
#include "app/page/page_painter_win.h"
#include "app/print/page_numbers.h"
#include "app/settings/display_settings.h"
#include "app/settings/view_settings.h"
#include "common/file_texts.h"
#include "common/message_box.h"
#include "common/shift_jis_tables.h"
#include "common/ui/gdi_win.h"

namespace vx {
namespace {

constexpr COLORREF kHeaderColour = RGB(0, 0, 0);

Font PrinterFont(const PrinterScale& scale, double points, HDC dc) {
  return MakeFont(
      {GetFontName(), 0, FW_NORMAL, FIXED_PITCH | FF_MODERN, -scale.PixelHeightOfPoints(points)},
      dc);
}

// The page's bytes and the one behind it, 0 beyond the end of the file. A
// file that is gone is not made again by printing it.
bool ReadPage(PrintedDocument& document, int64_t start, std::vector<uint8_t>& bytes) {
  bytes.assign(static_cast<size_t>(PageByteCount(DisplaySettings)), 0);
  const EditedFile file(document.path);
  if (file.Length() >= 0 && file.Read(start - 1, bytes) == ReadResult::Read) return true;
  if (!document.told_unreadable) {
    document.told_unreadable = true;
    ShowMessage(document.path + std::wstring(file_texts::kOpenFailed));
  }
  return false;
}

}  // namespace

void PrintPage(PrintedDocument& document, int64_t start, int64_t file_size) {
  DisplaySettings.TopMargin = document.saved_top_margin + kHeaderRoom;
  const int64_t length = EditedFile(document.path).Length();
  // The addresses on paper as wide as on the screen.
  const DisplaySettingsRecord settings = WithAddressColumnFor(DisplaySettings, length);
  const PrinterScale scale(PrinterUserScale(settings, document.saved_top_margin),
                           document.job.Area());
  HDC dc = document.job.dc();
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);

  const std::wstring header =
      PageHeader(document.header_name, PageOf(start + 1, settings), PageCount(length, settings));
  const PrintedPage page = [&] {
    std::vector<uint8_t> bytes;
    const bool read = ReadPage(document, start, bytes);
    if (file_size < 0) {
      file_size = start + PageByteCount(settings) - 1;
    }
    PrintedPage composed = ComposePrintedPage(settings, document.saved_top_margin, header, start,
                                              bytes, file_size, kShiftJisTables,
                                              {TextColumnEncoding(), ViewOptions.control_dots});
    if (!read) composed.body = {};
    return composed;
  }();
  {
    const Font font = PrinterFont(scale, HeaderFontPoints(scale), dc);
    const Selection selected(dc, font.get());
    SetTextColor(dc, kHeaderColour);
    ExtTextOutW(dc, scale.X(page.header_x), scale.Y(page.header_y), 0, nullptr, page.header.c_str(),
                static_cast<UINT>(page.header.size()), nullptr);
  }
  const Font font = PrinterFont(scale, BodyFontPoints(scale, settings.FontSize), dc);
  const Selection selected(dc, font.get());
  ReplayPage(dc, ScaleToDevice(page.body, scale), TextCalls::PerCell);
}

}  // namespace vx

#include "app/print/draw_to_printer_win.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "app/file/edited_file.h"
#include "app/page/page_painter_win.h"
#include "app/print/page_numbers.h"
#include "app/settings/display_settings.h"
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
bool ReadPage(PrintedDocument& doc, int32_t S, std::vector<uint8_t>& bytes) {
  bytes.assign(static_cast<size_t>(PageByteCount(DisplaySettings)), 0);
  const EditedFile file(doc.FileName);
  if (file.Length() >= 0 && file.Read(int64_t{S} - 1, bytes) == ReadResult::Read) return true;
  if (!doc.told_unreadable) {
    doc.told_unreadable = true;
    ShowMessage(doc.FileName + std::wstring(file_texts::kOpenFailed));
  }
  return false;
}

}  // namespace

int32_t DrawToPrinter(PrintedDocument& doc, int32_t S, int32_t Max) {
  DisplaySettingsRecord& s = DisplaySettings;
  s.TopMargin = doc.saved_top_margin + kHeaderRoom;
  const PrinterScale scale(PrinterUserScale(s, doc.saved_top_margin), doc.job.Area());
  HDC dc = doc.job.dc();
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);

  const std::wstring header = PageHeader(doc.header_name, GetNowPage(S + 1, s),
                                         GetMaxPage(EditedFile(doc.FileName).Length(), s));
  const PrintedPage page = [&] {
    std::vector<uint8_t> bytes;
    const bool read = ReadPage(doc, S, bytes);
    if (Max < 0)
      Max = static_cast<int32_t>(std::min<int64_t>(int64_t{S} + PageByteCount(s) - 1, INT32_MAX));
    PrintedPage composed =
        ComposePrintedPage(s, doc.saved_top_margin, header, S, bytes, Max, kShiftJisTables);
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
  const Font font = PrinterFont(scale, BodyFontPoints(scale, s.FontSize), dc);
  const Selection selected(dc, font.get());
  ReplayPage(dc, ScaleToDevice(page.body, scale), TextCalls::PerCell);
  return 0;
}

}  // namespace vx

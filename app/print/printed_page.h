// One dump page on paper: the screen's page, measured in the screen's pixels
// ("user units"), with a header line above it, scaled onto the printable area
// with width and height stretched independently.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "app/page/dump_page.h"
#include "app/settings/display_settings.h"
#include "common/shift_jis_tables.h"

namespace vx {

// The room the header takes above the rows, in user units.
inline constexpr int kHeaderRoom = 10;

// The user units the printable area is divided into: 528 x 404 with the
// default layout, whatever the paper.
struct UserScale {
  int width;
  int height;
};
UserScale PrinterUserScale(const DisplaySettingsRecord& settings, int saved_top_margin);

// The printable area in device pixels and the device's resolution.
struct PrintArea {
  int width;
  int height;
  int dpi_x;
  int dpi_y;
};

// User units to device pixels, and the font sizes of the printed page.
class PrinterScale {
 public:
  PrinterScale(UserScale user, PrintArea area) : user_(user), area_(area) {}
  // Rounded to the nearest device pixel.
  int X(int user_x) const;
  int Y(int user_y) const;
  // The points that `units` user units measure on the paper.
  double PointsOfVerticalUnits(double units) const;
  double PointsOfHorizontalUnits(double units) const;
  // The character height in device pixels of a font of `points`.
  int PixelHeightOfPoints(double points) const;

 private:
  UserScale user_;
  PrintArea area_;
};

// The header's font: 10 vertical units.
double HeaderFontPoints(const PrinterScale& scale);
// The body's font: the smaller of 2 x `font_size` - 3 horizontal units and
// `font_size` + 1 vertical units.
double BodyFontPoints(const PrinterScale& scale, int font_size);

// "ABC.BIN         ページ 2/5".
std::wstring PageHeader(const std::wstring& short_name, int64_t page, int64_t page_count);

struct PrintedPage {
  std::wstring header;
  int header_x;
  int header_y;
  DumpPage body;
};

// The page from seek position `start`, with `settings` holding the raised top
// margin (saved + kHeaderRoom); the end-of-file mark follows `file_size`.
PrintedPage ComposePrintedPage(const DisplaySettingsRecord& settings, int saved_top_margin,
                               std::wstring header, int64_t start,
                               std::span<const uint8_t> page_bytes, int64_t file_size,
                               const ShiftJisTables& tables, const TextColumnReading& reading = {});

// The page description in device pixels.
DumpPage ScaleToDevice(const DumpPage& page, const PrinterScale& scale);

}  // namespace vx

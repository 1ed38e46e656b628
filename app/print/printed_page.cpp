#include "app/print/printed_page.h"

#include <algorithm>
#include <utility>

namespace vx {
namespace {

constexpr double kPointsPerInch = 72.0;

// round(value x numerator / denominator), halves upward; all three positive.
int ScaleRounded(int value, int numerator, int denominator) {
  return static_cast<int>((2 * int64_t{value} * numerator + denominator) /
                          (2 * int64_t{denominator}));
}

}  // namespace

UserScale PrinterUserScale(const DisplaySettingsRecord& settings, int saved_top_margin) {
  const int row_width = (settings.HexCellWidth + settings.TextCellWidth) * settings.BytesPerLine;
  return {row_width + settings.DumpTextGap + settings.LeftMargin + settings.AddressWidth + 12,
          settings.LineHeight * settings.LinesPerPage + saved_top_margin + 18};
}

int PrinterScale::X(int user_x) const { return ScaleRounded(user_x, area_.width, user_.width); }

int PrinterScale::Y(int user_y) const { return ScaleRounded(user_y, area_.height, user_.height); }

double PrinterScale::PointsOfVerticalUnits(double units) const {
  return units * area_.height / user_.height / area_.dpi_y * kPointsPerInch;
}

double PrinterScale::PointsOfHorizontalUnits(double units) const {
  return units * area_.width / user_.width / area_.dpi_x * kPointsPerInch;
}

int PrinterScale::PixelHeightOfPoints(double points) const {
  return static_cast<int>(points * area_.dpi_y / kPointsPerInch + 0.5);
}

double HeaderFontPoints(const PrinterScale& scale) {
  return scale.PointsOfVerticalUnits(kHeaderRoom);
}

double BodyFontPoints(const PrinterScale& scale, int font_size) {
  return std::min(scale.PointsOfHorizontalUnits(2 * font_size - 3),
                  scale.PointsOfVerticalUnits(font_size + 1));
}

std::wstring PageHeader(const std::wstring& short_name, int64_t page, int64_t page_count) {
  return short_name + L"         ページ " + std::to_wstring(page) + L"/" +
         std::to_wstring(page_count);
}

PrintedPage ComposePrintedPage(const DisplaySettingsRecord& settings, int saved_top_margin,
                               std::wstring header, int64_t start,
                               std::span<const uint8_t> page_bytes, int64_t file_size,
                               const ShiftJisTables& tables, const TextColumnReading& reading) {
  return {std::move(header), 0, RoundHalfToEven(saved_top_margin),
          ComposePage(settings, start, page_bytes, file_size, tables, PageMedium::Printer,
                      std::nullopt, reading)};
}

DumpPage ScaleToDevice(const DumpPage& page, const PrinterScale& scale) {
  DumpPage device;
  device.lines_over_texts = page.lines_over_texts;
  device.boxes.reserve(page.boxes.size());
  for (const PageBox& box : page.boxes) {
    device.boxes.push_back(
        {scale.X(box.left), scale.Y(box.top), scale.X(box.right), scale.Y(box.bottom), box.colour});
  }
  device.lines.reserve(page.lines.size());
  for (const PageLine& line : page.lines) {
    device.lines.push_back({scale.X(line.x), scale.Y(line.top), scale.Y(line.bottom), line.colour});
  }
  device.texts.reserve(page.texts.size());
  for (const PageText& text : page.texts) {
    device.texts.push_back(
        {scale.X(text.x), scale.Y(text.y), text.colour, text.bytes, text.characters});
  }
  return device;
}

}  // namespace vx

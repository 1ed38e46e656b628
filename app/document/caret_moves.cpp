#include "app/document/caret_moves.h"

#include <algorithm>
#include <cmath>

#include "app/page/dump_page.h"

namespace vx {
namespace {

// Virtual-key codes: the main digit and letter keys are their ASCII
// characters, the number pad's digits start at 0x60.
constexpr int kKey2 = '2';
constexpr int kKey9 = '9';
constexpr int kKeyA = 'A';
constexpr int kKeyF = 'F';
constexpr int kKeyZ = 'Z';
constexpr int kNumPad0 = 0x60;

constexpr int32_t kHexRadix = 0;
constexpr int32_t kDecimalRadix = 1;

int32_t CellIndex(double distance, int32_t pitch, int32_t count) {
  const double cell = std::floor(std::nearbyint(distance) / pitch);
  return cell >= 0 && cell < count ? static_cast<int32_t>(cell) : -1;
}

}  // namespace

CaretPlace ClampedCaret(const DisplaySettingsRecord& settings, int64_t scroll_max,
                        CaretPlace wanted) {
  CaretPlace p{std::clamp(wanted.x, 0, settings.BytesPerLine - 1),
               std::clamp(wanted.y, 0, settings.LinesPerPage - 1), wanted.top};
  if (p.top < 0) {
    p.top = 0;
    p.y = 0;
  }
  if (p.top > scroll_max) {
    p.top = scroll_max;
    p.y = settings.LinesPerPage - 1;
  }
  return p;
}

std::optional<CaretPlace> MovedCaret(const DisplaySettingsRecord& settings, CaretPlace from,
                                     int32_t columns, int32_t rows) {
  int64_t x = int64_t{from.x} + columns;
  int64_t y = int64_t{from.y} + rows;
  int64_t top = from.top;
  // Whatever the step, leaving a line goes to the start of the next one or
  // the end of the previous one.
  if (x >= settings.BytesPerLine) {
    x = 0;
    ++y;
  }
  if (x < 0) {
    if (top < 1 && y < 1) return std::nullopt;
    x = settings.BytesPerLine - 1;
    --y;
  }
  if (y >= settings.LinesPerPage) {
    top += y - settings.LinesPerPage + 1;
    y = settings.LinesPerPage - 1;
  } else if (y < 0) {
    top += y;
    y = 0;
  }
  return CaretPlace{static_cast<int32_t>(x), static_cast<int32_t>(y), top};
}

CaretPlace CaretAtOffset(const DisplaySettingsRecord& settings, int64_t scroll_max,
                         int64_t offset) {
  const int64_t line = offset / settings.BytesPerLine;
  const int64_t top = std::min(line, scroll_max);
  // Below the last page's top the row is the line's distance from it; a page
  // holds at most 96 rows, and ClampedCaret keeps a larger distance on the page.
  const int64_t row = std::min<int64_t>(line - top, settings.LinesPerPage);
  return {static_cast<int32_t>(offset % settings.BytesPerLine), static_cast<int32_t>(row), top};
}

CaretPlace CaretShowing(const DisplaySettingsRecord& settings, int64_t scroll_max,
                        const CaretPlace& now, int64_t offset) {
  const int64_t row = offset / settings.BytesPerLine - now.top;
  if (row < 0 || row >= settings.LinesPerPage) return CaretAtOffset(settings, scroll_max, offset);
  return {static_cast<int32_t>(offset % settings.BytesPerLine), static_cast<int32_t>(row), now.top};
}

PageCell PointToCell(const DisplaySettingsRecord& settings, double x, double y) {
  int32_t column = CellIndex(x - HexColumnsLeft(settings), settings.HexCellWidth,
                             settings.BytesPerLine);
  if (column < 0) {
    column = CellIndex(x - TextColumnsLeft(settings), settings.TextCellWidth,
                       settings.BytesPerLine);
  }
  return {column, CellIndex(y - settings.TopMargin, settings.LineHeight, settings.LinesPerPage)};
}

int64_t OffsetOfPlace(const DisplaySettingsRecord& settings, const CaretPlace& place) {
  return (place.top + place.y) * settings.BytesPerLine + place.x;
}

int32_t KeyStep(int shift_mask) { return int32_t{1} << std::clamp(shift_mask, 0, 7); }

int64_t PageUpTop(const DisplaySettingsRecord& settings, int64_t top, int32_t step) {
  return top - int64_t{settings.LinesPerPage} * step + 1;
}

int64_t PageDownTop(const DisplaySettingsRecord& settings, int64_t top, int32_t step) {
  return top + int64_t{settings.LinesPerPage} * step - 1;
}

bool RejectsNextChar(int key, int32_t radix) {
  const bool digit_2_to_9 =
      (key >= kKey2 && key <= kKey9) || (key >= kNumPad0 + 2 && key <= kNumPad0 + 9);
  if (digit_2_to_9) return radix != kHexRadix && radix != kDecimalRadix;
  if (key >= kKeyA && key <= kKeyF) return radix != kHexRadix;
  if (key > kKeyF && key <= kKeyZ) return true;
  // "0" and "1" and every other key.
  return false;
}

}  // namespace vx

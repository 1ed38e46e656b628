#include "app/view/caret_geometry.h"

namespace vx {

CaretBars CaretBarsAt(const DisplaySettingsRecord& s, int32_t caret_x, int32_t caret_y) {
  const int top = s.TopMargin + caret_y * s.LineHeight;
  const int bottom = top + s.LineHeight;
  const int h = HexColumnsLeft(s) + caret_x * s.HexCellWidth;
  const int t = TextColumnsLeft(s) + caret_x * s.TextCellWidth;
  return {{h - 2, top, h, bottom, kHexCaretColour}, {t - 2, top, t, bottom, kTextCaretColour}};
}

}  // namespace vx

#include "app/view/caret_geometry.h"

namespace vx {

CaretBars CaretBarsAt(const DisplaySettingsRecord& s, int32_t caret_x, int32_t caret_y) {
  const int top = s.TopMargin + caret_y * s.LineHeight;
  const int bottom = top + s.LineHeight;
  const int h = HexColumnsLeft(s) + caret_x * s.HexCellWidth;
  const int t = TextColumnsLeft(s) + caret_x * s.TextCellWidth;
  return {{h - 2, top, h, bottom, kHexCaretColour}, {t - 2, top, t, bottom, kTextCaretColour}};
}

PageBox CaretColumnMark(const DisplaySettingsRecord& s, int32_t caret_x, int32_t caret_y,
                        CaretColumn column) {
  const int bottom = s.TopMargin + (caret_y + 1) * s.LineHeight;
  if (column == CaretColumn::Hex) {
    const int h = HexColumnsLeft(s) + caret_x * s.HexCellWidth;
    return {h, bottom - 1, h + s.HexCellWidth - 2, bottom, kHexCaretColour};
  }
  const int t = TextColumnsLeft(s) + caret_x * s.TextCellWidth;
  return {t, bottom - 1, t + s.TextCellWidth, bottom, kTextCaretColour};
}

CaretColumn ColumnAt(const DisplaySettingsRecord& s, double x) {
  return x >= HexColumnsLeft(s) + s.BytesPerLine * s.HexCellWidth ? CaretColumn::Text
                                                                  : CaretColumn::Hex;
}

}  // namespace vx

// Where the caret's two bars stand on the page: one just left of the caret
// byte's hex digits, one just left of its character.
#pragma once

#include <cstdint>

#include "app/page/dump_page.h"
#include "app/settings/display_settings.h"

namespace vx {

inline constexpr Colour kHexCaretColour = 255;   // red
inline constexpr Colour kTextCaretColour = 175;  // dark red

// Each bar is 2 pixels wide and one line high; the shell draws each box as
// an outline only (right and bottom exclusive, as for every PageBox), which at
// that width covers the whole bar.
struct CaretBars {
  PageBox hex_bar;
  PageBox text_bar;
};

CaretBars CaretBarsAt(const DisplaySettingsRecord& s, int32_t caret_x, int32_t caret_y);

// The column the caret types into: the hex digits through the byte input
// window, or the characters in the text column's encoding.
enum class CaretColumn { Hex, Text };

// The sign of the column the caret is in: a line under the caret's cell of
// that column, in the colour of its bar, one pixel high.
PageBox CaretColumnMark(const DisplaySettingsRecord& s, int32_t caret_x, int32_t caret_y,
                        CaretColumn column);

// The column a point of the page at `x` belongs to: the text column from the
// end of the hex cells on.
CaretColumn ColumnAt(const DisplaySettingsRecord& s, double x);

}  // namespace vx

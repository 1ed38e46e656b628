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

}  // namespace vx

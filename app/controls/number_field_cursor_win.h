// The mouse pointer of the number field's text box: a 32 x 32 up-and-down arrow with
// its hot spot at (15, 16), drawn here rather than loaded, so that it is the
// same wherever the program is built.
#pragma once

#include <windows.h>

namespace vx {

inline constexpr int kNumberFieldCursorSize = 32;
inline constexpr int kNumberFieldCursorHotX = 15;
inline constexpr int kNumberFieldCursorHotY = 16;

// Made the first time it is asked for; lives as long as the program.
HCURSOR NumberFieldCursor();

}  // namespace vx

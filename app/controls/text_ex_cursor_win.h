// The mouse pointer of TextEx's edit field: a 32 x 32 up-and-down arrow with
// its hot spot at (15, 16), drawn here rather than loaded, so that it is the
// same wherever the program is built.
#pragma once

#include <windows.h>

namespace vx {

inline constexpr int kTextExCursorSize = 32;
inline constexpr int kTextExCursorHotX = 15;
inline constexpr int kTextExCursorHotY = 16;

// Made the first time it is asked for; lives as long as the program.
HCURSOR TextExCursor();

}  // namespace vx

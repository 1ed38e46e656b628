// Where the number field puts its text box and its two square buttons, and which
// button a point of its surface presses. All in pixels of the surface.
#pragma once

#include "common/ui/rects.h"

namespace vx {

struct SurfaceLine {
  int x1, y1, x2, y2;  // both ends drawn
};

struct NumberFieldLayout {
  int edit_width;
  int edit_height;
  int font_points;
  PixelRect plus;
  PixelRect minus;
  SurfaceLine plus_across;
  SurfaceLine plus_upright;
  SurfaceLine minus_across;
};

// The layout of a surface whose inner area is `width` x `height` pixels of a
// display of `dpi` dots an inch: the edit field takes the left 70 %, the
// plus button the upper right, the minus button the lower right. The font's
// points follow the height the surface would have at 96 dots an inch.
NumberFieldLayout LayOutNumberField(int width, int height, int dpi = 96);

// +1 for the plus button, -1 for the minus button, 0 for neither. Each button
// takes one pixel more on every side; on the row where both then meet, minus wins.
int ButtonDirection(const NumberFieldLayout& layout, int x, int y);

}  // namespace vx

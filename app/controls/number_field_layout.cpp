#include "app/controls/number_field_layout.h"

#include <algorithm>
#include <cmath>

#include "common/ui/dpi_scale.h"

namespace vx {
namespace {

int Round(double v) { return static_cast<int>(std::lround(v)); }

// Each button takes one pixel more on every side.
constexpr int kButtonMargin = 1;

}  // namespace

NumberFieldLayout LayOutNumberField(int width, int height, int dpi) {
  const int w = width - 1;
  const int h = height - 1;
  const int left = Round(w * 0.7);
  const int plus_bottom = Round(h / 2.0 - 1);
  const int minus_top = Round(h / 2.0 + 1);
  const int plus_middle = Round((h / 2.0 - 1) / 2);
  const int upright_x = Round(w * 0.85);
  const int minus_middle = Round(h / 2.0 + 1 + h / 4.0);
  NumberFieldLayout l{};
  l.edit_width = std::max(1, Round(w * 0.7 - 1));
  l.edit_height = std::max(1, h - 1);
  // A surface too low for a readable font still gets one.
  l.font_points = std::max(1, UnscaleForDpi(height, dpi) - 1 - 6);
  l.plus = {left, 0, w - left + 1, plus_bottom + 1};
  l.minus = {left, minus_top, w - left + 1, h - minus_top + 1};
  l.plus_across = {Round(w * 0.7 + 1), plus_middle, w - 1, plus_middle};
  l.plus_upright = {upright_x, 0, upright_x, plus_bottom};
  l.minus_across = {Round(w * 0.7), minus_middle, w, minus_middle};
  return l;
}

int ButtonDirection(const NumberFieldLayout& layout, int x, int y) {
  if (layout.minus.Contains(x, y, kButtonMargin)) return -1;
  if (layout.plus.Contains(x, y, kButtonMargin)) return 1;
  return 0;
}

}  // namespace vx

#include "app/view/status_line_layout.h"

#include <algorithm>

#include "common/ui/dpi_scale.h"

namespace vx {

std::vector<PixelRect> LayOutLabelRow(const std::vector<PixelRect>& layout,
                                      const std::vector<WidestText>& widest, int dpi) {
  // Rounded down, so that rounding alone never widens a label or pushes one along.
  const auto scaled_down = [dpi](int pixels) { return std::max(0, pixels) * dpi / kBaseDpi; };
  std::vector<PixelRect> row;
  row.reserve(layout.size());
  for (size_t i = 0; i < layout.size(); ++i) {
    PixelRect r = ScaleForDpi(layout[i], dpi);
    if (i < widest.size()) {
      const WidestText& text = widest[i];
      r.width = std::max(r.width, text.width + scaled_down(layout[i].width - text.width_at_base));
    }
    if (i > 0) {
      r.x = std::max(r.x, row.back().right() + scaled_down(layout[i].x - layout[i - 1].right()));
    }
    row.push_back(r);
  }
  return row;
}

PixelRect FrameRoundRow(const PixelRect& frame_layout, const PixelRect& last_label_layout,
                        const PixelRect& last_label, int dpi) {
  PixelRect frame = ScaleForDpi(frame_layout, dpi);
  const int margin = (frame_layout.right() - last_label_layout.right()) * dpi / kBaseDpi;
  frame.width = std::max(frame.width, last_label.right() + margin - frame.x);
  return frame;
}

}  // namespace vx

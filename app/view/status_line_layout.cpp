#include "app/view/status_line_layout.h"

#include <algorithm>

#include "common/ui/dpi_scale.h"

namespace vx {

std::vector<PixelRect> LayOutLabelRow(const std::vector<PixelRect>& layout,
                                      const std::vector<int>& need, int dpi) {
  std::vector<PixelRect> row;
  row.reserve(layout.size());
  for (size_t i = 0; i < layout.size(); ++i) {
    PixelRect r = ScaleForDpi(layout[i], dpi);
    if (i < need.size()) r.width = std::max(r.width, need[i]);
    if (i > 0) {
      // Rounded down, so that rounding alone never pushes a label along.
      const int gap = (layout[i].x - layout[i - 1].right()) * dpi / kBaseDpi;
      r.x = std::max(r.x, row.back().right() + gap);
    }
    row.push_back(r);
  }
  return row;
}

PixelRect FrameRoundRow(const PixelRect& frame_layout, const PixelRect& last_label_layout,
                        const PixelRect& last_label, int dpi) {
  PixelRect frame = ScaleForDpi(frame_layout, dpi);
  const int margin = ScaleForDpi(frame_layout.right() - last_label_layout.right(), dpi);
  frame.width = std::max(frame.width, last_label.right() + margin - frame.x);
  return frame;
}

}  // namespace vx

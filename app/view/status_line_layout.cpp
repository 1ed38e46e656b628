#include "app/view/status_line_layout.h"

#include <algorithm>

#include "common/ui/dpi_scale.h"

namespace vx {
namespace {

// Room of the 96-dot layout at `dpi`, rounded down, so that rounding alone
// never widens a label or pushes one along.
int ScaledDown(int pixels, int dpi) { return std::max(0, pixels) * dpi / kBaseDpi; }

}  // namespace

std::vector<PixelRect> LayOutLabelRow(const std::vector<PixelRect>& layout,
                                      const std::vector<WidestText>& widest, int dpi) {
  std::vector<PixelRect> row;
  row.reserve(layout.size());
  for (size_t i = 0; i < layout.size(); ++i) {
    PixelRect r = ScaleForDpi(layout[i], dpi);
    if (i < widest.size()) {
      const WidestText& text = widest[i];
      r.width =
          std::max(r.width, text.width + ScaledDown(layout[i].width - text.width_at_base, dpi));
    }
    if (i > 0) {
      r.x =
          std::max(r.x, row.back().right() + ScaledDown(layout[i].x - layout[i - 1].right(), dpi));
    }
    row.push_back(r);
  }
  return row;
}

PixelRect FrameRoundRow(const PixelRect& frame_layout, const PixelRect& last_label_layout,
                        const PixelRect& last_label, int dpi) {
  PixelRect frame = ScaleForDpi(frame_layout, dpi);
  const int margin = ScaledDown(frame_layout.right() - last_label_layout.right(), dpi);
  frame.width = std::max(frame.width, last_label.right() + margin - frame.x);
  return frame;
}

}  // namespace vx

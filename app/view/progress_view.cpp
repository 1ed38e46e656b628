#include "app/view/progress_view.h"

#include <cmath>

namespace vx {

ProgressView ProgressViewFor(double value, const std::wstring& caption, int width) {
  ProgressView view;
  if (value < 0) {
    view.kind = ProgressView::Kind::Caption;
    view.caption = caption;
  } else if (value >= 1 || std::isnan(value)) {
    view.kind = ProgressView::Kind::Done;
  } else {
    view.kind = ProgressView::Kind::Bar;
    view.bar_width = static_cast<int>(value * width);
    view.percent = static_cast<int>(value * 100);
  }
  return view;
}

bool ProgressNeedsDrawing(const std::optional<ProgressView>& shown, const ProgressView& next,
                          uint32_t since_drawn_ms) {
  if (!shown) return true;
  if (*shown == next) return false;
  const bool bar_moves_on =
      shown->kind == ProgressView::Kind::Bar && next.kind == ProgressView::Kind::Bar;
  return !bar_moves_on || since_drawn_ms >= kProgressFrameMs;
}

}  // namespace vx

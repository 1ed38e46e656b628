#include "app/view/page_shape_fit.h"

#include <algorithm>

#include "app/settings/page_geometry.h"

namespace vx {
namespace {

constexpr int kMinBytesPerLine = 16;
constexpr int kMinLinesPerPage = 8;

}  // namespace

PageShape FittedPageShape(const DisplaySettingsRecord& saved, int width, int height) {
  DisplaySettingsRecord s = saved;
  if (LayOutPage(s).picture_width > width && s.BytesPerLine > kMinBytesPerLine) {
    int bytes = (s.BytesPerLine - 1) / 16 * 16;
    for (; bytes > kMinBytesPerLine; bytes -= 16) {
      s.BytesPerLine = bytes;
      if (LayOutPage(s).picture_width <= width) break;
    }
    s.BytesPerLine = std::max(bytes, kMinBytesPerLine);
  }
  if (LayOutPage(s).picture_height > height && s.LinesPerPage > kMinLinesPerPage) {
    // LayOutPage: LineHeight x LinesPerPage + TopMargin + 4.
    const int fit = (height - s.TopMargin - 4) / std::max(s.LineHeight, 1);
    s.LinesPerPage = std::clamp(fit, kMinLinesPerPage, s.LinesPerPage);
  }
  return ShapeOf(s);
}

}  // namespace vx

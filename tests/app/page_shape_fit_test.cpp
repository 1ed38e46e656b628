#include "app/view/page_shape_fit.h"

#include <gtest/gtest.h>

#include "app/settings/page_geometry.h"

namespace vx {
namespace {

TEST(FittedPageShape, LargestShapeThatFitsAndNeverBelowTheWindowsMinimum) {
  struct Case {
    const char* name;
    int bytes, lines;  // asked for
    int width, height;  // the room for the page area
    int fit_bytes, fit_lines;
  };
  // Default cells: a page is 108 + 26 x bytes wide and 6 + 12 x lines high.
  const Case cases[] = {
      {"FitsAsItIs", 16, 32, 1280, 1024, 16, 32},
      {"ExactlyFits", 48, 96, 108 + 26 * 48, 6 + 12 * 96, 48, 96},
      {"TooTallKeepsAsManyLinesAsFit", 48, 96, 1200, 850, 32, 70},
      {"OnePixelShortLosesOneLine", 16, 96, 1280, 6 + 12 * 96 - 1, 16, 95},
      {"TypedWidthGoesToTheMultipleOf16Below", 40, 32, 108 + 26 * 39, 1024, 32, 32},
      {"NothingFitsGivesTheSmallest", 48, 96, 100, 50, 16, 8},
      {"SmallShapesStayEvenWhenTooLarge", 16, 8, 10, 10, 16, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DisplaySettingsRecord s = DefaultSettings();
    s.BytesPerLine = c.bytes;
    s.LinesPerPage = c.lines;
    const PageShape fit = FittedPageShape(s, c.width, c.height);
    EXPECT_EQ(fit, (PageShape{c.fit_bytes, c.fit_lines}));
    s = WithShape(s, fit);
    if (c.fit_bytes > 16) {
      EXPECT_LE(LayOutPage(s).picture_width, c.width);
    }
    if (c.fit_lines > 8) {
      EXPECT_LE(LayOutPage(s).picture_height, c.height);
    }
  }
}

}  // namespace
}  // namespace vx

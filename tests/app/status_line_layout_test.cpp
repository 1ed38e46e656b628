#include "app/view/status_line_layout.h"

#include <gtest/gtest.h>

#include "common/ui/dpi_scale.h"

namespace vx {
namespace {

// Three labels with gaps of 2 and 10 pixels, in a frame 5 pixels wider.
const std::vector<PixelRect> kRow{{8, 30, 100, 13}, {110, 30, 60, 13}, {180, 30, 40, 13}};
const PixelRect kFrame{0, 16, 225, 33};

TEST(LayOutLabelRow, GrowsOnlyWhereATextNeedsMoreAndKeepsTheGapsAfterIt) {
  struct Case {
    const char* name;
    int dpi;
    std::vector<int> need;
    std::vector<PixelRect> want;
  };
  const Case cases[] = {
      {"EverythingFitsAt96", 96, {100, 0, 40}, kRow},
      {"EverythingFitsAt144",
       144,
       {150, 90, 60},
       {{12, 45, 150, 20}, {165, 45, 90, 20}, {270, 45, 60, 20}}},
      // The first label grows by 8: the labels after it move along by as much.
      {"FirstGrowsAt96",
       96,
       {108, 60, 40},
       {{8, 30, 108, 13}, {118, 30, 60, 13}, {188, 30, 40, 13}}},
      {"LastGrowsAt120",
       120,
       {0, 0, 58},
       {{10, 38, 125, 16}, {138, 38, 75, 16}, {225, 38, 58, 16}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<PixelRect> row = LayOutLabelRow(kRow, c.need, c.dpi);
    EXPECT_EQ(row, c.want);
    for (size_t i = 0; i < row.size(); ++i) {
      EXPECT_GE(row[i].width, c.need[i]);
      if (i > 0) {
        EXPECT_GT(row[i].x, row[i - 1].right());
      }
    }
  }
}

TEST(FrameRoundRow, KeepsTheLayoutsMarginRightOfTheLastLabel) {
  EXPECT_EQ(FrameRoundRow(kFrame, kRow.back(), kRow.back(), 96), kFrame);
  EXPECT_EQ(FrameRoundRow(kFrame, kRow.back(), ScaleForDpi(kRow.back(), 144), 144),
            ScaleForDpi(kFrame, 144));
  const PixelRect grown{225, 38, 58, 16};
  const PixelRect frame = FrameRoundRow(kFrame, kRow.back(), grown, 120);
  EXPECT_EQ(frame.x, 0);
  EXPECT_EQ(frame.right(), grown.right() + ScaleForDpi(5, 120));
}

}  // namespace
}  // namespace vx

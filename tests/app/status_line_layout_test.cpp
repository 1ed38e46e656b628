#include "app/view/status_line_layout.h"

#include <gtest/gtest.h>

#include "common/ui/dpi_scale.h"

namespace vx {
namespace {

// Three labels with gaps of 2 and 10 pixels, in a frame 5 pixels wider;
// each label's widest text leaves it 4 pixels of room at 96 dots an inch.
const std::vector<PixelRect> kRow{{8, 30, 100, 13}, {110, 30, 60, 13}, {180, 30, 40, 13}};
const PixelRect kFrame{0, 16, 225, 33};

TEST(LayOutLabelRow, GrowsOnlyWhereATextComesOutWiderThanInProportion) {
  struct Case {
    const char* name;
    int dpi;
    std::vector<WidestText> widest;
    std::vector<PixelRect> want;
  };
  const Case cases[] = {
      {"ProportionalAt96", 96, {{96, 96}, {56, 56}, {36, 36}}, kRow},
      {"ProportionalAt144",
       144,
       {{144, 96}, {84, 56}, {54, 36}},
       {{12, 45, 150, 20}, {165, 45, 90, 20}, {270, 45, 60, 20}}},
      // The first text comes out 8 pixels wider than in proportion: its label
      // keeps its room beside it, and the labels after it move along.
      {"FirstWiderAt120",
       120,
       {{128, 96}, {70, 56}, {45, 36}},
       {{10, 38, 133, 16}, {145, 38, 75, 16}, {232, 38, 50, 16}}},
      // A text wider than its layout even at 96 gets what it needs.
      {"TooWideForTheLayoutAt96",
       96,
       {{104, 104}, {56, 56}, {36, 36}},
       {{8, 30, 104, 13}, {114, 30, 60, 13}, {184, 30, 40, 13}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<PixelRect> row = LayOutLabelRow(kRow, c.widest, c.dpi);
    EXPECT_EQ(row, c.want);
    for (size_t i = 0; i < row.size(); ++i) {
      EXPECT_GE(row[i].width, c.widest[i].width);
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

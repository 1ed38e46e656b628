#include "app/page/bookmark_marks.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/settings/display_settings.h"

namespace vx {
namespace {

// Each mark lies inside its byte's hex cell and text cell, a dark stripe
// over a light one, at the scales the screen draws; bytes off the page get none.
TEST(BookmarkMarksTest, MarkTheirBytesCellsInBothColumnsAtEveryScale) {
  SetDefaultSettings();
  for (const int scale : {1, 2}) {
    DisplaySettingsRecord s = DisplaySettings;
    s.LineHeight *= scale;
    s.HexCellWidth *= scale;
    s.TextCellWidth *= scale;
    const int64_t start = 1 + 16 * 10;  // the page from the line at 0xA0
    const int64_t on_page = 0xA0 + 2 * s.BytesPerLine + 5;
    const int64_t offsets[] = {0x9F, on_page, 0xA0 + int64_t{s.LinesPerPage} * s.BytesPerLine};
    const std::vector<PageBox> boxes = BookmarkMarks(s, start, offsets);
    ASSERT_EQ(boxes.size(), 4u) << scale;
    const int top = s.TopMargin + 2 * s.LineHeight;
    const int bottom = top + s.LineHeight;
    const int cells[2][2] = {{HexColumnsLeft(s) + 5 * s.HexCellWidth, s.HexCellWidth},
                             {TextColumnsLeft(s) + 5 * s.TextCellWidth, s.TextCellWidth}};
    for (int column = 0; column < 2; ++column) {
      const PageBox& dark = boxes[2 * column];
      const PageBox& light = boxes[2 * column + 1];
      EXPECT_EQ(dark.colour, kBookmarkDark);
      EXPECT_EQ(light.colour, kBookmarkLight);
      EXPECT_EQ(light.bottom, bottom);
      EXPECT_EQ(dark.bottom, light.top);
      EXPECT_GE(dark.top, top);
      EXPECT_EQ(light.bottom - light.top, BookmarkStripe(s));
      EXPECT_EQ(dark.bottom - dark.top, BookmarkStripe(s));
      EXPECT_GE(BookmarkStripe(s), 2 * scale) << "grows with the scale";
      for (const PageBox* box : {&dark, &light}) {
        EXPECT_EQ(box->left, cells[column][0]);
        EXPECT_LT(box->right, cells[column][0] + cells[column][1]);
        EXPECT_GT(box->right, box->left);
      }
    }
  }
}

}  // namespace
}  // namespace vx

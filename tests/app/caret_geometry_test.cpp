#include "app/view/caret_geometry.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(CaretGeometry, BarsJustLeftOfTheCaretCells) {
  const DisplaySettingsRecord s = DefaultSettings();
  const CaretBars first = CaretBarsAt(s, 0, 0);
  EXPECT_EQ(first.hex_bar, (PageBox{82, 2, 84, 14, 255}));
  EXPECT_EQ(first.text_bar, (PageBox{386, 2, 388, 14, 175}));

  const CaretBars last = CaretBarsAt(s, 15, 31);
  EXPECT_EQ(last.hex_bar, (PageBox{352, 374, 354, 386, 255}));
  EXPECT_EQ(last.text_bar, (PageBox{506, 374, 508, 386, 175}));
}

TEST(CaretGeometry, TheCaretsColumnIsUnderlinedAndClicksTellTheColumn) {
  const DisplaySettingsRecord s = DefaultSettings();
  // Under the cell the caret types into, on the line's last pixel row, clear
  // of the next cell's bar.
  EXPECT_EQ(CaretColumnMark(s, 1, 0, CaretColumn::Hex), (PageBox{102, 13, 118, 14, 255}));
  EXPECT_EQ(CaretColumnMark(s, 15, 31, CaretColumn::Text), (PageBox{508, 385, 516, 386, 175}));
  // The hex cells end at 84 + 16 x 18 = 372; the gap belongs to the text.
  EXPECT_EQ(ColumnAt(s, 371.5), CaretColumn::Hex);
  EXPECT_EQ(ColumnAt(s, 372), CaretColumn::Text);
  EXPECT_EQ(ColumnAt(s, 400), CaretColumn::Text);
  EXPECT_EQ(ColumnAt(s, 10), CaretColumn::Hex);
}

}  // namespace
}  // namespace vx

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

}  // namespace
}  // namespace vx

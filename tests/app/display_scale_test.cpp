// The arithmetic of display densities: pixels of the 96-dot layout and
// twips to device pixels, and the dump's settings as the screen draws them.
#include <gtest/gtest.h>

#include "app/controls/number_field_layout.h"
#include "app/settings/display_settings.h"
#include "app/settings/page_geometry.h"
#include "common/ui/dpi_scale.h"

namespace vx {
namespace {

TEST(DisplayScale, PixelsAndTwipsAtEachDensity) {
  struct Case {
    int value, dpi, scaled, unscaled, twips;
  };
  // scaled = ScaleForDpi(value), unscaled = UnscaleForDpi(value),
  // twips = TwipsToPixelsAt(value) (value read as twips).
  const Case cases[] = {
      {0, 144, 0, 0, 0},
      {13, 96, 13, 13, 0},      // 96: nothing moves
      {241, 96, 241, 241, 16},  // twips / 15, rounded down
      {1935, 96, 1935, 1935, 129},
      {13, 120, 16, 10, 1},          // 16.25 -> 16; 10.4 -> 10
      {2, 120, 3, 2, 0},             // 2.5 -> 3: halves away from zero
      {241, 120, 301, 193, 20},      // 301.25; 192.8; 20.08
      {13, 144, 20, 9, 1},           // 19.5 -> 20; 8.67 -> 9
      {1935, 144, 2903, 1290, 193},  // 2902.5 -> 2903; 193.5 -> 193
      {-3, 144, -5, -2, 0},          // -4.5 -> -5; -2 exactly
      {13, 192, 26, 7, 1},           // 6.5 -> 7
      {2550, 192, 5100, 1275, 340},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " at " << c.dpi);
    EXPECT_EQ(ScaleForDpi(c.value, c.dpi), c.scaled);
    EXPECT_EQ(UnscaleForDpi(c.value, c.dpi), c.unscaled);
    if (c.value >= 0) {
      EXPECT_EQ(TwipsToPixelsAt(c.value, c.dpi), c.twips);
    }
  }
  EXPECT_EQ(ScaleForDpi(PixelRect{8, 31, 166, 13}, 144), (PixelRect{12, 47, 249, 20}));
  EXPECT_EQ(TwipsToPixelsAt(TwipRect{1500, 1620, 735, 255}, 96),
            PixelRect(TwipRect{1500, 1620, 735, 255}));
  EXPECT_EQ(TwipsToPixelsAt(TwipRect{1500, 1620, 735, 255}, 192), (PixelRect{200, 216, 98, 34}));
}

TEST(DisplayScale, TheScreensSettingsScaleOnlyTheirPixels) {
  SetDefaultSettings();
  const DisplaySettingsRecord s = DisplaySettings;
  EXPECT_EQ(ScaledForDpi(s, 96), s);
  const DisplaySettingsRecord big = ScaledForDpi(s, 192);
  EXPECT_EQ(big.TopMargin, 2 * s.TopMargin);
  EXPECT_EQ(big.LeftMargin, 2 * s.LeftMargin);
  EXPECT_EQ(big.LineHeight, 2 * s.LineHeight);
  EXPECT_EQ(big.HexCellWidth, 2 * s.HexCellWidth);
  EXPECT_EQ(big.TextCellWidth, 2 * s.TextCellWidth);
  EXPECT_EQ(big.AddressWidth, 2 * s.AddressWidth);
  EXPECT_EQ(big.DumpTextGap, 2 * s.DumpTextGap);
  // Points, counts and everything else stay as stored.
  DisplaySettingsRecord back = big;
  for (int32_t DisplaySettingsRecord::*field :
       {&DisplaySettingsRecord::TopMargin, &DisplaySettingsRecord::LeftMargin,
        &DisplaySettingsRecord::LineHeight, &DisplaySettingsRecord::HexCellWidth,
        &DisplaySettingsRecord::AddressWidth, &DisplaySettingsRecord::DumpTextGap,
        &DisplaySettingsRecord::TextCellWidth}) {
    back.*field = s.*field;
  }
  EXPECT_EQ(back, s);
  const PageGeometry g96 = LayOutPage(s);
  const PageGeometry g192 = LayOutPage(s, 192);
  EXPECT_EQ(g192.picture_width, 2 * g96.picture_width);
  EXPECT_EQ(g192.picture_height, 2 * g96.picture_height);
}

TEST(DisplayScale, TheNumberFieldsFontFollowsItsHeightAt96) {
  // 17 pixels high at 96 dots: 10 points, whatever the density draws it at.
  EXPECT_EQ(LayOutNumberField(47, 17).font_points, 10);
  EXPECT_EQ(LayOutNumberField(71, 26, 144).font_points, 10);
  EXPECT_EQ(LayOutNumberField(94, 34, 192).font_points, 10);
  EXPECT_EQ(LayOutNumberField(94, 34, 192).edit_width, LayOutNumberField(94, 34).edit_width);
}

}  // namespace
}  // namespace vx

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tools/artwork/artwork_drawing.h"

namespace vx::artwork {
namespace {

TEST(Artwork, TheInstallersPictureIsMadeFromItsDrawing) {
  std::ifstream in(std::string(VX_SOURCE_DIR) + "/res/installer_artwork.bmp", std::ios::binary);
  const std::vector<uint8_t> committed{std::istreambuf_iterator<char>(in),
                                       std::istreambuf_iterator<char>()};
  // When the drawing changed: ./vx icon remakes the file.
  EXPECT_TRUE(committed == BitmapFileOf(ArtworkPixels()));
}

// Both installers' effects show: the ripple stays on the dark parts (no
// blue for the setup, red below 16 for the uninstaller) and gives way to the
// picture on the light ones.
TEST(Artwork, HasDarkAndLightParts) {
  const std::vector<uint8_t> pixels = ArtworkPixels();
  ASSERT_EQ(pixels.size(), static_cast<size_t>(kSide) * kSide * 3);
  size_t dark = 0, light = 0;
  for (size_t at = 0; at < pixels.size(); at += 3) {
    dark += pixels[at] == 0 && pixels[at + 2] < 16;
    light += pixels[at] >= 1 && pixels[at + 2] >= 16;
  }
  const size_t all = pixels.size() / 3;
  EXPECT_GT(dark, all / 10);
  EXPECT_GT(light, all / 2);
}

}  // namespace
}  // namespace vx::artwork

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tools/icon/ico_file.h"
#include "tools/icon/icon_drawing.h"

namespace vx::icon {
namespace {

std::string ReadAll(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Drawing Read(const std::string& text) {
  Drawing drawing;
  std::string error;
  EXPECT_TRUE(ReadDrawing(text, drawing, error)) << error;
  return drawing;
}

uint32_t At32(const std::vector<uint8_t>& b, size_t i) {
  return b[i] | b[i + 1] << 8 | b[i + 2] << 16 | static_cast<uint32_t>(b[i + 3]) << 24;
}

TEST(Icon, TheProgramsIconIsMadeFromItsDrawing) {
  const std::string res = std::string(VX_SOURCE_DIR) + "/res/";
  const std::vector<uint8_t> made = IconFileOf(Read(ReadAll(res + "vantelox_icon.txt")));
  const std::string committed = ReadAll(res + "vantelox.ico");
  // When the drawing changed: ./vx icon remakes the file.
  EXPECT_TRUE(made == std::vector<uint8_t>(committed.begin(), committed.end()));
}

TEST(Icon, RefusesTextThatIsNoDrawingNamingTheLine) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"sizes 16\nbox #12345 0 0 48 48\n", "line 2 "},          // colour
      {"sizes 16\nbox #123456 0 0 48.25 48\n", "line 2 "},      // two decimals
      {"sizes 16\nbox #123456 0 0 49 48\n", "line 2 "},         // off the grid
      {"sizes 16\nbox #123456 10 0 10 48\n", "line 2 "},        // no width
      {"sizes 16\nbox #123456 0 0 8 8 5\n", "line 2 "},         // corners wider than the box
      {"sizes 16\nbox #123456 0 0 8 8 1 2\n", "line 2 "},       // a word too many
      {"sizes 16\nat 16;32 box #123456 0 0 8 8\n", "line 2 "},  // size list
      {"sizes 0\n", "line 1 "},
      {"# nothing\n", "needs its sizes"},
  };
  for (const auto& c : cases) {
    Drawing drawing;
    std::string error;
    EXPECT_FALSE(ReadDrawing(c.text, drawing, error)) << c.text;
    EXPECT_NE(error.find(c.error), std::string::npos) << c.text << error;
  }
}

TEST(Icon, PixelsAreTheMeanOfTheirSamplesOnTheScaledGrid) {
  const Drawing drawing = Read(
      "sizes 16\n"
      "box #FF0000 0 0 48 48 24\n"       // a disc over the whole grid
      "box #0000FF 0 0 24 48\n"          // the left half painted over
      "at 32 box #00FF00 0 0 48 48\n");  // only at 32 pixels
  const Image small = Render(drawing, 16);
  EXPECT_EQ(small.at(4, 8), (Pixel{0, 0, 255, 255}));
  EXPECT_EQ(small.at(12, 8), (Pixel{255, 0, 0, 255}));
  // Outside the disc in its corner: nothing; on its edge: partly covered.
  EXPECT_EQ(small.at(15, 0).a, 0);
  EXPECT_GT(small.at(14, 3).a, 0);
  EXPECT_LT(small.at(14, 3).a, 255);
  EXPECT_EQ(Render(drawing, 32).at(31, 0), (Pixel{0, 255, 0, 255}));

  // A box edge through the middle of a pixel: half its samples, colour whole.
  const Image half = Render(Read("sizes 16\nbox #204060 0 0 25.5 48\n"), 16);
  EXPECT_EQ(half.at(8, 5), (Pixel{0x20, 0x40, 0x60, 128}));
}

TEST(Icon, TheFileKeepsEachSizesBitmapAndMaskBottomUp) {
  const std::vector<uint8_t> ico = IconFileOf(Read("sizes 16 32\nbox #102030 0 0 24 48\n"));
  ASSERT_EQ(ico[4], 2);  // two images
  for (const size_t n : {16u, 32u}) {
    SCOPED_TRACE(n);
    const size_t entry = n == 16 ? 6 : 22;
    const uint32_t offset = At32(ico, entry + 12);
    ASSERT_EQ(ico[entry], n);
    ASSERT_EQ(At32(ico, entry + 8), 40 + n * n * 4 + n * ((n + 31) / 32 * 4));
    ASSERT_LE(offset + At32(ico, entry + 8), ico.size());
    // The left half is the box's, BGRA; the right half is transparent, and
    // so is masked.
    const size_t pixels = offset + 40, mask = pixels + n * n * 4;
    EXPECT_EQ(At32(ico, pixels), 0xFF102030u);
    EXPECT_EQ(At32(ico, pixels + (n - 1) * 4), 0u);
    EXPECT_EQ(ico[mask], 0x00);
    EXPECT_EQ(ico[mask + n / 8 - 1], 0xFF);
  }
}

}  // namespace
}  // namespace vx::icon

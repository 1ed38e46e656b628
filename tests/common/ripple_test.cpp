// The installers' animation against the formula worked out pixel by pixel.
#include "common/installer/ripple.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace vx {
namespace {

// Every kind of pixel: random bytes, a quarter of them without blue and a
// quarter with red below 16 (the uninstaller's dark pixels).
std::vector<uint8_t> MixedArtwork() {
  std::vector<uint8_t> bytes(kArtworkBytes);
  uint32_t state = 12345;
  for (uint8_t& b : bytes) {
    state = state * 1103515245 + 12345;
    b = static_cast<uint8_t>(state >> 16);
  }
  for (size_t pixel = 0; pixel < bytes.size() / 3; ++pixel) {
    if (pixel % 4 == 1) bytes[pixel * 3] = 0;
    if (pixel % 4 == 2) bytes[pixel * 3 + 2] %= 16;
  }
  return bytes;
}

uint8_t Nearest(double value) { return static_cast<uint8_t>(std::nearbyint(value)); }

// The frame as the animation is described, with nothing worked out ahead.
std::vector<uint8_t> ReferenceFrame(RippleStyle style, const std::vector<uint8_t>& source,
                                    int64_t frame_count, int progress_frames) {
  const bool uninstall = style == RippleStyle::Uninstall;
  const double u = progress_frames <= 35 ? 1 - progress_frames / 35.0 : 0;
  std::vector<uint8_t> work(kArtworkBytes);
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 256; ++x) {
      const double distance2 = (x - 128.0) * (x - 128.0) + (y - 128.0) * (y - 128.0);
      const double r = uninstall ? std::sqrt(distance2 / 4) : std::sqrt(distance2);
      const double v = std::nearbyint(static_cast<double>(x + 10 * frame_count) +
                                      (std::sin(r * 3.14 / 180 * 4) + 1) * (uninstall ? 180 : 360));
      int m = static_cast<int>(static_cast<int64_t>(v) % 511);
      if (m > 255) m = 510 - m;
      const size_t at = (static_cast<size_t>(y) * 256 + x) * 3;
      const uint8_t b = source[at], g = source[at + 1], red = source[at + 2];
      uint8_t* out = &work[at];
      if (!uninstall && b == 0) {
        out[0] = static_cast<uint8_t>(m), out[1] = 0, out[2] = 0;
      } else if (uninstall && red < 16) {
        out[0] = 0, out[1] = 0, out[2] = Nearest(m / 2.0 + 120);
      } else {
        out[0] = Nearest((1 - u) * b + u * m);
        out[1] = Nearest((1 - u) * g);
        out[2] = Nearest((1 - u) * red);
      }
    }
  }
  return work;
}

TEST(Ripple, FramesMatchTheFormulaForBothInstallers) {
  const std::vector<uint8_t> source = MixedArtwork();
  const struct {
    RippleStyle style;
    int64_t frame_count;
    int progress_frames;
  } cases[] = {
      {RippleStyle::Setup, 1, 0},        {RippleStyle::Setup, 7, 3},
      {RippleStyle::Setup, 500, 17},     {RippleStyle::Setup, 123457, 40},
      {RippleStyle::Uninstall, 1, 0},    {RippleStyle::Uninstall, 9, 35},
      {RippleStyle::Uninstall, 777, 20},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "uninstall " << (c.style == RippleStyle::Uninstall) << " frame "
                 << c.frame_count << " progress " << c.progress_frames);
    const Ripple ripple(c.style, source);
    std::vector<uint8_t> work;
    ripple.Compose(c.frame_count, c.progress_frames, work);
    const std::vector<uint8_t> expected =
        ReferenceFrame(c.style, source, c.frame_count, c.progress_frames);
    ASSERT_EQ(work.size(), expected.size());
    size_t differing = 0;
    for (size_t i = 0; i < work.size(); ++i) differing += work[i] != expected[i];
    EXPECT_EQ(differing, 0u);
  }
}

TEST(Ripple, StartsAsARippleAndEndsInTheArtworkWhereItIsLight) {
  const std::vector<uint8_t> source = MixedArtwork();
  std::vector<uint8_t> before, after;
  Ripple(RippleStyle::Setup, source).Compose(3, 0, before);
  Ripple(RippleStyle::Setup, source).Compose(90, 36, after);
  size_t light = 0;
  for (size_t at = 0; at < source.size(); at += 3) {
    EXPECT_EQ(before[at + 1] | before[at + 2], 0) << "pixel " << at / 3 << " is not blue alone";
    if (source[at] == 0) continue;
    ++light;
    EXPECT_TRUE(after[at] == source[at] && after[at + 1] == source[at + 1] &&
                after[at + 2] == source[at + 2])
        << "pixel " << at / 3;
  }
  EXPECT_GT(light, source.size() / 6);

  // The uninstaller's dark pixels stay red however far the work is.
  Ripple(RippleStyle::Uninstall, source).Compose(90, 36, after);
  for (size_t at = 0; at < source.size(); at += 3) {
    if (source[at + 2] >= 16) continue;
    EXPECT_EQ(after[at] | after[at + 1], 0);
    EXPECT_GE(after[at + 2], 120);
  }
}

TEST(Ripple, RoundsHalvesToEvenAndFadesOver35Frames) {
  for (const double v : {0.5, 1.5, 2.5, 254.5, 255.5, -0.5, 3.4999999, 7.5000001, 1e6 + 0.5}) {
    EXPECT_EQ(RoundHalfEven(v), std::nearbyint(v)) << v;
  }
  EXPECT_EQ(FadeFactor(0), 1.0);
  EXPECT_DOUBLE_EQ(FadeFactor(14), 1 - 14 / 35.0);
  EXPECT_EQ(FadeFactor(35), 0.0);
  EXPECT_EQ(FadeFactor(36), 0.0);
}

}  // namespace
}  // namespace vx

#include "common/installer/ripple.h"

#include <cmath>
#include <utility>

namespace vx {
namespace {

constexpr int kCentre = 128;
// Blue, green, red within a pixel.
constexpr int kBlue = 0;
constexpr int kGreen = 1;
constexpr int kRed = 2;
// The uninstaller's dark pixels, which keep the red ripple.
constexpr int kDarkRedBelow = 16;

uint8_t ToByte(double value) { return static_cast<uint8_t>(RoundHalfEven(value)); }

// The ripple's level 0..255 at column x of the frame: the wave moves ten
// columns a frame and folds back at 255, so the level rises and falls.
int RippleLevel(int x, int64_t frame_count, double wave) {
  const double v = RoundHalfEven(static_cast<double>(x + 10 * frame_count) + wave);
  const int m = static_cast<int>(static_cast<int64_t>(v) % 511);
  return m > 255 ? 510 - m : m;
}

}  // namespace

double RoundHalfEven(double value) {
  // Adding 1.5 * 2^52 leaves no bits for a fraction, so the sum is rounded
  // the way the processor rounds by default: to nearest, halves to even.
  constexpr double kNoFraction = 6755399441055744.0;
  return (value + kNoFraction) - kNoFraction;
}

double FadeFactor(int progress_frames) {
  if (progress_frames > kFadeFrames) return 0;
  return 1 - static_cast<double>(progress_frames) / kFadeFrames;
}

Ripple::Ripple(RippleStyle style, std::vector<uint8_t> source)
    : source_(std::move(source)), style_(style) {
  source_.resize(kArtworkBytes, 0);
  wave_.resize(static_cast<size_t>(kArtworkSide) * kArtworkSide);
  ripple_only_.resize(wave_.size());
  const bool uninstall = style == RippleStyle::Uninstall;
  const double depth = uninstall ? 180 : 360;
  for (int y = 0; y < kArtworkSide; ++y) {
    for (int x = 0; x < kArtworkSide; ++x) {
      const size_t pixel = static_cast<size_t>(y) * kArtworkSide + x;
      const int dx = x - kCentre;
      const int dy = y - kCentre;
      const double squared = dx * dx + dy * dy;
      const double r = std::sqrt(uninstall ? squared / 4 : squared);
      wave_[pixel] = (std::sin(r * 3.14 / 180 * 4) + 1) * depth;
      const uint8_t* bgr = &source_[pixel * 3];
      ripple_only_[pixel] = uninstall ? bgr[kRed] < kDarkRedBelow : bgr[kBlue] == 0;
    }
  }
}

void Ripple::Compose(int64_t frame_count, int progress_frames, std::vector<uint8_t>& work) const {
  work.resize(kArtworkBytes);
  const double u = FadeFactor(progress_frames);
  const double keep = 1 - u;
  // The artwork's share of each byte value, and the ripple's of each level.
  double artwork_part[256];
  double ripple_part[256];
  uint8_t faded[256];
  for (int i = 0; i < 256; ++i) {
    artwork_part[i] = keep * i;
    ripple_part[i] = u * i;
    faded[i] = ToByte(artwork_part[i]);
  }
  const bool uninstall = style_ == RippleStyle::Uninstall;
  for (int y = 0; y < kArtworkSide; ++y) {
    for (int x = 0; x < kArtworkSide; ++x) {
      const size_t pixel = static_cast<size_t>(y) * kArtworkSide + x;
      const int m = RippleLevel(x, frame_count, wave_[pixel]);
      const uint8_t* from = &source_[pixel * 3];
      uint8_t* to = &work[pixel * 3];
      if (ripple_only_[pixel]) {
        to[kBlue] = uninstall ? 0 : static_cast<uint8_t>(m);
        to[kGreen] = 0;
        to[kRed] = uninstall ? ToByte(m / 2.0 + 120) : 0;
      } else {
        to[kBlue] = ToByte(artwork_part[from[kBlue]] + ripple_part[m]);
        to[kGreen] = faded[from[kGreen]];
        to[kRed] = faded[from[kRed]];
      }
    }
  }
}

}  // namespace vx

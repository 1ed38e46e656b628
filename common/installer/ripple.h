// The installers' animation: a ripple over the 256 x 256 artwork that fades
// into the picture while the work advances. Everything that stays the same
// from frame to frame (the wave of each pixel, which pixels keep the ripple)
// is worked out once, so that a frame costs a few operations a pixel.
#pragma once

#include <cstdint>
#include <vector>

namespace vx {

// The artwork and the frames drawn from it: 256 rows of 256 pixels, 3 bytes
// each (blue, green, red), rows bottom-up and unpadded.
inline constexpr int kArtworkSide = 256;
inline constexpr int kArtworkRowBytes = kArtworkSide * 3;
inline constexpr int kArtworkBytes = kArtworkRowBytes * kArtworkSide;

// Frames over which the ripple fades into the artwork once the work runs.
inline constexpr int kFadeFrames = 35;

enum class RippleStyle {
  // A blue ripple; the pixels with some blue fade into the artwork.
  Setup,
  // Half the spatial frequency and half the depth; the dark pixels (red
  // below 16) keep a red ripple, the others fade as in the setup.
  Uninstall,
};

// Halves go to the even neighbour, as the animation's rounding asks.
double RoundHalfEven(double value);

// The ripple's share of a pixel: 1 before the work starts, falling to 0 at
// kFadeFrames frames and staying there.
double FadeFactor(int progress_frames);

class Ripple {
 public:
  // `source` is the artwork as described above; missing bytes read as black.
  Ripple(RippleStyle style, std::vector<uint8_t> source);

  // Writes the frame numbered frame_count, progress_frames into the work, into
  // `work` (resized to kArtworkBytes).
  void Compose(int64_t frame_count, int progress_frames, std::vector<uint8_t>& work) const;

 private:
  std::vector<uint8_t> source_;
  // (sin(r * 3.14 / 180 * 4) + 1) * depth, pixel by pixel.
  std::vector<double> wave_;
  // The pixels that show only the ripple, in the style's colour.
  std::vector<uint8_t> ripple_only_;
  RippleStyle style_;
};

}  // namespace vx

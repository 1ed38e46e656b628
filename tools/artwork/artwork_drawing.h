// The installers' artwork: a 256 x 256 picture of a byte dump under a
// magnifying glass, drawn from its geometry, and the bitmap file that holds it.
//
// The card and the byte cells are light (every colour has some blue and red
// of 16 or more); the background and the glass's rim are black. The
// installers' animation shows its ripple on the dark parts and fades into
// the picture on the light ones.
#pragma once

#include <cstdint>
#include <vector>

namespace vx::artwork {

inline constexpr int kSide = 256;

// The pixels: rows bottom-up, 3 bytes a pixel (blue, green, red).
std::vector<uint8_t> ArtworkPixels();

// A 24-bit bitmap file of such pixels.
std::vector<uint8_t> BitmapFileOf(const std::vector<uint8_t>& pixels);

}  // namespace vx::artwork

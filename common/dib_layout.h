// The layout of a device-independent bitmap's pixels, as the picture
// operations hand them over: rows bottom-up, 3 bytes a pixel (blue, green,
// red) at 24 bits, each row padded to a multiple of 4 bytes.
#pragma once

#include <cstdint>

namespace vx {

// The size of the header that describes the pixels (a BITMAPINFOHEADER).
inline constexpr int kDibHeaderBytes = 40;

// Bytes in one row of `width` pixels at `bpp` bits each.
constexpr int64_t DibRowBytes(int bpp, int width) {
  return (static_cast<int64_t>(bpp) * width + 31) / 32 * 4;
}

}  // namespace vx

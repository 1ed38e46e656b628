// Picture operations: the image of a picture area taken out as a
// device-independent bitmap, and such a bitmap drawn onto a device context.
// The pixels are laid out as dib_layout.h says; byte x of row y (counted from
// the bottom) is at y * DibRowBytes(bpp, width) + x.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace vx {

struct DibPicture {
  BITMAPINFOHEADER header{};  // its size field 0 when nothing was read
  std::vector<uint8_t> pixels;
};

// The first `rows` rows of the picture selected into `dc` (a picture area's
// persistent image) at `bits_per_pixel`, bottom-up, with the 40-byte header
// that describes them. On failure the pixels are empty and the header's
// size field 0.
DibPicture ReadSelectedPicture(HDC dc, int rows, int bits_per_pixel);

// Draws `pixels`, described by `header`, onto `dc` at (0, 0) in its full
// width and height, or stretched to `width` x `height` when they are given
// (a picture drawn for a denser display). Only pixels that carry their own
// colours (16, 24 or 32 bits, uncompressed) are drawn, and only when
// `pixels` holds every row the header promises; anything else draws nothing.
void DrawDib(HDC dc, const std::vector<uint8_t>& pixels, const BITMAPINFOHEADER& header,
             int width = 0, int height = 0);

}  // namespace vx

#include "common/dib_picture_win.h"

#include <cstdlib>
#include <utility>

#include "common/dib_layout.h"

namespace vx {
namespace {

// Room for the colour table that GetDIBits writes after the header at 8
// bits a pixel and fewer, so that it never runs past a bare header.
struct HeaderWithColours {
  BITMAPINFOHEADER header;
  RGBQUAD colours[256];
};

static_assert(sizeof(BITMAPINFOHEADER) == kDibHeaderBytes);

}  // namespace

DibPicture ReadSelectedPicture(HDC dc, int rows, int bits_per_pixel) {
  HBITMAP picture = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
  if (!picture || rows <= 0) return {};
  HeaderWithColours info{};
  info.header.biSize = kDibHeaderBytes;
  if (!GetDIBits(dc, picture, 0, rows, nullptr, reinterpret_cast<BITMAPINFO*>(&info),
                 DIB_RGB_COLORS)) {
    return {};
  }
  info.header.biBitCount = static_cast<WORD>(bits_per_pixel);
  info.header.biCompression = BI_RGB;
  info.header.biSizeImage = 0;
  // The rows handed over are the rows asked for, and the header says so.
  info.header.biHeight = rows;
  const int64_t row_bytes = DibRowBytes(bits_per_pixel, info.header.biWidth);
  if (row_bytes <= 0) return {};
  std::vector<uint8_t> pixels(static_cast<size_t>(row_bytes * rows));
  if (GetDIBits(dc, picture, 0, rows, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
                DIB_RGB_COLORS) != rows) {
    return {};
  }
  return {info.header, std::move(pixels)};
}

void DrawDib(HDC dc, const std::vector<uint8_t>& pixels, const BITMAPINFOHEADER& header, int width,
             int height) {
  BITMAPINFO info{};
  info.bmiHeader = header;
  const BITMAPINFOHEADER& h = info.bmiHeader;
  const bool own_colours = h.biBitCount == 16 || h.biBitCount == 24 || h.biBitCount == 32;
  if (h.biSize != kDibHeaderBytes || h.biCompression != BI_RGB || !own_colours || h.biWidth <= 0 ||
      h.biHeight == 0) {
    return;
  }
  const int64_t rows = std::abs(static_cast<int64_t>(h.biHeight));
  if (static_cast<int64_t>(pixels.size()) < DibRowBytes(h.biBitCount, h.biWidth) * rows) {
    return;
  }
  if ((width <= 0 || width == h.biWidth) && (height <= 0 || height == rows)) {
    SetDIBitsToDevice(dc, 0, 0, h.biWidth, static_cast<DWORD>(rows), 0, 0, 0,
                      static_cast<UINT>(rows), pixels.data(), &info, DIB_RGB_COLORS);
    return;
  }
  // Each picture pixel a block of whole pixels, no blending: sharp edges.
  const int old_mode = SetStretchBltMode(dc, COLORONCOLOR);
  StretchDIBits(dc, 0, 0, width, height, 0, 0, h.biWidth, static_cast<int>(rows), pixels.data(),
                &info, DIB_RGB_COLORS, SRCCOPY);
  SetStretchBltMode(dc, old_mode);
}

}  // namespace vx

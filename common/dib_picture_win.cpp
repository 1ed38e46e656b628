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

void GetDIBPictureBox(HDC Pict, int GetHeight, std::vector<uint8_t>& DestArray,
                      BITMAPINFOHEADER* BitmapInfoPtr, int bpp) {
  DestArray.clear();
  *BitmapInfoPtr = BITMAPINFOHEADER{};
  HBITMAP picture = static_cast<HBITMAP>(GetCurrentObject(Pict, OBJ_BITMAP));
  if (!picture || GetHeight <= 0) return;
  HeaderWithColours info{};
  info.header.biSize = kDibHeaderBytes;
  if (!GetDIBits(Pict, picture, 0, GetHeight, nullptr, reinterpret_cast<BITMAPINFO*>(&info),
                 DIB_RGB_COLORS)) {
    return;
  }
  info.header.biBitCount = static_cast<WORD>(bpp);
  info.header.biCompression = BI_RGB;
  info.header.biSizeImage = 0;
  // The rows handed over are the rows asked for, and the header says so.
  info.header.biHeight = GetHeight;
  const int64_t row_bytes = DibRowBytes(bpp, info.header.biWidth);
  if (row_bytes <= 0) return;
  std::vector<uint8_t> pixels(static_cast<size_t>(row_bytes * GetHeight));
  if (GetDIBits(Pict, picture, 0, GetHeight, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
                DIB_RGB_COLORS) != GetHeight) {
    return;
  }
  DestArray = std::move(pixels);
  *BitmapInfoPtr = info.header;
}

void SetDIBtoDC(HDC hdc, const std::vector<uint8_t>& SourceData,
                const BITMAPINFOHEADER* BitMapInfoDataPtr, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = *BitMapInfoDataPtr;
  const BITMAPINFOHEADER& h = info.bmiHeader;
  const bool own_colours = h.biBitCount == 16 || h.biBitCount == 24 || h.biBitCount == 32;
  if (h.biSize != kDibHeaderBytes || h.biCompression != BI_RGB || !own_colours || h.biWidth <= 0 ||
      h.biHeight == 0) {
    return;
  }
  const int64_t rows = std::abs(static_cast<int64_t>(h.biHeight));
  if (static_cast<int64_t>(SourceData.size()) < DibRowBytes(h.biBitCount, h.biWidth) * rows) {
    return;
  }
  if ((width <= 0 || width == h.biWidth) && (height <= 0 || height == rows)) {
    SetDIBitsToDevice(hdc, 0, 0, h.biWidth, static_cast<DWORD>(rows), 0, 0, 0,
                      static_cast<UINT>(rows), SourceData.data(), &info, DIB_RGB_COLORS);
    return;
  }
  // Each picture pixel a block of whole pixels, no blending: sharp edges.
  const int old_mode = SetStretchBltMode(hdc, COLORONCOLOR);
  StretchDIBits(hdc, 0, 0, width, height, 0, 0, h.biWidth, static_cast<int>(rows),
                SourceData.data(), &info, DIB_RGB_COLORS, SRCCOPY);
  SetStretchBltMode(hdc, old_mode);
}

}  // namespace vx

// Picture operations: the image of a picture area taken out as a
// device-independent bitmap, and such a bitmap drawn onto a device context.
// The pixels are laid out as dib_layout.h says; byte x of row y (counted from
// the bottom) is at y * DibRowBytes(bpp, width) + x.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace vx {

// Fills DestArray with GetHeight rows of the picture held by Pict (the
// device context of a picture area's persistent image, such as a
// PictureBox's dc()) at bpp bits a pixel, bottom-up, and BitmapInfoPtr with
// the 40-byte header that describes them. On failure DestArray is empty and
// the header's size field 0.
void GetDIBPictureBox(HDC Pict, int GetHeight, std::vector<uint8_t>& DestArray,
                      BITMAPINFOHEADER* BitmapInfoPtr, int bpp);

// Draws SourceData, described by the header at BitMapInfoDataPtr, onto hdc
// at (0, 0) in its full width and height, or stretched to `width` x `height`
// when they are given (a picture drawn for a denser display). Only pixels
// that carry their own colours (16, 24 or 32 bits, uncompressed) are drawn,
// and only when SourceData holds every row the header promises; anything
// else draws nothing.
void SetDIBtoDC(HDC hdc, const std::vector<uint8_t>& SourceData,
                const BITMAPINFOHEADER* BitMapInfoDataPtr, int width = 0, int height = 0);

}  // namespace vx

#include "common/ui/gdi_win.h"

namespace vx {

MemoryDc MakeMemoryDc(HDC like) {
  if (like) return MemoryDc(CreateCompatibleDC(like));
  WindowDc screen;
  return MemoryDc(CreateCompatibleDC(screen.get()));
}

Font MakeFont(const FontSpec& spec, HDC dc) {
  int height = spec.pixel_height;
  if (height == 0) {
    WindowDc screen;
    const int dpi = GetDeviceCaps(dc ? dc : screen.get(), LOGPIXELSY);
    height = -MulDiv(spec.centipoints, dpi, 7200);
  }
  return Font(CreateFontW(height, 0, 0, 0, spec.weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          spec.pitch_and_family, spec.face.c_str()));
}

Brush MakeBrush(COLORREF colour) { return Brush(CreateSolidBrush(colour)); }

Pen MakePen(COLORREF colour, int width, int style) { return Pen(CreatePen(style, width, colour)); }

}  // namespace vx

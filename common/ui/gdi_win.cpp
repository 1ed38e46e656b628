#include "common/ui/gdi_win.h"

#include "common/ui/font_faces.h"

namespace vx {

OwnedDc MakeMemoryDc(HDC like) {
  if (like) return OwnedDc(CreateCompatibleDC(like));
  WindowDc screen;
  return OwnedDc(CreateCompatibleDC(screen.get()));
}

Font MakeFont(const FontArgs& args, HDC dc) {
  int height = args.pixel_height;
  if (height == 0) {
    WindowDc screen;
    const int dpi = GetDeviceCaps(dc ? dc : screen.get(), LOGPIXELSY);
    height = -MulDiv(args.centipoints, dpi, 7200);
  }
  return Font(CreateFontW(height, 0, 0, 0, args.weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          args.pitch_and_family, args.face.c_str()));
}

Font MakeDialogFont() { return MakeFont({font_faces::kDialog, 900}); }

Font MakeFixedPitchFont(const std::wstring& face, int points) {
  return MakeFont({face, points * 100, FW_NORMAL, FIXED_PITCH | FF_MODERN});
}

Brush MakeBrush(COLORREF colour) { return Brush(CreateSolidBrush(colour)); }

Pen MakePen(COLORREF colour, int width, int style) { return Pen(CreatePen(style, width, colour)); }

}  // namespace vx

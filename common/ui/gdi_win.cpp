#include "common/ui/gdi_win.h"

#include "common/ui/font_faces.h"

namespace vx {

OwnedDc MakeMemoryDc(HDC like) {
  if (like) return OwnedDc(CreateCompatibleDC(like));
  WindowDc screen;
  return OwnedDc(CreateCompatibleDC(screen.get()));
}

Font MakeFont(const FontArgs& args, HDC dc) {
  WindowDc screen;
  return MakeFontForDpi(args, GetDeviceCaps(dc ? dc : screen.get(), LOGPIXELSY));
}

Font MakeFontForDpi(const FontArgs& args, int dpi) {
  const int height =
      args.pixel_height != 0 ? args.pixel_height : -MulDiv(args.centipoints, dpi, 7200);
  return Font(CreateFontW(height, 0, 0, 0, args.weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          args.pitch_and_family, args.face.c_str()));
}

Font MakeDialogFont(int dpi) { return MakeFontForDpi({font_faces::kDialog, 900}, dpi); }

Font MakeFixedPitchFont(const std::wstring& face, int points, int dpi) {
  return MakeFontForDpi({face, points * 100, FW_NORMAL, FIXED_PITCH | FF_MODERN}, dpi);
}

Brush MakeBrush(COLORREF colour) { return Brush(CreateSolidBrush(colour)); }

Pen MakePen(COLORREF colour, int width, int style) { return Pen(CreatePen(style, width, colour)); }

}  // namespace vx

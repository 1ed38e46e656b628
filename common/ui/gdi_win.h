// Owners for every GDI object the programs make: fonts, brushes, pens and
// bitmaps are deleted, memory and window device contexts released, and an
// object selected into a device context is put back, on every path.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

namespace vx {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Bitmap = GdiObject<HBITMAP>;

struct DcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
// A device context the program made (CreateCompatibleDC, CreateDC), deleted
// when it goes.
using OwnedDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;
// A memory device context; null `like` makes it compatible with the screen.
OwnedDc MakeMemoryDc(HDC like = nullptr);

// A window's device context (the screen's for null) for the length of a scope.
class WindowDc {
 public:
  explicit WindowDc(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// `object` selected into `dc` for the length of a scope.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~Selection() {
    if (old_) SelectObject(dc_, old_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// What a font is made of. The size is in hundredths of a point, because some
// sizes (15.75 points) are not whole; `pixel_height`, when not 0, is the
// character height in the device's own units instead.
struct FontArgs {
  std::wstring face;
  int centipoints = 900;
  int weight = FW_NORMAL;
  BYTE pitch_and_family = DEFAULT_PITCH | FF_DONTCARE;
  int pixel_height = 0;
};

// The one way the programs make a font: Shift-JIS, sized for `dc` (the
// screen for null).
Font MakeFont(const FontArgs& args, HDC dc = nullptr);
// The same for a display of `dpi` dots an inch (WindowDpi of the window that
// shows it).
Font MakeFontForDpi(const FontArgs& args, int dpi);
// The font of every dialog's controls: the dialog face at 9 points.
Font MakeDialogFont(int dpi);
// A fixed-pitch font of whole points, for the screen.
Font MakeFixedPitchFont(const std::wstring& face, int points, int dpi);

Brush MakeBrush(COLORREF colour);
Pen MakePen(COLORREF colour, int width = 1, int style = PS_SOLID);

}  // namespace vx

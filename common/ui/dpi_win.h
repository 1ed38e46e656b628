// The density of the display a window is on, and what follows from it. The
// programs declare themselves aware of each monitor's scale; the functions
// that tell a window's own density (Windows 10 1607 on) are looked up when
// first needed, so that the programs still start where they are missing, and
// the device context's dots an inch stand in for them there.
#pragma once

#include <windows.h>

#include "common/ui/dpi_scale.h"
#include "common/ui/rects.h"

namespace vx {

// The dots an inch of `window`'s display; the system's for null.
int WindowDpi(HWND window);
int SystemDpi();

// A system metric (SM_CXICON, ...) at `dpi`.
int MetricForDpi(int index, int dpi);
// The frame round a client rectangle at `dpi`.
void AdjustFrameForDpi(RECT& rect, DWORD style, bool menu, DWORD ex_style, int dpi);

// A layout in pixels of the 96-dot screen made device pixels at one density.
class DpiScale {
 public:
  explicit DpiScale(int dpi) : dpi_(dpi) {}
  explicit DpiScale(HWND window) : dpi_(WindowDpi(window)) {}
  int dpi() const { return dpi_; }
  int operator()(int pixels) const { return ScaleForDpi(pixels, dpi_); }
  PixelRect operator()(const PixelRect& r) const { return ScaleForDpi(r, dpi_); }

 private:
  int dpi_;
};

// A window's answer to WM_DPICHANGED: it takes the suggested rectangle, and
// every child keeps its place and size in proportion to the new density.
// The new density is kept with the window, so that it is the one WindowDpi
// tells from now on even where the system cannot tell it per window.
void ApplyDpiChange(HWND window, WPARAM wp, LPARAM lp);
// From now on WindowDpi tells `dpi` for `window` and its children: for a
// window made at its owner's density, on a system that cannot tell it.
void KeepDpi(HWND window, int dpi);
// Lets go of what ApplyDpiChange or KeepDpi kept, as the window goes.
void ForgetDpi(HWND window);

}  // namespace vx

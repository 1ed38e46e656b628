// Pixels at a display's real density. Layouts are written for the screen of
// 96 dots an inch (dialogs in twips, 15 to such a pixel; the main window and
// the dump's settings in its pixels); a window on a denser display gets them
// multiplied by dpi / 96, so that at 96 every number stays as written.
#pragma once

#include "common/ui/rects.h"

namespace vx {

inline constexpr int kBaseDpi = 96;
inline constexpr int kTwipsPerInch = 1440;

// `pixels` of the 96-dot layout at `dpi`, to the nearest pixel (halves away
// from zero), as MulDiv rounds.
constexpr int ScaleForDpi(int pixels, int dpi) {
  const long long n = static_cast<long long>(pixels) * dpi;
  const long long half = kBaseDpi / 2;
  return static_cast<int>(n >= 0 ? (n + half) / kBaseDpi : -((-n + half) / kBaseDpi));
}

// The other way: device pixels at `dpi` as pixels of the 96-dot layout.
constexpr int UnscaleForDpi(int pixels, int dpi) {
  if (dpi <= 0) return pixels;
  const long long n = static_cast<long long>(pixels) * kBaseDpi;
  const long long half = dpi / 2;
  return static_cast<int>(n >= 0 ? (n + half) / dpi : -((-n + half) / dpi));
}

// Twips at `dpi`: 1440 / dpi twips a pixel, whole pixels only, so that at 96
// it is exactly twips / 15.
constexpr int TwipsToPixelsAt(int twips, int dpi) {
  return static_cast<int>(static_cast<long long>(twips) * dpi / kTwipsPerInch);
}

// A layout rectangle at `dpi`: its corner and its size scaled, each rounded.
constexpr PixelRect ScaleForDpi(const PixelRect& r, int dpi) {
  return {ScaleForDpi(r.x, dpi), ScaleForDpi(r.y, dpi), ScaleForDpi(r.width, dpi),
          ScaleForDpi(r.height, dpi)};
}

// A dialog layout rectangle in twips at `dpi`.
constexpr PixelRect TwipsToPixelsAt(const TwipRect& r, int dpi) {
  return {TwipsToPixelsAt(r.x, dpi), TwipsToPixelsAt(r.y, dpi), TwipsToPixelsAt(r.width, dpi),
          TwipsToPixelsAt(r.height, dpi)};
}

}  // namespace vx

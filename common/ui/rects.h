// The rectangles of the programs' windows, one type a unit. Dialog layouts
// are written in twips (15 to a pixel on the 96-dots-an-inch screen they are
// laid out for); windows are made and drawn in pixels. A twip rectangle
// becomes pixels here and nowhere else. Printed and shown dump pages have a
// unit of their own (PageBox, app/page/dump_page.h).
#pragma once

namespace vx {

inline constexpr int kTwipsPerPixel = 15;
constexpr int TwipsToPixels(int twips) { return twips / kTwipsPerPixel; }

struct TwipSize {
  int width, height;
};

struct TwipRect {
  int x, y, width, height;
};

// Right and bottom are exclusive, as in a Win32 RECT: the rectangle covers
// x .. right() - 1 and y .. bottom() - 1.
struct PixelRect {
  int x = 0, y = 0, width = 0, height = 0;

  constexpr PixelRect() = default;
  constexpr PixelRect(int x_, int y_, int width_, int height_)
      : x(x_), y(y_), width(width_), height(height_) {}
  // Twips convert wherever pixels are asked for.
  constexpr PixelRect(const TwipRect& r)  // NOLINT(google-explicit-constructor)
      : x(TwipsToPixels(r.x)),
        y(TwipsToPixels(r.y)),
        width(TwipsToPixels(r.width)),
        height(TwipsToPixels(r.height)) {}

  constexpr int right() const { return x + width; }
  constexpr int bottom() const { return y + height; }
  // Whether (px, py) lies inside once the rectangle is widened by `margin`
  // pixels on every side.
  constexpr bool Contains(int px, int py, int margin = 0) const {
    return px >= x - margin && px < right() + margin && py >= y - margin && py < bottom() + margin;
  }
  bool operator==(const PixelRect&) const = default;
};

}  // namespace vx

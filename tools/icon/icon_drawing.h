// A drawing for the programs' icons: coloured boxes, square or with round
// corners, on a 48 x 48 grid, and the images of it at each icon size. The
// arithmetic is in integers, so every machine makes the same pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vx::icon {

inline constexpr int kGridSize = 48;
// Samples per pixel along each axis; a pixel is the mean of their square.
inline constexpr int kSamples = 8;

struct Colour {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Colour&) const = default;
};

// Coordinates in tenths of a grid unit, so that "7.5" is exact.
struct Box {
  Colour colour;
  int left = 0, top = 0, right = 0, bottom = 0;
  int radius = 0;
  std::vector<int> only_at;  // the sizes it is drawn at; empty for all
};

struct Drawing {
  std::vector<int> sizes;  // pixels, in the order the icon file lists them
  std::vector<Box> boxes;  // later boxes paint over earlier ones
};

// Reads the text form:
//   # a comment, and blank lines
//   sizes 16 32 48
//   [at N,N...] box #RRGGBB LEFT TOP RIGHT BOTTOM [RADIUS]
// Coordinates are grid units with at most one decimal. False with `error`
// naming the line when the text is not a drawing.
bool ReadDrawing(const std::string& text, Drawing& drawing, std::string& error);

struct Pixel {
  uint8_t r = 0, g = 0, b = 0, a = 0;  // straight, not premultiplied, alpha
  bool operator==(const Pixel&) const = default;
};

// size x size pixels, rows from the top.
struct Image {
  int size = 0;
  std::vector<Pixel> pixels;
  const Pixel& at(int x, int y) const { return pixels[static_cast<size_t>(y * size + x)]; }
};

Image Render(const Drawing& drawing, int size);

}  // namespace vx::icon

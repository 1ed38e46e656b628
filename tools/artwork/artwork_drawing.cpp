#include "tools/artwork/artwork_drawing.h"

#include <cmath>

namespace vx::artwork {
namespace {

constexpr int kSamples = 4;  // per pixel and direction, for smooth edges

struct Colour {
  double r, g, b;
};

constexpr Colour kBlack{0, 0, 0};
constexpr Colour kCard{236, 240, 246};
constexpr Colour kLens{214, 232, 252};
constexpr Colour kCells[] = {
    {70, 140, 230},   // blue
    {240, 150, 50},   // orange
    {90, 190, 120},   // green
    {180, 120, 220},  // violet
};

bool InRoundedBox(double x, double y, double left, double top, double right, double bottom,
                  double radius) {
  if (x < left || x > right || y < top || y > bottom) return false;
  const double cx = std::fmin(std::fmax(x, left + radius), right - radius);
  const double cy = std::fmin(std::fmax(y, top + radius), bottom - radius);
  return std::hypot(x - cx, y - cy) <= radius;
}

double DistanceToSegment(double x, double y, double x0, double y0, double x1, double y1) {
  const double dx = x1 - x0;
  const double dy = y1 - y0;
  double t = ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy);
  t = std::fmin(std::fmax(t, 0.0), 1.0);
  return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy));
}

// The colour at a point of the picture, y counted downwards.
Colour At(double x, double y) {
  constexpr double kGlassX = 172;
  constexpr double kGlassY = 176;
  const double from_glass = std::hypot(x - kGlassX, y - kGlassY);
  if (from_glass >= 34 && from_glass <= 44) return kBlack;  // the rim
  if (from_glass > 44 && DistanceToSegment(x, y, 202, 206, 238, 242) <= 7) return kBlack;
  Colour colour = kBlack;
  if (InRoundedBox(x, y, 28, 24, 228, 232, 18)) colour = kCard;
  // Six rows of four byte cells.
  for (int row = 0; row < 6; ++row) {
    for (int column = 0; column < 4; ++column) {
      const double left = 48 + column * 42;
      const double top = 44 + row * 30;
      if (InRoundedBox(x, y, left, top, left + 34, top + 20, 4)) {
        colour = kCells[(row + column) % 4];
      }
    }
  }
  if (from_glass < 34) {
    // The glass lightens what lies under it.
    colour = {(colour.r + kLens.r) / 2, (colour.g + kLens.g) / 2, (colour.b + kLens.b) / 2};
    if (colour.b < 1) colour = kLens;
  }
  return colour;
}

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> ArtworkPixels() {
  std::vector<uint8_t> pixels;
  pixels.reserve(static_cast<size_t>(kSide) * kSide * 3);
  for (int row = 0; row < kSide; ++row) {
    const int y = kSide - 1 - row;
    for (int x = 0; x < kSide; ++x) {
      Colour sum{0, 0, 0};
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const Colour c = At(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
          sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
        }
      }
      constexpr double kCount = kSamples * kSamples;
      pixels.push_back(static_cast<uint8_t>(std::lround(sum.b / kCount)));
      pixels.push_back(static_cast<uint8_t>(std::lround(sum.g / kCount)));
      pixels.push_back(static_cast<uint8_t>(std::lround(sum.r / kCount)));
    }
  }
  return pixels;
}

std::vector<uint8_t> BitmapFileOf(const std::vector<uint8_t>& pixels) {
  const uint32_t pixel_bytes = static_cast<uint32_t>(pixels.size());
  constexpr uint32_t kHeaders = 14 + 40;
  std::vector<uint8_t> bmp;
  bmp.push_back('B');
  bmp.push_back('M');
  PutLittleEndian(bmp, kHeaders + pixel_bytes, 4);
  PutLittleEndian(bmp, 0, 4);
  PutLittleEndian(bmp, kHeaders, 4);
  PutLittleEndian(bmp, 40, 4);
  PutLittleEndian(bmp, kSide, 4);
  PutLittleEndian(bmp, kSide, 4);  // positive: bottom-up rows
  PutLittleEndian(bmp, 1, 2);
  PutLittleEndian(bmp, 24, 2);
  PutLittleEndian(bmp, 0, 4);  // no compression
  PutLittleEndian(bmp, pixel_bytes, 4);
  PutLittleEndian(bmp, 2835, 4);  // 72 dots an inch
  PutLittleEndian(bmp, 2835, 4);
  PutLittleEndian(bmp, 0, 4);
  PutLittleEndian(bmp, 0, 4);
  bmp.insert(bmp.end(), pixels.begin(), pixels.end());
  return bmp;
}

}  // namespace vx::artwork

#include "app/controls/number_field_cursor_win.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <type_traits>

namespace vx {
namespace {

constexpr int kSize = kNumberFieldCursorSize;
constexpr int kRowBytes = kSize / 8;
using Plane = std::array<uint8_t, kRowBytes * kSize>;

// The black arrow: a shaft three pixels wide through the hot spot's column,
// with a head at each end, 14 pixels above and below the hot spot.
bool InArrow(int x, int y) {
  const int dx = std::abs(x - kNumberFieldCursorHotX);
  const int top = kNumberFieldCursorHotY - 14;
  const int bottom = kNumberFieldCursorHotY + 14;
  if (y < top || y > bottom) return false;
  if (y <= top + 7) return dx <= y - top;
  if (y >= bottom - 7) return dx <= bottom - y;
  return dx <= 1;
}

// A white rim around the arrow keeps it visible on dark and light ground.
bool OnRim(int x, int y) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (InArrow(x + dx, y + dy)) return true;
    }
  }
  return false;
}

size_t ByteAt(int x, int y) { return static_cast<size_t>(y * kRowBytes + x / 8); }
uint8_t BitOf(int x) { return static_cast<uint8_t>(0x80 >> (x % 8)); }

struct CursorDeleter {
  void operator()(HCURSOR c) const { DestroyCursor(c); }
};
using Cursor = std::unique_ptr<std::remove_pointer_t<HCURSOR>, CursorDeleter>;

Cursor MakeCursor() {
  // AND 1 / XOR 0 leaves the screen as it is; AND 0 paints XOR's colour.
  Plane and_plane;
  and_plane.fill(0xFF);
  Plane xor_plane{};
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      if (!OnRim(x, y)) continue;
      and_plane[ByteAt(x, y)] &= static_cast<uint8_t>(~BitOf(x));
      if (!InArrow(x, y)) xor_plane[ByteAt(x, y)] |= BitOf(x);
    }
  }
  return Cursor(CreateCursor(GetModuleHandleW(nullptr), kNumberFieldCursorHotX,
                             kNumberFieldCursorHotY, kSize, kSize, and_plane.data(),
                             xor_plane.data()));
}

}  // namespace

HCURSOR NumberFieldCursor() {
  static const Cursor cursor = MakeCursor();
  return cursor.get();
}

}  // namespace vx

// The byte input window's rules that need no window: the field's length and
// width for a radix, the text it shows for a byte, which released keys count
// as digits, and where the window goes over the caret.
#pragma once

#include <cstdint>
#include <string>

#include "app/edit/byte_text.h"
#include "app/settings/display_settings.h"

namespace vx {

// The field's maximum number of characters: 2, 3 or 8.
int32_t InputMaxLength(InputRadix radix);

// Int((font points + 1) / 2) x maximum length + 12 pixels.
int32_t InputBoxWidth(int32_t font_points, int32_t max_length);

// Hexadecimal: 2 upper-case digits; decimal: no leading zeros; binary: 8
// digits, the most significant first.
std::wstring ByteFieldText(uint8_t value, InputRadix radix);

// Whether the released key `key` (a virtual-key code) is a digit of
// `radix`, main keys or number pad; only those complete an entry.
bool IsDigitKey(int key, InputRadix radix);

// The caret's hex cell, in pixels from the page area's client origin.
struct InputTarget {
  int32_t x = 0;
  int32_t y = 0;

  bool operator==(const InputTarget&) const = default;
};
InputTarget InputTargetAt(const DisplaySettingsRecord& settings, int32_t column, int32_t row);

// The window's top edge stands this far above the cell, in pixels of the
// 96-dot layout.
inline constexpr int32_t kInputFieldOffsetY = 6;
// The field's client area begins this far left of the cell: the window's
// left edge stands the distance between its client origin and the field's,
// and this, left of it.
inline constexpr int32_t kInputFieldOffsetXExtra = 5;

}  // namespace vx

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

// Whether the released key `KeyCode` (a virtual-key code) is a digit of
// `radix`, main keys or number pad; only those complete an entry.
bool IsDigitKey(int KeyCode, InputRadix radix);

// The caret's hex cell, in pixels from the page area's client origin.
struct InputTarget {
  int32_t x = 0;
  int32_t y = 0;

  bool operator==(const InputTarget&) const = default;
};
InputTarget InputTargetAt(const DisplaySettingsRecord& s, int32_t CaretX, int32_t CaretY);

// The window's top edge stands this far above the cell; its left edge
// InputFieldOffsetX left of it.
inline constexpr int32_t kInputFieldOffsetY = 6;
// Added to the measured distance between the window's and the field's
// client origins to make InputFieldOffsetX.
inline constexpr int32_t kInputFieldOffsetXExtra = 5;

}  // namespace vx

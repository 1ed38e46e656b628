#include "app/edit/input_field.h"

#include "common/hex_digits.h"

namespace vx {
namespace {

bool IsMainDigit(int key, int highest) { return key >= '0' && key <= highest; }
// VK_NUMPAD0 is 96.
bool IsPadDigit(int key, int highest) { return key >= 96 && key <= 96 + highest - '0'; }

}  // namespace

int32_t InputMaxLength(InputRadix radix) {
  switch (radix) {
    case InputRadix::Decimal:
      return 3;
    case InputRadix::Binary:
      return 8;
    case InputRadix::Hexadecimal:
      break;
  }
  return 2;
}

int32_t InputBoxWidth(int32_t font_points, int32_t max_length) {
  return (font_points + 1) / 2 * max_length + 12;
}

std::wstring ByteFieldText(uint8_t value, InputRadix radix) {
  switch (radix) {
    case InputRadix::Decimal:
      return std::to_wstring(value);
    case InputRadix::Binary: {
      std::wstring bits;
      for (int bit = 7; bit >= 0; --bit) bits += (value >> bit) & 1 ? L'1' : L'0';
      return bits;
    }
    case InputRadix::Hexadecimal:
      break;
  }
  return {static_cast<wchar_t>(kHexDigits[value >> 4]),
          static_cast<wchar_t>(kHexDigits[value & 15])};
}

bool IsDigitKey(int key, InputRadix radix) {
  const int highest = radix == InputRadix::Binary ? '1' : '9';
  const bool digit = IsMainDigit(key, highest) || IsPadDigit(key, highest);
  const bool hex_letter = radix == InputRadix::Hexadecimal && key >= 'A' && key <= 'F';
  return digit || hex_letter;
}

InputTarget InputTargetAt(const DisplaySettingsRecord& settings, int32_t column, int32_t row) {
  return {column * settings.HexCellWidth + settings.LeftMargin + settings.AddressWidth,
          row * settings.LineHeight + settings.TopMargin};
}

}  // namespace vx

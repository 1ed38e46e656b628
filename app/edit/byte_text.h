// The value typed into the byte input window, read in its radix.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vx {

// The radixes of DisplaySettings.InputRadix.
enum class InputRadix : int32_t { Hexadecimal = 0, Decimal = 1, Binary = 2 };

// The typed value, without its window: `text` read in `radix`, or nothing when
// the text has no digit to read (empty, "-1" in hexadecimal), so that nothing
// is written that the person did not type. The value may lie outside 0 to
// 255, and one beyond signed 32 bits gives -1 (out of range all the same).
std::optional<int32_t> ParseByteText(const std::wstring& text, InputRadix radix);

// A binary text of one to eight characters: each a decimal digit (a non-digit
// counts 0, above 1 counts 1), the first the most significant, so "101" is 5.
// Nothing when no character is a digit; a longer text gives 0.
std::optional<int32_t> ParseBinaryText(const std::wstring& text);

}  // namespace vx

// The value typed into the byte input window, read in its radix.
#pragma once

#include <cstdint>
#include <string>

namespace vx {

// The radixes of DisplaySettings.InputRadix.
enum class InputRadix : int32_t { Hexadecimal = 0, Decimal = 1, Binary = 2 };

// GetIP without its window: the value of `text` in `radix`. Text without
// leading digits reads as 0; the result may lie outside 0 to 255, and a value
// beyond signed 32 bits gives -1 (out of range all the same).
int32_t ParseByteText(const std::wstring& text, InputRadix radix);

// An 8-character binary text: each character a decimal digit (a non-digit
// counts 0, above 1 counts 1), the first the most significant. Any other
// length gives 0.
int32_t Change2to10(const std::wstring& st);

}  // namespace vx

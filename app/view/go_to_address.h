// The address typed into the go-to window, read as a caret offset: plain, or
// counted from the caret with a leading "+" or "-".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

enum class AddressRadix { Hexadecimal, Decimal };

enum class AddressError { None, Empty, NotANumber };

struct GoToTarget {
  AddressError error = AddressError::None;
  // With no error: 0 to file_size; file_size is the position behind the last byte.
  int64_t offset = 0;

  bool operator==(const GoToTarget&) const = default;
};

// Reads `text` in `radix`: blanks around it are dropped, full-width forms
// count as their narrow ones, "0x" may lead a hexadecimal address, and a sign
// ("+", "-" or "−") counts from `caret`. An address at or past the end goes to
// the position behind the last byte; one before the start to the first byte.
GoToTarget ParseGoToAddress(std::wstring_view text, AddressRadix radix, int64_t caret,
                            int64_t file_size);

// An offset as the window shows it: upper-case hexadecimal or decimal.
std::wstring AddressText(int64_t offset, AddressRadix radix);

}  // namespace vx

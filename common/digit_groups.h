// Whole numbers as people read long ones: a comma between every group of
// three digits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vx {

// `value` (not negative) in decimal, zero-padded to at least `min_digits`
// digits, grouped by three: "5,368,709,120", "000,001,234".
std::wstring GroupedDigits(int64_t value, size_t min_digits = 1);

}  // namespace vx

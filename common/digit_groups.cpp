#include "common/digit_groups.h"

namespace vx {

std::wstring GroupedDigits(int64_t value, size_t min_digits) {
  std::wstring digits = std::to_wstring(value);
  if (digits.size() < min_digits) digits.insert(0, min_digits - digits.size(), L'0');
  std::wstring grouped;
  grouped.reserve(digits.size() + digits.size() / 3);
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += L',';
    grouped += digits[i];
  }
  return grouped;
}

}  // namespace vx

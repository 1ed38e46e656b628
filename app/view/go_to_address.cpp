#include "app/view/go_to_address.h"

#include <algorithm>
#include <limits>

#include "common/hex_digits.h"
#include "common/text_mapping.h"

namespace vx {
namespace {

// Numbers too large for a position read as the largest one.
constexpr int64_t kSaturated = std::numeric_limits<int64_t>::max();

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\u3000'; }

int DigitValue(wchar_t c, AddressRadix radix) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (radix == AddressRadix::Hexadecimal && c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}

}  // namespace

GoToTarget ParseGoToAddress(std::wstring_view text, AddressRadix radix, int64_t caret,
                            int64_t file_size) {
  std::wstring t = NarrowAndLower(text);
  // The minus sign of a Japanese input method is not the hyphen.
  std::replace(t.begin(), t.end(), L'\u2212', L'-');
  const auto first = std::find_if_not(t.begin(), t.end(), IsBlank);
  const auto last = std::find_if_not(t.rbegin(), t.rend(), IsBlank).base();
  std::wstring_view s(first < last ? &*first : L"", first < last ? last - first : 0);
  if (s.empty()) return {AddressError::Empty, 0};
  int sign = 0;
  if (s.front() == L'+' || s.front() == L'-') {
    sign = s.front() == L'+' ? 1 : -1;
    s.remove_prefix(1);
  }
  if (radix == AddressRadix::Hexadecimal && s.size() > 2 && s.substr(0, 2) == L"0x") {
    s.remove_prefix(2);
  }
  if (s.empty()) return {AddressError::NotANumber, 0};
  int64_t value = 0;
  for (wchar_t c : s) {
    const int digit = DigitValue(c, radix);
    if (digit < 0) return {AddressError::NotANumber, 0};
    const int base = radix == AddressRadix::Hexadecimal ? 16 : 10;
    value = value > (kSaturated - digit) / base ? kSaturated : value * base + digit;
  }
  // Counted from the caret without overflow: a step beyond either end stops there.
  int64_t target = value;
  if (sign > 0) target = value >= file_size - caret ? file_size : caret + value;
  if (sign < 0) target = value >= caret ? 0 : caret - value;
  return {AddressError::None, std::clamp<int64_t>(target, 0, file_size)};
}

std::wstring AddressText(int64_t offset, AddressRadix radix) {
  if (radix == AddressRadix::Decimal) return std::to_wstring(offset);
  std::wstring text;
  auto v = static_cast<uint64_t>(offset);
  do {
    text.insert(text.begin(), static_cast<wchar_t>(kHexDigits[v & 15]));
    v >>= 4;
  } while (v != 0);
  return text;
}

}  // namespace vx

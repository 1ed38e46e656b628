#include "app/controls/number_field_rules.h"

namespace vx {
namespace {

// Only the first five characters are read. The blank that the rule appends
// before cutting changes nothing: a blank ends a number as the text's end does.
constexpr size_t kReadCharacters = 5;

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

int64_t DivideRoundingHalfToEven(int64_t n, int64_t d) {
  int64_t q = n / d;
  int64_t r = n % d;
  if (r < 0) {  // floor, so that the remainder is never negative
    r += d;
    --q;
  }
  if (2 * r > d || (2 * r == d && (q & 1) != 0)) ++q;
  return q;
}

int32_t ParseText(std::wstring_view text) {
  const std::wstring_view s = text.substr(0, kReadCharacters);
  size_t at = s.find_first_not_of(L" \t");
  if (at == std::wstring_view::npos) return 0;
  bool negative = false;
  if (s[at] == L'+' || s[at] == L'-') negative = s[at++] == L'-';
  int64_t whole = 0;
  bool any_digit = false;
  for (; at < s.size() && IsDigit(s[at]); ++at, any_digit = true)
    whole = whole * 10 + (s[at] - L'0');
  // The fraction decides only the rounding: above, below or exactly one half.
  int fraction_vs_half = -1;
  if (at < s.size() && s[at] == L'.') {
    const size_t first = ++at;
    for (; at < s.size() && IsDigit(s[at]); ++at, any_digit = true) {
      if (at == first) {
        fraction_vs_half = s[at] > L'5' ? 1 : (s[at] == L'5' ? 0 : -1);
      } else if (fraction_vs_half == 0 && s[at] != L'0') {
        fraction_vs_half = 1;
      }
    }
  }
  if (!any_digit) return 0;
  if (fraction_vs_half > 0 || (fraction_vs_half == 0 && whole % 2 == 1)) ++whole;
  return static_cast<int32_t>(negative ? -whole : whole);
}

int32_t ClampValue(int64_t value, int32_t min, int32_t max) {
  if (value < min) return min;
  if (value > max) return max;
  return static_cast<int32_t>(value);
}

int64_t KeyStep(int direction, int32_t change_value, bool modifier_held) {
  return int64_t{direction} * change_value * (modifier_held ? 2 : 1);
}

int64_t DragSteps(int start_y, int y) {
  return DivideRoundingHalfToEven(int64_t{start_y} - y, kDragPixelsPerStep);
}

}  // namespace vx

#include "app/controls/number_field_rules.h"

namespace vx {
namespace {

// Beyond every bound: reading stops there, before the number could overflow.
constexpr int64_t kBeyondEveryBound = int64_t{1} << 32;

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\u3000'; }

// The digit's value, half- or full-width; -1 for anything else.
int DigitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'\uFF10' && c <= L'\uFF19') return c - L'\uFF10';
  return -1;
}

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

std::optional<int32_t> ReadNumber(std::wstring_view text, int32_t min, int32_t max) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == L'+' || text.front() == L'\uFF0B' || text.front() == L'-' ||
                        text.front() == L'\uFF0D')) {
    negative = text.front() == L'-' || text.front() == L'\uFF0D';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  int64_t whole = 0;
  for (const wchar_t c : text) {
    const int digit = DigitValue(c);
    if (digit < 0) return std::nullopt;
    whole = whole * 10 + digit;
    if (whole > kBeyondEveryBound) return std::nullopt;
  }
  const int64_t value = negative ? -whole : whole;
  if (value < min || value > max) return std::nullopt;
  return static_cast<int32_t>(value);
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

#include "app/edit/byte_text.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace vx {
namespace {

constexpr int64_t kMaxValue = std::numeric_limits<int32_t>::max();

bool IsDecimalDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::optional<int> HexDigit(wchar_t c) {
  if (IsDecimalDigit(c)) return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return std::nullopt;
}

// The longest leading run of hexadecimal digits.
std::optional<int32_t> ParseHexadecimal(const std::wstring& text) {
  if (text.empty() || !HexDigit(text[0])) return std::nullopt;
  int64_t value = 0;
  for (wchar_t c : text) {
    const std::optional<int> digit = HexDigit(c);
    if (!digit) break;
    value = value * 16 + *digit;
    if (value > kMaxValue) return -1;
  }
  return static_cast<int32_t>(value);
}

// A leading decimal number with an optional sign and fraction, rounded to the
// nearest integer with halves to the even neighbour. The fraction is judged
// digit by digit, so 2.5 and 2.50000000001 round as exactly as they read.
std::optional<int32_t> ParseDecimal(const std::wstring& text) {
  size_t i = 0;
  const bool negative = i < text.size() && text[i] == L'-';
  if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) ++i;
  // A digit before or right after the point: "-" or "." alone reads nothing.
  const size_t first = i < text.size() && text[i] == L'.' ? i + 1 : i;
  if (first >= text.size() || !IsDecimalDigit(text[first])) return std::nullopt;
  int64_t whole = 0;
  for (; i < text.size() && IsDecimalDigit(text[i]); ++i) {
    whole = whole * 10 + (text[i] - L'0');
    if (whole > kMaxValue) return -1;
  }
  if (i < text.size() && text[i] == L'.') {
    ++i;
    if (i < text.size() && IsDecimalDigit(text[i])) {
      const int first = text[i] - L'0';
      bool beyond_half = false;
      for (size_t j = i + 1; j < text.size() && IsDecimalDigit(text[j]); ++j) {
        beyond_half = beyond_half || text[j] != L'0';
      }
      if (first > 5 || (first == 5 && (beyond_half || whole % 2 == 1))) ++whole;
    }
  }
  if (whole > kMaxValue) return -1;
  return static_cast<int32_t>(negative ? -whole : whole);
}

}  // namespace

std::optional<int32_t> ParseByteText(const std::wstring& text, InputRadix radix) {
  switch (radix) {
    case InputRadix::Decimal:
      return ParseDecimal(text);
    case InputRadix::Binary:
      return ParseBinaryText(text);
    case InputRadix::Hexadecimal:
      break;
  }
  return ParseHexadecimal(text);
}

std::optional<int32_t> ParseBinaryText(const std::wstring& text) {
  constexpr size_t kDigits = 8;
  if (std::none_of(text.begin(), text.end(), IsDecimalDigit)) return std::nullopt;
  if (text.size() > kDigits) return 0;
  int32_t value = 0;
  for (wchar_t c : text) value = value * 2 + (IsDecimalDigit(c) && c != L'0' ? 1 : 0);
  return value;
}

}  // namespace vx

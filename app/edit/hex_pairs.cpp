#include "app/edit/hex_pairs.h"

#include <algorithm>

#include "common/hex_digits.h"
#include "common/text_mapping.h"

namespace vx {
namespace {

constexpr int64_t kPairsPerLine = 16;
// A part named in a refusal is cut here: the message stays readable.
constexpr size_t kShownPartLength = 24;

bool IsSeparator(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

int DigitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}

// Appends the bytes the pairs of `part` (narrowed, lower case) stand for;
// false when it is not a run of whole pairs.
bool AppendPairs(std::wstring_view part, std::vector<uint8_t>& bytes) {
  if (part.starts_with(L"0x")) part.remove_prefix(2);
  if (part.empty() || part.size() % 2 != 0) return false;
  for (size_t i = 0; i < part.size(); i += 2) {
    const int high = DigitValue(part[i]);
    const int low = DigitValue(part[i + 1]);
    if (high < 0 || low < 0) return false;
    bytes.push_back(static_cast<uint8_t>(high * 16 + low));
  }
  return true;
}

}  // namespace

int64_t HexPairsLength(int64_t count) {
  if (count <= 0) return 0;
  const int64_t line_ends = (count - 1) / kPairsPerLine;
  return 3 * count - 1 + line_ends;
}

size_t WriteHexPairs(std::span<const uint8_t> block, int64_t index, wchar_t* out) {
  wchar_t* at = out;
  for (const uint8_t b : block) {
    if (index > 0) {
      if (index % kPairsPerLine == 0) {
        *at++ = L'\r';
        *at++ = L'\n';
      } else {
        *at++ = L' ';
      }
    }
    *at++ = static_cast<wchar_t>(kHexDigits[b >> 4]);
    *at++ = static_cast<wchar_t>(kHexDigits[b & 0xF]);
    ++index;
  }
  return static_cast<size_t>(at - out);
}

HexPairsReading ReadHexPairs(std::wstring_view text) {
  const std::wstring narrow = NarrowAndLower(text);
  // The refused part is named as it was written where the narrowing kept
  // every character in its place.
  const std::wstring_view shown = narrow.size() == text.size() ? text : narrow;
  HexPairsReading reading;
  size_t i = 0;
  while (i < narrow.size()) {
    if (IsSeparator(narrow[i])) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < narrow.size() && !IsSeparator(narrow[end])) ++end;
    if (!AppendPairs(std::wstring_view(narrow).substr(i, end - i), reading.bytes)) {
      reading.bytes.clear();
      reading.not_understood = std::wstring(shown.substr(i, std::min(end - i, kShownPartLength)));
      if (end - i > kShownPartLength) reading.not_understood += L"…";
      return reading;
    }
    i = end;
  }
  return reading;
}

}  // namespace vx

#include "app/search/search_text.h"

#include <algorithm>
#include <string>

#include "common/code_page.h"
#include "common/text_mapping.h"

namespace vx {
namespace {

bool IsHexDigit(wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f'); }

int HexValue(wchar_t c) { return c <= L'9' ? c - L'0' : c - L'a' + 10; }

PatternRefusal BytesFromValues(std::wstring_view typed, std::vector<uint8_t>& pattern) {
  const std::wstring text = NarrowAndLower(typed);
  for (wchar_t c : text) {
    if (c != L' ' && !IsHexDigit(c)) return PatternRefusal::OutsideRules;
  }
  if (text.empty()) return PatternRefusal::NoData;
  pattern.clear();
  size_t begin = 0;
  while (true) {
    const size_t end = std::min(text.find(L' ', begin), text.size());
    if (end - begin > 2) return PatternRefusal::BeyondByte;
    int value = 0;
    for (size_t i = begin; i < end; ++i) value = value * 16 + HexValue(text[i]);
    pattern.push_back(static_cast<uint8_t>(value));
    if (end == text.size()) return PatternRefusal::None;
    begin = end + 1;
  }
}

}  // namespace

PatternRefusal PatternFromText(std::wstring_view text, SearchTarget target,
                               std::vector<uint8_t>& pattern) {
  if (target == SearchTarget::Bytes) return BytesFromValues(text, pattern);
  if (text.empty()) return PatternRefusal::NoData;
  const std::string bytes = ToShiftJis(text);
  pattern.assign(bytes.begin(), bytes.end());
  return PatternRefusal::None;
}

}  // namespace vx

#include "app/search/search_text.h"

#include <algorithm>
#include <string>

#include "common/code_page.h"
#include "common/text_mapping.h"

namespace vx {
namespace {

bool IsHexDigit(wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f'); }

int HexValue(wchar_t c) { return c <= L'9' ? c - L'0' : c - L'a' + 10; }

int32_t BytesFromValues(std::wstring_view typed, std::vector<uint8_t>& By) {
  const std::wstring text = NarrowAndLower(typed);
  for (wchar_t c : text) {
    if (c != L' ' && !IsHexDigit(c)) return kOutsideRules;
  }
  if (text.empty()) return kNoData;
  By.clear();
  size_t begin = 0;
  while (true) {
    const size_t end = std::min(text.find(L' ', begin), text.size());
    if (end - begin > 2) return kBeyondByte;
    int value = 0;
    for (size_t i = begin; i < end; ++i) value = value * 16 + HexValue(text[i]);
    By.push_back(static_cast<uint8_t>(value));
    if (end == text.size()) return 0;
    begin = end + 1;
  }
}

}  // namespace

int32_t GetByteFromText(std::wstring_view text, SearchTarget target, std::vector<uint8_t>& By) {
  if (target == SearchTarget::Bytes) return BytesFromValues(text, By);
  if (text.empty()) return kNoData;
  const std::string bytes = ToShiftJis(text);
  By.assign(bytes.begin(), bytes.end());
  return 0;
}

}  // namespace vx

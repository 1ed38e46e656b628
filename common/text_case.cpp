#include "common/text_case.h"

namespace vx {

wchar_t LowerChar(wchar_t c) {
  if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c - L'A' + L'a');
  if (c >= L'Ａ' && c <= L'Ｚ') return static_cast<wchar_t>(c - L'Ａ' + L'ａ');
  return c;
}

std::wstring LowerCase(std::wstring_view text) {
  std::wstring out(text);
  for (wchar_t& c : out) c = LowerChar(c);
  return out;
}

bool SameName(std::wstring_view a, std::wstring_view b) { return LowerCase(a) == LowerCase(b); }

}  // namespace vx

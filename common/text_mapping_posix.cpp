// Covers what a search text of byte values can hold: the full-width ASCII
// block U+FF01..U+FF5E, the ideographic space and ASCII letters. It leaves
// alone what the system's mapping would also narrow or fold (full-width
// katakana, U+FFE0..U+FFEE, letters outside ASCII); such characters are
// refused by the byte-value rules either way.
#include "common/text_case.h"
#include "common/text_mapping.h"

namespace vx {
namespace {

wchar_t Narrow(wchar_t c) {
  if (c >= L'\uFF01' && c <= L'\uFF5E') return static_cast<wchar_t>(c - 0xFF01 + 0x21);
  if (c == L'\u3000') return L' ';
  return c;
}

}  // namespace

std::wstring NarrowAndLower(std::wstring_view text) {
  std::wstring out(text);
  for (wchar_t& c : out) c = LowerChar(Narrow(c));
  return out;
}

}  // namespace vx

#include <windows.h>

#include "common/text_mapping.h"

namespace vx {
namespace {
// Japanese whatever the system locale, like every other byte-level text here.
const LCID kJapanese = MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), SORT_DEFAULT);
constexpr DWORD kFlags = LCMAP_HALFWIDTH | LCMAP_LOWERCASE;
}  // namespace

std::wstring NarrowAndLower(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int n = LCMapStringW(kJapanese, kFlags, text.data(), length, nullptr, 0);
  if (n <= 0) return std::wstring(text);
  std::wstring out(static_cast<size_t>(n), L'\0');
  LCMapStringW(kJapanese, kFlags, text.data(), length, out.data(), n);
  return out;
}

}  // namespace vx

#include "common/code_page.h"

#include <windows.h>

namespace vx {
namespace {
constexpr UINT kShiftJis = 932;
}

std::string ToShiftJis(std::wstring_view text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(kShiftJis, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(kShiftJis, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

std::wstring FromShiftJis(std::string_view bytes) {
  if (bytes.empty()) return {};
  // No byte gives more than one UTF-16 unit, so one call converts: the page
  // converts every cell of every repaint.
  std::wstring out(bytes.size(), L'\0');
  const int n = MultiByteToWideChar(kShiftJis, 0, bytes.data(), static_cast<int>(bytes.size()),
                                    out.data(), static_cast<int>(out.size()));
  out.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return out;
}

}  // namespace vx

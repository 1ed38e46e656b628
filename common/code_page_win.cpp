#include <windows.h>

#include "common/code_page.h"

namespace vx {

std::string ToShiftJis(std::wstring_view text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(kShiftJisCodePage, 0, text.data(),
                                    static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(kShiftJisCodePage, 0, text.data(), static_cast<int>(text.size()), out.data(),
                      n, nullptr, nullptr);
  return out;
}

std::wstring FromShiftJis(std::string_view bytes) { return FromCodePage(bytes, kShiftJisCodePage); }

std::optional<std::string> ToCodePage(std::wstring_view text, unsigned code_page) {
  if (text.empty()) return std::string();
  // UTF-8 knows no default character: an invalid character (a lone
  // surrogate) fails the call instead. Every other page says whether it
  // had to put its default character anywhere.
  const bool utf8 = code_page == kUtf8CodePage;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL defaulted = FALSE;
  BOOL* const used_default = utf8 ? nullptr : &defaulted;
  const int length = static_cast<int>(text.size());
  const int n =
      WideCharToMultiByte(code_page, flags, text.data(), length, nullptr, 0, nullptr, used_default);
  if (n <= 0 || defaulted) return std::nullopt;
  std::string out(static_cast<size_t>(n), '\0');
  if (WideCharToMultiByte(code_page, flags, text.data(), length, out.data(), n, nullptr,
                          used_default) != n ||
      defaulted) {
    return std::nullopt;
  }
  return out;
}

std::wstring FromCodePage(std::string_view bytes, unsigned code_page) {
  if (bytes.empty()) return {};
  // No byte of these pages gives more than one UTF-16 unit, so one call
  // converts: the page converts every cell of every repaint.
  std::wstring out(bytes.size(), L'\0');
  const int n = MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()),
                                    out.data(), static_cast<int>(out.size()));
  out.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return out;
}

}  // namespace vx

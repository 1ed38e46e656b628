#include <iconv.h>

#include <cerrno>

#include "common/code_page.h"

namespace vx {
namespace {

// Converts with iconv, replacing what cannot be converted one unit at a time.
template <typename Out, typename In>
Out Convert(const char* to, const char* from, const In* data, size_t count, size_t unit,
            const Out& replacement) {
  Out out;
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return out;
  auto* in = const_cast<char*>(reinterpret_cast<const char*>(data));
  size_t in_left = count * unit;
  char buffer[256];
  while (in_left > 0) {
    char* next = buffer;
    size_t room = sizeof buffer;
    const size_t converted = iconv(converter, &in, &in_left, &next, &room);
    out.append(reinterpret_cast<const typename Out::value_type*>(buffer),
               (sizeof buffer - room) / sizeof(typename Out::value_type));
    if (converted == static_cast<size_t>(-1) && errno != E2BIG) {
      out += replacement;
      in += unit;
      in_left -= unit;
    }
  }
  iconv_close(converter);
  return out;
}

}  // namespace

std::string ToShiftJis(std::wstring_view text) {
  return Convert<std::string>("CP932", "WCHAR_T", text.data(), text.size(), sizeof(wchar_t),
                              std::string("?"));
}

std::wstring FromShiftJis(std::string_view bytes) {
  // The ASCII range is the same in code page 932; most names need no converter.
  bool ascii = true;
  for (const char c : bytes) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return std::wstring(bytes.begin(), bytes.end());
  return Convert<std::wstring>("WCHAR_T", "CP932", bytes.data(), bytes.size(), 1,
                               std::wstring(1, L'\u30FB'));
}

}  // namespace vx

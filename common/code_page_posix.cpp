#include <iconv.h>

#include <cerrno>

#include "common/code_page.h"

namespace vx {
namespace {

// iconv's name of a code page. The system's ANSI page is 932 here, as on
// the Japanese systems the program is made for and in its Wine prefix.
const char* IconvName(unsigned code_page) {
  switch (code_page) {
    case kWindows1252CodePage:
      return "CP1252";
    case kEucJpCodePage:
      return "EUC-JP";
    case kUtf8CodePage:
      return "UTF-8";
    default:
      return "CP932";
  }
}

// Converts with iconv. With a `replacement`, what cannot be converted is
// replaced one unit at a time; without one, it makes the conversion fail.
template <typename Out, typename In>
std::optional<Out> Convert(const char* to, const char* from, const In* data, size_t count,
                           const std::optional<Out>& replacement) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::optional<Out> out(std::in_place);
  auto* in = const_cast<char*>(reinterpret_cast<const char*>(data));
  size_t in_left = count * sizeof(In);
  char buffer[256];
  while (in_left > 0) {
    char* next = buffer;
    size_t room = sizeof buffer;
    const size_t converted = iconv(converter, &in, &in_left, &next, &room);
    out->append(reinterpret_cast<const typename Out::value_type*>(buffer),
                (sizeof buffer - room) / sizeof(typename Out::value_type));
    if (converted == static_cast<size_t>(-1) && errno != E2BIG) {
      if (!replacement) {
        out.reset();
        break;
      }
      *out += *replacement;
      in += sizeof(In);
      in_left -= sizeof(In);
    }
  }
  iconv_close(converter);
  return out;
}

}  // namespace

std::string ToShiftJis(std::wstring_view text) {
  return Convert<std::string>("CP932", "WCHAR_T", text.data(), text.size(), std::string("?"))
      .value_or(std::string());
}

std::wstring FromShiftJis(std::string_view bytes) { return FromCodePage(bytes, kShiftJisCodePage); }

std::optional<std::string> ToCodePage(std::wstring_view text, unsigned code_page) {
  return Convert<std::string>(IconvName(code_page), "WCHAR_T", text.data(), text.size(),
                              std::nullopt);
}

std::wstring FromCodePage(std::string_view bytes, unsigned code_page) {
  // The ASCII range is the same in every page here; most texts need no converter.
  bool ascii = true;
  for (const char c : bytes) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return std::wstring(bytes.begin(), bytes.end());
  // What the system puts for a byte that forms no character: a middle dot
  // in Shift-JIS, the replacement character elsewhere.
  const bool shift_jis = code_page == kShiftJisCodePage || code_page == kSystemAnsiCodePage;
  const wchar_t replacement = shift_jis ? L'\u30FB' : L'\uFFFD';
  return Convert<std::wstring>("WCHAR_T", IconvName(code_page), bytes.data(), bytes.size(),
                               std::wstring(1, replacement))
      .value_or(std::wstring());
}

}  // namespace vx

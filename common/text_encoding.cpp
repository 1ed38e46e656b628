// UTF-16 is done here by hand: the system's WideCharToMultiByte converts to
// single- and multi-byte pages only (1200 and 1201 are names, not
// converters), and the text is UTF-16 already on Windows, so only the byte
// order and, where wchar_t holds 32 bits, the surrogate pairs are work.
#include "common/text_encoding.h"

#include <cstdint>
#include <iterator>

#include "common/code_page.h"
#include "common/text_encoding_texts.h"

namespace vx {
namespace {

namespace t = text_encoding_texts;

constexpr TextEncodingEntry kEncodings[] = {
    {TextEncoding::ShiftJis, t::kShiftJis, kShiftJisCodePage},
    {TextEncoding::SystemAnsi, t::kSystemAnsi, kSystemAnsiCodePage},
    {TextEncoding::Windows1252, t::kWindows1252, kWindows1252CodePage},
    {TextEncoding::EucJp, t::kEucJp, kEucJpCodePage},
    {TextEncoding::Utf8, t::kUtf8, kUtf8CodePage},
    {TextEncoding::Utf16Le, t::kUtf16Le, 1200},
    {TextEncoding::Utf16Be, t::kUtf16Be, 1201},
};

// EncodingEntry looks an encoding up by its number.
constexpr bool InEnumOrder() {
  for (size_t i = 0; i < std::size(kEncodings); ++i) {
    if (static_cast<size_t>(kEncodings[i].encoding) != i) return false;
  }
  return true;
}
static_assert(InEnumOrder());

constexpr char32_t kReplacement = U'\uFFFD';

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void AppendUnit(std::string& out, char16_t unit, bool big_endian) {
  const char high = static_cast<char>(unit >> 8);
  const char low = static_cast<char>(unit & 0xFF);
  out += big_endian ? high : low;
  out += big_endian ? low : high;
}

std::optional<std::string> EncodeUtf16(std::wstring_view text, bool big_endian) {
  std::string out;
  out.reserve(2 * text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char32_t c = static_cast<char32_t>(text[i]);
    if (IsHighSurrogate(c) && i + 1 < text.size() &&
        IsLowSurrogate(static_cast<char32_t>(text[i + 1]))) {
      // A pair, as a 16-bit wchar_t holds a character beyond U+FFFF.
      AppendUnit(out, static_cast<char16_t>(c), big_endian);
      AppendUnit(out, static_cast<char16_t>(text[++i]), big_endian);
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c) || c > 0x10FFFF) {
      return std::nullopt;
    } else if (c > 0xFFFF) {
      AppendUnit(out, static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)), big_endian);
      AppendUnit(out, static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)), big_endian);
    } else {
      AppendUnit(out, static_cast<char16_t>(c), big_endian);
    }
  }
  return out;
}

void AppendChar(std::wstring& out, char32_t c) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (c > 0xFFFF) {
      out += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
      return;
    }
  }
  out += static_cast<wchar_t>(c);
}

std::wstring DecodeUtf16(std::string_view bytes, bool big_endian) {
  auto unit = [&](size_t i) {
    const auto first = static_cast<uint8_t>(bytes[2 * i]);
    const auto second = static_cast<uint8_t>(bytes[2 * i + 1]);
    return static_cast<char32_t>(big_endian ? (first << 8 | second) : (second << 8 | first));
  };
  const size_t units = bytes.size() / 2;
  std::wstring out;
  out.reserve(units + 1);
  for (size_t i = 0; i < units; ++i) {
    const char32_t c = unit(i);
    if (IsHighSurrogate(c) && i + 1 < units && IsLowSurrogate(unit(i + 1))) {
      AppendChar(out, 0x10000 + ((c - 0xD800) << 10) + (unit(++i) - 0xDC00));
    } else {
      AppendChar(out, IsHighSurrogate(c) || IsLowSurrogate(c) ? kReplacement : c);
    }
  }
  if (bytes.size() % 2 != 0) AppendChar(out, kReplacement);  // half a unit at the end
  return out;
}

}  // namespace

std::span<const TextEncodingEntry> TextEncodings() { return kEncodings; }

const TextEncodingEntry& EncodingEntry(TextEncoding encoding) {
  return kEncodings[static_cast<size_t>(encoding)];
}

std::optional<std::string> EncodeText(std::wstring_view text, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf16Le:
      return EncodeUtf16(text, false);
    case TextEncoding::Utf16Be:
      return EncodeUtf16(text, true);
    default:
      return ToCodePage(text, EncodingEntry(encoding).code_page);
  }
}

std::wstring DecodeText(std::string_view bytes, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf16Le:
      return DecodeUtf16(bytes, false);
    case TextEncoding::Utf16Be:
      return DecodeUtf16(bytes, true);
    default:
      return FromCodePage(bytes, EncodingEntry(encoding).code_page);
  }
}

}  // namespace vx

// The text encodings a person may choose, for the text column and for text
// searched for: each one's name and code page, and the conversions both ways.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vx {

enum class TextEncoding { ShiftJis, SystemAnsi, Windows1252, EucJp, Utf8, Utf16Le, Utf16Be };

struct TextEncodingEntry {
  TextEncoding encoding;
  const wchar_t* name;  // as a menu shows it
  unsigned code_page;   // the system's number
};

// Every encoding, in the order a menu lists them.
std::span<const TextEncodingEntry> TextEncodings();
const TextEncodingEntry& EncodingEntry(TextEncoding encoding);

// The bytes of `text` in `encoding`, or none when a character has no form
// in it: nothing is replaced by "?" or by a look-alike, and a lone surrogate
// has no form in any Unicode encoding.
std::optional<std::string> EncodeText(std::wstring_view text, TextEncoding encoding);
// The characters of `bytes`; what forms no character becomes a replacement
// character (U+FFFD, or the system's own for the page), never nothing.
std::wstring DecodeText(std::string_view bytes, TextEncoding encoding);

}  // namespace vx

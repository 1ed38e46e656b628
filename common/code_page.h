// The system's code pages. Shift-JIS (code page 932) is the byte-level text
// of this program whatever the system locale: the dump's text column by
// default, the text fields of the settings file. Other pages serve the
// encodings a person may choose (common/text_encoding.h). The Win32 twin uses
// the system's converter, the POSIX twin iconv.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vx {

// Characters without a Shift-JIS form become "?".
std::string ToShiftJis(std::wstring_view text);
// Bytes that form no character become the converter's replacement character.
std::wstring FromShiftJis(std::string_view bytes);

// The code pages beyond Shift-JIS, by the system's numbers.
inline constexpr unsigned kSystemAnsiCodePage = 0;  // CP_ACP
inline constexpr unsigned kShiftJisCodePage = 932;
inline constexpr unsigned kWindows1252CodePage = 1252;
inline constexpr unsigned kEucJpCodePage = 20932;
inline constexpr unsigned kUtf8CodePage = 65001;

// The bytes of `text` in `code_page`, or none when a character has no form
// there: nothing is replaced and no look-alike ("best fit") is taken, and a
// lone surrogate has no form in UTF-8. A single- or multi-byte page only.
std::optional<std::string> ToCodePage(std::wstring_view text, unsigned code_page);
// The characters of `bytes` in `code_page`; bytes that form no character
// become the converter's replacement character, one for each.
std::wstring FromCodePage(std::string_view bytes, unsigned code_page);

}  // namespace vx

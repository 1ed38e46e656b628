// The fixed-length text fields of the settings record ("BackUpSuffix",
// "FontName"): Shift-JIS on disk, cut to their byte count without ever
// keeping half of a double-byte character.
//
// A field may hold bytes that form no Shift-JIS character (another tool, a
// hand, a damaged file). Each such byte is kept in the text as the code unit
// U+DC00 + byte, which no conversion from Shift-JIS ever yields, and written
// back as that byte: a field reads back the same after every save.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vx {

// The text of a field's bytes: each Shift-JIS character as itself, each
// other byte as U+DC00 + byte.
std::wstring DecodeTextField(std::string_view bytes);

// `text` in Shift-JIS (U+DC00 + byte as that byte), cut before a character
// that would not fit whole into `width` bytes, then padded with blanks to
// exactly `width` bytes.
std::string FitShiftJis(std::wstring_view text, size_t width);

// `text` as the field of `width` bytes keeps it, in memory: what the file
// will hold, padded with blanks to `width` characters.
std::wstring FitTextField(std::wstring_view text, size_t width);

}  // namespace vx

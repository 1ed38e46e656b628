// The fixed-length text fields of the settings record ("BackUpSuffix",
// "FontName"): Shift-JIS on disk, cut to their byte count without ever
// keeping half of a double-byte character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vx {

// `text` in Shift-JIS, cut before a character that would not fit whole into
// `width` bytes, then padded with blanks to exactly `width` bytes.
std::string FitShiftJis(std::wstring_view text, size_t width);

// `text` as the field of `width` bytes keeps it, in memory: what the file
// will hold, padded with blanks to `width` characters.
std::wstring FitTextField(std::wstring_view text, size_t width);

}  // namespace vx

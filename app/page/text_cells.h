// The text column's cells in an encoding other than Shift-JIS: each character
// drawn whole in the cell of its first byte, its other bytes as blank cells
// (as the second half of a Shift-JIS pair always was), and every byte that
// starts no character as one placeholder. A character never takes a byte
// the cells do not hold: one cut by the page's end, or by the file's, is
// bytes that form no character.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/text_encoding.h"

namespace vx {

// A byte that forms no character: the half-width middle dot, one cell wide.
inline constexpr wchar_t kNoCharacterCell[] = L"\uFF65";
// The cell of a byte after a character's first.
inline constexpr wchar_t kCharacterRestCell[] = L" ";
// A control byte (below 0x20, and 0x7F) where the option shows them so.
inline constexpr wchar_t kControlCell[] = L".";
// Without the option the font draws a control character as a box; a copy
// of the column's text writes this box for it, never the character itself.
inline constexpr wchar_t kControlBox[] = L"\u25A1";

// The cells of `bytes`, the first at the file's offset `first_offset`
// (UTF-16 units start at even offsets). With `control_dots` a character
// below U+0020, or U+007F, is drawn as kControlCell.
std::vector<std::wstring> TextCells(TextEncoding encoding, std::span<const uint8_t> bytes,
                                    int64_t first_offset, bool control_dots);

// Whether a character is a control character the option draws as a dot.
bool IsControlCharacter(std::wstring_view character);

}  // namespace vx

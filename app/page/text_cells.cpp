#include "app/page/text_cells.h"

#include "app/page/column_characters.h"

namespace vx {

bool IsControlCharacter(std::wstring_view character) {
  return character.size() == 1 && (character[0] < 0x20 || character[0] == 0x7F);
}

std::vector<std::wstring> TextCells(TextEncoding encoding, std::span<const uint8_t> bytes,
                                    int64_t first_offset, bool control_dots) {
  std::vector<std::wstring> cells(bytes.size());
  const bool units = encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be;
  size_t i = 0;
  // A unit begun before the first cell leaves its second byte alone.
  if (units && first_offset % 2 != 0 && !cells.empty()) cells[i++] = kNoCharacterCell;
  const size_t longest = static_cast<size_t>(LongestCharacter(encoding));
  while (i < cells.size()) {
    const std::optional<ReadCharacter> read =
        ReadEncodedCharacter(encoding, bytes.subspan(i, std::min(longest, cells.size() - i)));
    if (!read) {
      cells[i] = kNoCharacterCell;
      // Half a unit at the end, or a unit that is no character: both bytes.
      if (units && i + 1 < cells.size()) cells[++i] = kNoCharacterCell;
      ++i;
      continue;
    }
    cells[i] =
        control_dots && IsControlCharacter(read->text) ? std::wstring(kControlCell) : read->text;
    for (int rest = 1; rest < read->length; ++rest) cells[i + rest] = kCharacterRestCell;
    i += static_cast<size_t>(read->length);
  }
  return cells;
}

}  // namespace vx

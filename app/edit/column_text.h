// Bytes as the dump's text column shows them, as plain text: Shift-JIS pairs
// as their characters, every other byte on its own; or in another encoding,
// its characters, and a placeholder for each byte that starts none. Decoded a block at a
// time, so that a copy never holds the file's bytes beside its text; a pair
// split between two blocks is still one character. A control character is
// written as the column shows it (its dot, or the box the font draws), since
// a raw CR, LF, TAB or DEL would be taken as layout by whoever pastes it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/text_encoding.h"

namespace vx {

class ColumnTextDecoder {
 public:
  // The bytes read from the file's offset `first_offset` on (UTF-16 units
  // start at even offsets); `control_dots` as the column's option.
  explicit ColumnTextDecoder(TextEncoding encoding = TextEncoding::ShiftJis,
                             int64_t first_offset = 0, bool control_dots = false)
      : encoding_(encoding), offset_(first_offset), control_dots_(control_dots) {}
  // The next block's text appended to `text`.
  void Append(std::span<const uint8_t> block, std::wstring& text);
  // The last block's lead byte, when it found no partner, appended alone.
  void Finish(std::wstring& text);

 private:
  // Another encoding's characters from `held_` on; with `finish` the last
  // bytes too, else those that may begin a character cut by the block's end
  // stay held.
  void DecodeHeld(std::wstring& text, bool finish);

  // The character as the copy writes it.
  std::wstring_view Shown(std::wstring_view character) const;

  TextEncoding encoding_;
  int64_t offset_;
  bool control_dots_;
  std::optional<uint8_t> held_lead_;
  std::vector<uint8_t> held_;
};

}  // namespace vx

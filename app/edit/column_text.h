// Bytes as the dump's text column shows them, as plain text: Shift-JIS pairs
// as their characters, every other byte on its own. Decoded a block at a
// time, so that a copy never holds the file's bytes beside its text; a pair
// split between two blocks is still one character.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace vx {

class ColumnTextDecoder {
 public:
  // The next block's text appended to `text`.
  void Append(std::span<const uint8_t> block, std::wstring& text);
  // The last block's lead byte, when it found no partner, appended alone.
  void Finish(std::wstring& text);

 private:
  std::optional<uint8_t> held_lead_;
};

}  // namespace vx

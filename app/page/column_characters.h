// One character of the text column at a time: read from the bytes at a place
// of the file, or written as the bytes the column's encoding gives it. The
// inspector's character row and typing into the text column use these.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vx {

// A character read from the start of some bytes, and how many bytes it took.
struct ReadCharacter {
  std::wstring text;
  int length = 0;

  bool operator==(const ReadCharacter&) const = default;
};

// How an encoding reads and writes one character: the character at the
// start of `bytes` (none when they form none or are cut short), and the bytes
// of a character (none when the encoding has none for it).
struct CharacterCodec {
  std::function<std::optional<ReadCharacter>(std::span<const uint8_t> bytes)> read;
  std::function<std::optional<std::string>(std::wstring_view character)> write;
};

// Shift-JIS through the system's converter: a lead byte with its trail byte
// is one character, every other byte one on its own; a character the code
// page has no bytes for (a best-fit look-alike is no such bytes) has none.
CharacterCodec ShiftJisCharacters();

// The characters as the text column reads them now, in the encoding chosen
// for it.
CharacterCodec TextColumnCharacters();

}  // namespace vx

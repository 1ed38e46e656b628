// One character of the text column at a time: read from the bytes at a place
// of the file, or written as the bytes its encoding gives it. The text
// column's cells, the inspector's character rows and typing into the text
// column all read and write characters through here.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/text_encoding.h"

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

// The most bytes one character takes in `encoding`.
int LongestCharacter(TextEncoding encoding);

// The character at the start of `bytes` in `encoding`. UTF-8 and UTF-16 are
// read by their own rules (ill-formed, overlong and cut sequences and lone
// surrogates are none); the code pages through the shared table's
// converter: the shortest start of the bytes that converts to one character
// and back to the same bytes, so that bytes the page leaves empty, and a
// lead byte without its trail byte, are none.
std::optional<ReadCharacter> ReadEncodedCharacter(TextEncoding encoding,
                                                  std::span<const uint8_t> bytes);
// The bytes of a Shift-JIS lead byte and its trail byte as today's tables
// judge them, else of one byte alone: the text column's default reading.
std::optional<ReadCharacter> ReadShiftJisCharacter(std::span<const uint8_t> bytes);

CharacterCodec CharactersOf(TextEncoding encoding);
// The characters as the text column reads them now, in the encoding chosen
// for it.
CharacterCodec TextColumnCharacters();

// UTF-8 and UTF-16 at the start of `bytes`.
std::optional<ReadCharacter> ReadUtf8(std::span<const uint8_t> bytes);
std::optional<ReadCharacter> ReadUtf16(std::span<const uint8_t> bytes, bool big_endian);

// A text of exactly one character (a surrogate pair counts as one): its code
// point; none for an empty text, several characters or a lone surrogate.
std::optional<char32_t> SingleCharacter(std::wstring_view text);
// A code point as wchar_t text: a surrogate pair where wchar_t has 16 bits.
std::wstring WideOf(char32_t code_point);

}  // namespace vx

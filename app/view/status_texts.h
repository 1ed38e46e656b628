// The texts of the file status line, the window title and the five caret
// status labels, composed from the values they show.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/byte_range.h"

namespace vx {

// The file-name label with a file open; `short_name` is the name already fitted to it.
std::wstring FileNameLabel(std::wstring_view short_name);
// The size label with a file open, e.g. "Size: 000,001,234Bytes. (1.2KB. 0MB.)".
std::wstring SizeLabel(int64_t file_size);
// The widest size label of a file whose addresses have `address_digits`
// digits: the text the label is made wide enough for.
std::wstring WidestSizeLabel(int address_digits);
// The main window's title; an empty path leaves the brackets empty.
std::wstring WindowTitle(std::wstring_view path);

// The five caret status labels, left to right.
struct CaretStatusTexts {
  std::wstring address;
  std::wstring four_byte;
  std::wstring two_byte;
  std::wstring one_byte;
  std::wstring binary;

  bool operator==(const CaretStatusTexts&) const = default;
};

// `offset` is the caret byte's zero-based offset, `from_caret` the four bytes
// read from it (0 behind the end of the file), `page_byte` the caret's cell in
// the page last drawn.
CaretStatusTexts CaretStatus(int64_t offset, const std::array<uint8_t, 4>& from_caret,
                             uint8_t page_byte);
// Shown when the four bytes could not be read, as with no file open.
CaretStatusTexts UnreadCaretStatus();
// The widest values each caret label is given: the last address of the
// largest file whose addresses have `address_digits` digits, and every bit of
// the bytes set.
CaretStatusTexts WidestCaretStatus(int address_digits);

// The selection line: the selected bytes' first and last address and their
// length, each in hexadecimal and in decimal, or dashes without a selection;
// while `extending` (F8), it says so in its prefix.
std::wstring SelectionLabel(const std::optional<ByteRange>& range, bool extending);
// The widest selection line of a file whose addresses have `address_digits`
// digits.
std::wstring WidestSelectionLabel(int address_digits);

}  // namespace vx

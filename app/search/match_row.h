// What a row of the list of all matches shows: the match's address, and the
// bytes round it in hexadecimal and as the text column reads them, the match
// itself in brackets. Shortened, so that a long match keeps its row short.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vx {

// Bytes shown before and after a match, and of the match itself.
inline constexpr int64_t kContextBytes = 4;
inline constexpr int64_t kMatchBytesShown = 16;

// The stretch of the file a row reads: its start and its byte count.
struct MatchStretch {
  int64_t first = 0;
  int64_t count = 0;
  bool operator==(const MatchStretch&) const = default;
};
// The bytes round a match of `length` bytes at `offset`, kept inside a file
// of `file_size` bytes.
MatchStretch StretchAround(int64_t offset, int64_t length, int64_t file_size);

// `offset` in upper-case hexadecimal, at least 8 digits.
std::wstring HexAddressText(int64_t offset);
// "11 22 [4D 5A] 33 44": `bytes` read from `stretch`, the match's `length`
// bytes at `offset` in brackets, "…" where a long match is cut.
std::wstring StretchHex(std::span<const uint8_t> bytes, const MatchStretch& stretch, int64_t offset,
                        int64_t length);
// The same bytes as the text column reads them, a control byte as ".".
std::wstring StretchText(std::span<const uint8_t> bytes);

}  // namespace vx

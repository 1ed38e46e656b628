// Bytes as the clipboard carries them for other programs: hexadecimal pairs
// separated by blanks, 16 to a line; and such a text read back into bytes.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// The characters the text of `count` bytes takes: two digits a byte, a
// blank between bytes and a line end ("\r\n") after every 16th.
int64_t HexPairsLength(int64_t count);
// Writes the bytes of `block`, the first being byte `index` of the whole
// text, into `out` (room for each byte's separator and digits); gives the
// characters written. Writing the blocks of a copy in order gives the text.
size_t WriteHexPairs(std::span<const uint8_t> block, int64_t index, wchar_t* out);

// A text read as bytes. Blanks (full-width ones too), tabs and line ends
// separate pairs and are otherwise ignored; each pair may carry "0x"; digits
// may be upper or lower case and full-width; a run of pairs without blanks
// is read pair by pair. Anything else refuses the whole text, and
// `not_understood` names the first part that could not be read.
struct HexPairsReading {
  std::vector<uint8_t> bytes;
  std::wstring not_understood;

  bool understood() const { return not_understood.empty(); }
};
HexPairsReading ReadHexPairs(std::wstring_view text);

}  // namespace vx

// Which bytes start and which end a Shift-JIS double-byte character; the
// screen page and the printed page draw such pairs as one character.
#pragma once

#include <array>
#include <cstdint>

namespace vx {

struct ShiftJisTables {
  std::array<bool, 256> LeadByteTable{};
  std::array<bool, 256> TrailByteTable{};

  bool IsPair(uint8_t lead, uint8_t trail) const {
    return LeadByteTable[lead] && TrailByteTable[trail];
  }
};

// Lead bytes 0x81-0x9F and 0xE0-0xFC; trail bytes 0x40-0x7E and 0x80-0xFC.
ShiftJisTables MakeShiftJisTables();

}  // namespace vx

// Which bytes start and which end a Shift-JIS double-byte character; the
// screen page and the printed page draw such pairs as one character, and the
// settings' text fields are never cut between the two.
#pragma once

#include <array>
#include <cstdint>

namespace vx {

struct ShiftJisTables {
  std::array<bool, 256> is_lead{};
  std::array<bool, 256> is_trail{};

  constexpr bool IsPair(uint8_t lead, uint8_t trail) const {
    return is_lead[lead] && is_trail[trail];
  }
};

// Lead bytes 0x81-0x9F and 0xE0-0xFC; trail bytes 0x40-0x7E and 0x80-0xFC.
constexpr ShiftJisTables MakeShiftJisTables() {
  ShiftJisTables t;
  for (int b = 0; b < 256; ++b) {
    t.is_lead[b] = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    t.is_trail[b] = (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
  }
  return t;
}

// The programs' one pair of tables, filled when the program is built.
inline constexpr ShiftJisTables kShiftJisTables = MakeShiftJisTables();

}  // namespace vx

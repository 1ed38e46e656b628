#include "app/view/shift_jis_tables.h"

namespace vx {

ShiftJisTables MakeShiftJisTables() {
  ShiftJisTables t;
  for (int b = 0; b < 256; ++b) {
    t.LeadByteTable[b] = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    t.TrailByteTable[b] = (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
  }
  return t;
}

}  // namespace vx

#include "common/shift_jis_tables.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(ShiftJisTables, RangeEdges) {
  const ShiftJisTables t = MakeShiftJisTables();
  EXPECT_FALSE(t.LeadByteTable[0x80]);
  EXPECT_TRUE(t.LeadByteTable[0x81]);
  EXPECT_TRUE(t.LeadByteTable[0x9F]);
  EXPECT_FALSE(t.LeadByteTable[0xA0]);
  EXPECT_FALSE(t.LeadByteTable[0xDF]);
  EXPECT_TRUE(t.LeadByteTable[0xE0]);
  EXPECT_TRUE(t.LeadByteTable[0xFC]);
  EXPECT_FALSE(t.LeadByteTable[0xFD]);
  EXPECT_FALSE(t.TrailByteTable[0x3F]);
  EXPECT_TRUE(t.TrailByteTable[0x40]);
  EXPECT_TRUE(t.TrailByteTable[0x7E]);
  EXPECT_FALSE(t.TrailByteTable[0x7F]);
  EXPECT_TRUE(t.TrailByteTable[0x80]);
  EXPECT_TRUE(t.TrailByteTable[0xFC]);
  EXPECT_FALSE(t.TrailByteTable[0xFD]);
}

}  // namespace
}  // namespace vx

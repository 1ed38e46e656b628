#include "common/shift_jis_tables.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(ShiftJisTables, RangeEdges) {
  const ShiftJisTables t = MakeShiftJisTables();
  EXPECT_FALSE(t.is_lead[0x80]);
  EXPECT_TRUE(t.is_lead[0x81]);
  EXPECT_TRUE(t.is_lead[0x9F]);
  EXPECT_FALSE(t.is_lead[0xA0]);
  EXPECT_FALSE(t.is_lead[0xDF]);
  EXPECT_TRUE(t.is_lead[0xE0]);
  EXPECT_TRUE(t.is_lead[0xFC]);
  EXPECT_FALSE(t.is_lead[0xFD]);
  EXPECT_FALSE(t.is_trail[0x3F]);
  EXPECT_TRUE(t.is_trail[0x40]);
  EXPECT_TRUE(t.is_trail[0x7E]);
  EXPECT_FALSE(t.is_trail[0x7F]);
  EXPECT_TRUE(t.is_trail[0x80]);
  EXPECT_TRUE(t.is_trail[0xFC]);
  EXPECT_FALSE(t.is_trail[0xFD]);
}

}  // namespace
}  // namespace vx

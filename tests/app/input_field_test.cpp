#include "app/edit/input_field.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(InputField, LengthAndWidthFollowTheRadix) {
  EXPECT_EQ(InputMaxLength(InputRadix::Hexadecimal), 2);
  EXPECT_EQ(InputMaxLength(InputRadix::Decimal), 3);
  EXPECT_EQ(InputMaxLength(InputRadix::Binary), 8);
  // Int((9 + 1) / 2) = 5 and Int((10 + 1) / 2) = 5: odd and even sizes meet.
  EXPECT_EQ(InputBoxWidth(9, 2), 22);
  EXPECT_EQ(InputBoxWidth(10, 3), 27);
  EXPECT_EQ(InputBoxWidth(12, 8), 60);
}

TEST(InputField, ShowsTheByteInEachRadix) {
  EXPECT_EQ(ByteFieldText(0x0A, InputRadix::Hexadecimal), L"0A");
  EXPECT_EQ(ByteFieldText(0xFF, InputRadix::Hexadecimal), L"FF");
  EXPECT_EQ(ByteFieldText(0, InputRadix::Decimal), L"0");
  EXPECT_EQ(ByteFieldText(10, InputRadix::Decimal), L"10");
  EXPECT_EQ(ByteFieldText(0x8E, InputRadix::Binary), L"10001110");
  EXPECT_EQ(ByteFieldText(5, InputRadix::Binary), L"00000101");
}

TEST(InputField, DigitKeysAreTheRadixOwn) {
  for (int key : {int{'0'}, int{'9'}, int{'A'}, int{'F'}, 96, 105})
    EXPECT_TRUE(IsDigitKey(key, InputRadix::Hexadecimal));
  for (int key : {int{'G'}, int{'/'}, int{':'}, 95, 106})
    EXPECT_FALSE(IsDigitKey(key, InputRadix::Hexadecimal));
  EXPECT_TRUE(IsDigitKey('9', InputRadix::Decimal));
  EXPECT_FALSE(IsDigitKey('A', InputRadix::Decimal));
  for (int key : {int{'0'}, int{'1'}, 96, 97}) EXPECT_TRUE(IsDigitKey(key, InputRadix::Binary));
  for (int key : {int{'2'}, 98, int{'A'}}) EXPECT_FALSE(IsDigitKey(key, InputRadix::Binary));
}

TEST(InputField, TargetIsTheCaretHexCell) {
  const DisplaySettingsRecord s = DefaultSettings();
  EXPECT_EQ(InputTargetAt(s, 0, 0), (InputTarget{84, 2}));
  EXPECT_EQ(InputTargetAt(s, 3, 2), (InputTarget{84 + 3 * 18, 2 + 2 * 12}));
}

}  // namespace
}  // namespace vx

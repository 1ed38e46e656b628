#include "app/edit/byte_text.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(ByteText, HexadecimalReadsTheLeadingDigitsInEitherCase) {
  EXPECT_EQ(ParseByteText(L"ff", InputRadix::Hexadecimal), 255);
  EXPECT_EQ(ParseByteText(L"0A", InputRadix::Hexadecimal), 10);
  EXPECT_EQ(ParseByteText(L"1G", InputRadix::Hexadecimal), 1);
  EXPECT_EQ(ParseByteText(L"100", InputRadix::Hexadecimal), 256);
  EXPECT_EQ(ParseByteText(L"", InputRadix::Hexadecimal), 0);
  EXPECT_EQ(ParseByteText(L"x1", InputRadix::Hexadecimal), 0);
  EXPECT_EQ(ParseByteText(L"7FFFFFFF", InputRadix::Hexadecimal), 2147483647);
  EXPECT_EQ(ParseByteText(L"100000000", InputRadix::Hexadecimal), -1);
}

TEST(ByteText, DecimalRoundsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(ParseByteText(L"255", InputRadix::Decimal), 255);
  EXPECT_EQ(ParseByteText(L"256", InputRadix::Decimal), 256);
  EXPECT_EQ(ParseByteText(L"", InputRadix::Decimal), 0);
  EXPECT_EQ(ParseByteText(L"12ab", InputRadix::Decimal), 12);
  EXPECT_EQ(ParseByteText(L"2.5", InputRadix::Decimal), 2);
  EXPECT_EQ(ParseByteText(L"3.5", InputRadix::Decimal), 4);
  EXPECT_EQ(ParseByteText(L"2.50001", InputRadix::Decimal), 3);
  EXPECT_EQ(ParseByteText(L"254.4", InputRadix::Decimal), 254);
  EXPECT_EQ(ParseByteText(L"255.5", InputRadix::Decimal), 256);
  EXPECT_EQ(ParseByteText(L"-3", InputRadix::Decimal), -3);
  EXPECT_EQ(ParseByteText(L"-0.4", InputRadix::Decimal), 0);
  EXPECT_EQ(ParseByteText(L"99999999999", InputRadix::Decimal), -1);
}

TEST(ByteText, BinaryNeedsExactlyEightDigits) {
  EXPECT_EQ(ParseByteText(L"00000101", InputRadix::Binary), 5);
  EXPECT_EQ(ParseByteText(L"11111111", InputRadix::Binary), 255);
  EXPECT_EQ(ParseByteText(L"101", InputRadix::Binary), 0);
  EXPECT_EQ(Change2to10(L"000001011"), 0);
  // Digits above 1 count as 1, anything else as 0.
  EXPECT_EQ(Change2to10(L"20000009"), 129);
  EXPECT_EQ(Change2to10(L"1x000001"), 129);
}

}  // namespace
}  // namespace vx

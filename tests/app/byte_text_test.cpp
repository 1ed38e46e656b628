#include "app/edit/byte_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vx {
namespace {

constexpr auto kHex = InputRadix::Hexadecimal;
constexpr auto kDec = InputRadix::Decimal;
constexpr auto kBin = InputRadix::Binary;

// What the byte input window reads from its field, radix by radix; nothing
// (std::nullopt) is a text with no digit to read, which writes nothing.
TEST(ByteText, ReadsTheTypedValueInEachRadix) {
  const struct {
    const wchar_t* text;
    InputRadix radix;
    std::optional<int32_t> value;
  } cases[] = {
      // Hexadecimal: the longest leading run of digits, either case.
      {L"ff", kHex, 255},
      {L"0A", kHex, 10},
      {L"1G", kHex, 1},
      {L"100", kHex, 256},
      {L"7FFFFFFF", kHex, 2147483647},
      {L"100000000", kHex, -1},
      {L"", kHex, std::nullopt},
      {L"x1", kHex, std::nullopt},
      {L"-1", kHex, std::nullopt},
      // Decimal: a signed leading number rounded, halves to the even neighbour.
      {L"255", kDec, 255},
      {L"256", kDec, 256},
      {L"12ab", kDec, 12},
      {L"2.5", kDec, 2},
      {L"3.5", kDec, 4},
      {L"2.50001", kDec, 3},
      {L"254.4", kDec, 254},
      {L"255.5", kDec, 256},
      {L".5", kDec, 0},
      {L"-3", kDec, -3},
      {L"-0.4", kDec, 0},
      {L"99999999999", kDec, -1},
      {L"", kDec, std::nullopt},
      {L"-", kDec, std::nullopt},
      {L".", kDec, std::nullopt},
      {L"+x", kDec, std::nullopt},
      // Binary: one to eight digits are that binary number.
      {L"00000101", kBin, 5},
      {L"11111111", kBin, 255},
      {L"101", kBin, 5},
      {L"1", kBin, 1},
      {L"0", kBin, 0},
      {L"1000000", kBin, 64},
      {L"", kBin, std::nullopt},
      {L"ab", kBin, std::nullopt},
      // Digits above 1 count as 1, anything else as 0.
      {L"20000009", kBin, 129},
      {L"1x000001", kBin, 129},
      {L"000001011", kBin, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseByteText(c.text, c.radix), c.value)
        << "\"" << std::wstring(c.text).size() << " chars\" radix " << static_cast<int>(c.radix)
        << " case " << (&c - cases);
  }
}

}  // namespace
}  // namespace vx

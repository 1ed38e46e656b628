#include "app/view/go_to_address.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>

namespace vx {
namespace {

constexpr auto kHex = AddressRadix::Hexadecimal;
constexpr auto kDec = AddressRadix::Decimal;
constexpr int32_t kSize = 0x1000;
constexpr int32_t kCaret = 0x100;

GoToTarget At(int64_t offset) { return {AddressError::None, offset}; }
constexpr GoToTarget kEmpty{AddressError::Empty, 0};
constexpr GoToTarget kNotANumber{AddressError::NotANumber, 0};

TEST(GoToAddress, ReadsPlainAndRelativeAddressesInBothRadixes) {
  const struct {
    const wchar_t* text;
    AddressRadix radix;
    GoToTarget target;
  } cases[] = {
      {L"1F", kHex, At(0x1F)},
      {L"1f", kHex, At(0x1F)},
      {L"0x20", kHex, At(0x20)},
      {L"  a0\u3000", kHex, At(0xA0)},
      {L"\uFF11\uFF26", kHex, At(0x1F)},  // full-width "１Ｆ"
      {L"0", kHex, At(0)},
      {L"100", kDec, At(100)},
      {L"+10", kHex, At(kCaret + 0x10)},
      {L"-10", kHex, At(kCaret - 0x10)},
      {L"\u221210", kHex, At(kCaret - 0x10)},  // the minus sign
      {L"\uFF0B10", kDec, At(kCaret + 10)},    // full-width plus
      {L"+0", kDec, At(kCaret)},
      // At or past the end: the position behind the last byte; before the start: the first byte.
      {L"1000", kHex, At(kSize)},
      {L"FFF", kHex, At(kSize - 1)},
      {L"FFFFFFFFFFFFFFFFFFFFFFFF", kHex, At(kSize)},
      {L"99999999999999999999999", kDec, At(kSize)},
      {L"+FFFFFFFF", kHex, At(kSize)},
      {L"-200", kHex, At(0)},
      // No address at all.
      {L"", kHex, kEmpty},
      {L"   ", kDec, kEmpty},
      {L"+", kHex, kNotANumber},
      {L"0x", kHex, kNotANumber},
      {L"0x10", kDec, kNotANumber},
      {L"1F", kDec, kNotANumber},
      {L"G", kHex, kNotANumber},
      {L"12 34", kHex, kNotANumber},
      {L"1.5", kDec, kNotANumber},
      {L"--1", kHex, kNotANumber},
      {L"1+", kHex, kNotANumber},
  };
  for (const auto& c : cases) {
    const GoToTarget got = ParseGoToAddress(c.text, c.radix, kCaret, kSize);
    EXPECT_EQ(got.error, c.target.error) << "case " << (&c - cases);
    EXPECT_EQ(got.offset, c.target.offset) << "case " << (&c - cases);
  }
}

TEST(GoToAddress, ShowsAnOffsetAsItIsTypedBack) {
  EXPECT_EQ(AddressText(0, kHex), L"0");
  EXPECT_EQ(AddressText(0x7FFFFFFE, kHex), L"7FFFFFFE");
  EXPECT_EQ(AddressText(4096, kDec), L"4096");
  for (int32_t offset : {0, 15, 4095, 0x1234567}) {
    for (AddressRadix radix : {kHex, kDec}) {
      EXPECT_EQ(ParseGoToAddress(AddressText(offset, radix), radix, 0, 0x7FFFFFFE), At(offset));
    }
  }
}

// Any address of a file of any size, typed in either radix, up to its end.
TEST(GoToAddress, ReachesEveryAddressOfAHugeFile) {
  const int64_t kNearMax = std::numeric_limits<int64_t>::max() - 4096;
  for (const int64_t size : {int64_t{0x7FFFFFFF}, int64_t{1} << 31, int64_t{1} << 32,
                             int64_t{5} << 30, int64_t{1} << 40, kNearMax}) {
    SCOPED_TRACE(size);
    for (const int64_t offset : {int64_t{0}, size / 2, size - 1, size}) {
      for (AddressRadix radix : {kHex, kDec}) {
        EXPECT_EQ(ParseGoToAddress(AddressText(offset, radix), radix, 0, size), At(offset));
      }
    }
    // Counted from a caret near the end, beyond it and before the start.
    EXPECT_EQ(ParseGoToAddress(L"+1", kDec, size - 1, size), At(size));
    EXPECT_EQ(ParseGoToAddress(L"+FFFFFFFFFFFFFFFFFFFF", kHex, size - 1, size), At(size));
    EXPECT_EQ(ParseGoToAddress(L"-99999999999999999999999", kDec, size - 1, size), At(0));
    EXPECT_EQ(ParseGoToAddress(L"-100000000", kHex, size, size),
              At(std::max<int64_t>(0, size - (int64_t{1} << 32))));
  }
  EXPECT_EQ(AddressText(int64_t{5} << 30, kHex), L"140000000");
  EXPECT_EQ(AddressText(int64_t{5} << 30, kDec), L"5368709120");
}

}  // namespace
}  // namespace vx

#include "app/search/match_row.h"

#include <gtest/gtest.h>

#include <vector>

namespace vx {
namespace {

TEST(MatchRow, TheStretchRoundAMatchStaysInsideTheFile) {
  const struct {
    int64_t offset, length, file_size;
    MatchStretch stretch;
  } cases[] = {
      {100, 2, 1000, {96, 10}},  {0, 2, 1000, {0, 6}},      // nothing before the start
      {2, 2, 1000, {0, 8}},      {996, 4, 1000, {992, 8}},  // nothing behind the end
      {100, 40, 1000, {96, 24}},                            // a long match shows its first 16 bytes
      {0, 1, 1, {0, 1}},                                    // a 1-byte file
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StretchAround(c.offset, c.length, c.file_size), c.stretch)
        << c.offset << " " << c.length << " " << c.file_size;
  }
}

TEST(MatchRow, HexBracketsTheMatchAndMarksOneThatIsCut) {
  const std::vector<uint8_t> bytes{0x11, 0x22, 0x4D, 0x5A, 0x33};
  EXPECT_EQ(StretchHex(bytes, {8, 5}, 10, 2), L"11 22 [4D 5A] 33");
  EXPECT_EQ(StretchHex(bytes, {10, 5}, 10, 1), L"[11] 22 4D 5A 33");
  std::vector<uint8_t> long_match(20, 0xAB);
  const std::wstring hex = StretchHex(long_match, {0, 20}, 0, 40);
  EXPECT_TRUE(hex.starts_with(L"[AB AB"));
  EXPECT_NE(hex.find(L"AB…]"), std::wstring::npos) << "a cut match must say so";
}

TEST(MatchRow, AddressesAndTextReadAsThePageShowsThem) {
  EXPECT_EQ(HexAddressText(0), L"00000000");
  EXPECT_EQ(HexAddressText(0x1A2B), L"00001A2B");
  EXPECT_EQ(HexAddressText(0x123456789A), L"123456789A");
  // A Shift-JIS pair is one character, NUL a blank as the copied column
  // text has it, other control bytes dots.
  const std::vector<uint8_t> bytes{'A', 0x00, 0x8C, 0x9F, 0x0A, 0x7F, 'z'};
  EXPECT_EQ(StretchText(bytes), L"A \u691C..z");
}

}  // namespace
}  // namespace vx

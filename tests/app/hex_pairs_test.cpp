#include "app/edit/hex_pairs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/edit/copy_limit.h"

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;

std::wstring Written(const Bytes& bytes, size_t block) {
  std::wstring text(static_cast<size_t>(HexPairsLength(static_cast<int64_t>(bytes.size()))), L'#');
  size_t at = 0;
  for (size_t i = 0; i < bytes.size(); i += block) {
    const size_t n = std::min(block, bytes.size() - i);
    at += WriteHexPairs(std::span(bytes).subspan(i, n), static_cast<int64_t>(i), text.data() + at);
  }
  EXPECT_EQ(at, text.size());
  return text;
}

TEST(HexPairs, SixteenPairsToALineWhateverTheBlocks) {
  Bytes bytes(33);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(0xF0 + i % 16);
  const std::wstring line = L"F0 F1 F2 F3 F4 F5 F6 F7 F8 F9 FA FB FC FD FE FF";
  const std::wstring expected = line + L"\r\n" + line + L"\r\nF0";
  for (const size_t block : {1u, 5u, 16u, 33u}) EXPECT_EQ(Written(bytes, block), expected) << block;
  EXPECT_EQ(Written({0x0A}, 1), L"0A");
  EXPECT_EQ(HexPairsLength(0), 0);
  EXPECT_EQ(HexPairsLength(16), 47);
  EXPECT_EQ(HexPairsLength(17), 47 + 2 + 2);
}

TEST(HexPairs, ReadsWhatPeopleAndOtherProgramsWrite) {
  struct Case {
    const wchar_t* text;
    Bytes bytes;
  };
  const Case cases[] = {
      {L"41 42 43", {0x41, 0x42, 0x43}},
      {L"0x41 0X42\t0x0a", {0x41, 0x42, 0x0A}},
      {L"ab Cd eF", {0xAB, 0xCD, 0xEF}},
      {L"  41\r\n42\n\n 43  \r\n", {0x41, 0x42, 0x43}},
      {L"414243", {0x41, 0x42, 0x43}},
      {L"0x4142", {0x41, 0x42}},
      {L"\uFF14\uFF11\u3000\uFF46\uFF26", {0x41, 0xFF}},  // full-width digits and blank
      {L"\uFF10\uFF58\uFF11\uFF12", {0x12}},              // a full-width "0x"
      {L"", {}},
      {L" \r\n ", {}},
  };
  for (const Case& c : cases) {
    const HexPairsReading r = ReadHexPairs(c.text);
    EXPECT_TRUE(r.understood()) << r.not_understood;
    EXPECT_EQ(r.bytes, c.bytes);
  }
  // What our own copy writes reads back as the bytes copied.
  Bytes all(256);
  for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<uint8_t>(i);
  EXPECT_EQ(ReadHexPairs(Written(all, 100)).bytes, all);
}

TEST(HexPairs, RefusesTheWholeTextAndNamesTheFirstPartNotUnderstood) {
  struct Case {
    const wchar_t* text;
    const wchar_t* named;
  };
  const Case cases[] = {
      {L"41 4 42", L"4"},                 // an odd digit count
      {L"41 423", L"423"},
      {L"0x", L"0x"},                     // a prefix without digits
      {L"41 0x4 42", L"0x4"},
      {L"41 g2", L"g2"},
      {L"41,42", L"41,42"},               // commas are not blanks
      {L"41 0x41x42", L"0x41x42"},
      {L"hello world", L"hello"},
      {L"41 \uFF47\uFF48", L"\uFF47\uFF48"},  // named as written, full width
      {L"41 0123456789abcdef0123456789abcdefg", L"0123456789abcdef01234567…"},  // cut
  };
  for (const Case& c : cases) {
    const HexPairsReading r = ReadHexPairs(c.text);
    EXPECT_FALSE(r.understood()) << c.text;
    EXPECT_EQ(r.not_understood, c.named);
    EXPECT_TRUE(r.bytes.empty());
  }
}

TEST(CopyLimit, TakesUpTo256MiB) {
  EXPECT_TRUE(CopyFits(1));
  EXPECT_TRUE(CopyFits(int64_t{256} * 1024 * 1024));
  EXPECT_FALSE(CopyFits(int64_t{256} * 1024 * 1024 + 1));
  EXPECT_FALSE(CopyFits(0));
}

}  // namespace
}  // namespace vx

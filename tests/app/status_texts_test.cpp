#include "app/view/status_texts.h"

#include <gtest/gtest.h>

#include <limits>

namespace vx {
namespace {

TEST(SizeLabel, PatternAndRoundedUnits) {
  EXPECT_EQ(SizeLabel(0), L"Size: 000,000,000Bytes. (0KB. 0MB.)");
  EXPECT_EQ(SizeLabel(1234), L"Size: 000,001,234Bytes. (1.2KB. 0MB.)");
  EXPECT_EQ(SizeLabel(2000), L"Size: 000,002,000Bytes. (2KB. 0MB.)");
  EXPECT_EQ(SizeLabel(123456789), L"Size: 123,456,789Bytes. (123456.8KB. 123.5MB.)");
  // Ten digits simply grow one more group.
  EXPECT_EQ(SizeLabel(2147483646), L"Size: 2,147,483,646Bytes. (2147483.6KB. 2147.5MB.)");
}

// Past 32 bits the pattern grows by groups, and the labels are made wide
// enough for every size with as many address digits; below 4 GiB as wide as
// they always were.
TEST(SizeLabel, LargeFilesAndTheWidestTexts) {
  EXPECT_EQ(SizeLabel(5368709120), L"Size: 5,368,709,120Bytes. (5368709.1KB. 5368.7MB.)");
  EXPECT_EQ(SizeLabel(int64_t{1} << 40),
            L"Size: 1,099,511,627,776Bytes. (1099511627.8KB. 1099511.6MB.)");
  EXPECT_EQ(WidestSizeLabel(8), SizeLabel(2147483646));
  EXPECT_EQ(WidestCaretStatus(8).address, L"7FFFFFFD  (2147483645) 番地");
  EXPECT_EQ(CaretStatus(int64_t{1} << 40, {}, 0).address, L"10000000000  (1099511627776) 番地");
  const struct {
    int digits;
    int64_t size;
  } cases[] = {{8, 0xFFFFFFFF},
               {8, 3'999'999'999},
               {9, int64_t{1} << 32},
               {9, 9'999'999'999},
               {9, 10'000'000'000},
               {11, (int64_t{1} << 40) + 1},
               {11, 10'000'000'000'000},
               {15, 1'000'000'000'000'000'000},
               {16, std::numeric_limits<int64_t>::max()}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size);
    EXPECT_LE(SizeLabel(c.size).size(), WidestSizeLabel(c.digits).size());
    EXPECT_LE(CaretStatus(c.size - 1, {}, 0).address.size(),
              WidestCaretStatus(c.digits).address.size());
  }
}

TEST(SizeLabel, HalvesRoundToEven) {
  // 1250 is 12.5 hundreds: down to 12; 1350 is 13.5: up to 14; 1251 is above.
  EXPECT_EQ(SizeLabel(1250), L"Size: 000,001,250Bytes. (1.2KB. 0MB.)");
  EXPECT_EQ(SizeLabel(1350), L"Size: 000,001,350Bytes. (1.4KB. 0MB.)");
  EXPECT_EQ(SizeLabel(1251), L"Size: 000,001,251Bytes. (1.3KB. 0MB.)");
  EXPECT_EQ(SizeLabel(999949), L"Size: 000,999,949Bytes. (999.9KB. 1MB.)");
  EXPECT_EQ(SizeLabel(999950), L"Size: 000,999,950Bytes. (1000KB. 1MB.)");
  EXPECT_EQ(SizeLabel(50000), L"Size: 000,050,000Bytes. (50KB. 0MB.)");
  EXPECT_EQ(SizeLabel(150000), L"Size: 000,150,000Bytes. (150KB. 0.2MB.)");
}

TEST(FileStatus, NameLabelAndTitle) {
  EXPECT_EQ(FileNameLabel(L"C:\\a\\b.bin"), L"FileName: C:\\a\\b.bin");
  EXPECT_EQ(WindowTitle(L"C:\\データ\\b.bin"), L"Vantelox\u3000[C:\\データ\\b.bin]");
  EXPECT_EQ(WindowTitle(L""), L"Vantelox\u3000[]");
}

TEST(CaretStatus, LabelsForTheBytesAtTheCaret) {
  const CaretStatusTexts texts = CaretStatus(0x1A2B, {0x8E, 0x01, 0x00, 0x00}, 0x8E);
  EXPECT_EQ(texts.address, L"1A2B  (6699) 番地");
  EXPECT_EQ(texts.four_byte, L"4Byte:398");
  EXPECT_EQ(texts.two_byte, L"2Byte:398");
  EXPECT_EQ(texts.one_byte, L"1Byte: 142");
  EXPECT_EQ(texts.binary, L"２進: 10001110");

  // 1Byte shows the cell of the page last drawn, the others the bytes read.
  EXPECT_EQ(CaretStatus(5, {0x01, 0, 0, 0}, 0x02).one_byte, L"1Byte: 2");
}

TEST(CaretStatus, UnsignedLittleEndianExtremes) {
  const CaretStatusTexts all_ones = CaretStatus(0, {0xFF, 0xFF, 0xFF, 0xFF}, 0xFF);
  EXPECT_EQ(all_ones.address, L"0  (0) 番地");
  EXPECT_EQ(all_ones.four_byte, L"4Byte:4294967295");
  EXPECT_EQ(all_ones.two_byte, L"2Byte:65535");
  EXPECT_EQ(all_ones.binary, L"２進: 11111111");

  const CaretStatusTexts high_byte = CaretStatus(0x7FFFFFFE, {0x00, 0x00, 0x00, 0x80}, 0x00);
  EXPECT_EQ(high_byte.address, L"7FFFFFFE  (2147483646) 番地");
  EXPECT_EQ(high_byte.four_byte, L"4Byte:2147483648");
  EXPECT_EQ(high_byte.two_byte, L"2Byte:0");
  EXPECT_EQ(high_byte.one_byte, L"1Byte: 0");
  EXPECT_EQ(high_byte.binary, L"２進: 00000000");
}

TEST(CaretStatus, DashedFormsForAFailedRead) {
  const CaretStatusTexts texts = UnreadCaretStatus();
  EXPECT_EQ(texts.address, L"----(--)番地");
  EXPECT_EQ(texts.four_byte, L"4Byte:----");
  EXPECT_EQ(texts.two_byte, L"2Byte:---");
  EXPECT_EQ(texts.one_byte, L"1Byte: ----");
  EXPECT_EQ(texts.binary, L"２進: ----");
}

TEST(SelectionStatus, AddressesAndLengthInHexadecimalAndDecimal) {
  EXPECT_EQ(SelectionLabel(ByteRange{0x10, 0x10}, false), L"選択 10-1F (16-31) 長さ 10 (16)");
  EXPECT_EQ(SelectionLabel(ByteRange{0, 1}, false), L"選択 0-0 (0-0) 長さ 1 (1)");
  EXPECT_EQ(SelectionLabel(std::nullopt, false), L"選択 ----");
  // F8's selecting says so, with or without bytes selected.
  EXPECT_EQ(SelectionLabel(ByteRange{5, 2}, true), L"[F8 選択中] 5-6 (5-6) 長さ 2 (2)");
  EXPECT_EQ(SelectionLabel(std::nullopt, true), L"[F8 選択中] ----");
  const ByteRange largest{0, int64_t{1} << 40};
  EXPECT_EQ(SelectionLabel(largest, false),
            L"選択 0-FFFFFFFFFF (0-1099511627775) 長さ 10000000000 (1099511627776)");
}

TEST(SelectionStatus, TheWidestLabelHoldsEverySelectionOfItsFiles) {
  for (const int digits : {8, 10, 16}) {
    const size_t widest = WidestSelectionLabel(digits).size();
    const int64_t size = digits == 16 ? std::numeric_limits<int64_t>::max()
                                      : (int64_t{1} << (4 * digits)) - 1;
    const int64_t largest_below = digits == 8 ? 2147483646 : size;
    for (const ByteRange r : {ByteRange{0, largest_below}, ByteRange{largest_below - 1, 1},
                              ByteRange{largest_below / 3, largest_below / 3}}) {
      EXPECT_LE(SelectionLabel(r, true).size(), widest) << digits;
    }
  }
}

}  // namespace
}  // namespace vx

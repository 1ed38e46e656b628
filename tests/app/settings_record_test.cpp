#include "app/settings/settings_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx {
namespace {

uint32_t Le32(const SettingsRecordBytes& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t{b[at + 3]} << 24;
}
uint16_t Le16(const SettingsRecordBytes& b, size_t at) {
  return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}
std::string Bytes(const SettingsRecordBytes& b, size_t at, size_t length) {
  return std::string(b.begin() + at, b.begin() + at + length);
}

const std::string kFontNameShiftJis = "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E";

TEST(SettingsRecord, EveryFieldAtItsOffset) {
  DisplaySettingsRecord s;
  const std::vector<int32_t*> ints = {
      &s.TopMargin,    &s.LeftMargin,   &s.FontSize,     &s.LineHeight,  &s.HexCellWidth,
      &s.BytesPerLine, &s.LinesPerPage, &s.AddressWidth, &s.DumpTextGap, &s.TextCellWidth};
  for (size_t i = 0; i < ints.size(); ++i) *ints[i] = 0x01020300 + static_cast<int32_t>(i);
  s.TopMargin = -2;  // signed, two's complement
  s.BackUpSuffix = L"0123456789";
  s.FontName = PadField(L"Font", kFontNameLength);
  s.InputRadix = 0x0A0B0C0D;
  for (uint32_t i = 0; i < 4; ++i) {
    s.ForeColors[i] = 0x00110000 + i;
    s.BackColors[i] = 0x80000000 + i;
  }
  s.SeparatorColor = 0x00ABCDEF;

  const SettingsRecordBytes b = EncodeSettings(s);
  EXPECT_EQ(Le32(b, 0), 0xFFFFFFFEu);
  for (size_t i = 1; i < ints.size(); ++i) EXPECT_EQ(Le32(b, 4 * i), 0x01020300 + i) << i;
  EXPECT_EQ(Bytes(b, 42, 10), "0123456789");
  EXPECT_EQ(Bytes(b, 52, 50), "Font" + std::string(46, ' '));
  EXPECT_EQ(Le32(b, 102), 0x0A0B0C0Du);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(Le32(b, 112 + 4 * i), 0x00110000 + i);
    EXPECT_EQ(Le32(b, 128 + 4 * i), 0x80000000 + i);
  }
  EXPECT_EQ(Le32(b, 144), 0x00ABCDEFu);
}

TEST(SettingsRecord, EachFlagIsMinusOneInItsOwnTwoBytes) {
  struct Flag {
    bool DisplaySettingsRecord::*field;
    size_t offset;
  };
  const Flag flags[] = {{&DisplaySettingsRecord::AutoBackUp, 40},
                        {&DisplaySettingsRecord::HideInputAfterEntry, 106},
                        {&DisplaySettingsRecord::MoveAfterEntry, 108},
                        {&DisplaySettingsRecord::AutoCompleteAtMax, 110}};
  for (const Flag& set : flags) {
    DisplaySettingsRecord s;
    s.*set.field = true;
    const SettingsRecordBytes b = EncodeSettings(s);
    for (const Flag& f : flags) {
      EXPECT_EQ(Le16(b, f.offset), f.offset == set.offset ? 0xFFFF : 0) << f.offset;
    }
  }
}

TEST(SettingsRecord, Defaults) {
  const DisplaySettingsRecord d = DefaultSettings();
  EXPECT_EQ(d.BackUpSuffix, L"_VXBackUp ");
  EXPECT_EQ(d.FontName, L"ＭＳ ゴシック" + std::wstring(43, L' '));

  const SettingsRecordBytes b = EncodeSettings(d);
  const uint32_t ints[] = {2, 4, 9, 12, 18, 16, 32, 80, 16, 8};
  for (size_t i = 0; i < 10; ++i) EXPECT_EQ(Le32(b, 4 * i), ints[i]) << i;
  EXPECT_EQ(Le16(b, 40), 0xFFFF);
  EXPECT_EQ(Bytes(b, 42, 10), "_VXBackUp ");
  EXPECT_EQ(Bytes(b, 52, 50), kFontNameShiftJis + std::string(37, ' '));
  EXPECT_EQ(Le32(b, 102), 0u);
  EXPECT_EQ(Le16(b, 106), 0xFFFF);
  EXPECT_EQ(Le16(b, 108), 0xFFFF);
  EXPECT_EQ(Le16(b, 110), 0);
  const uint32_t back[] = {0xFFFFFF, 0xEFEFEF, 0xFFFFFF, 0xEFEFEF};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(Le32(b, 112 + 4 * i), 0u);
    EXPECT_EQ(Le32(b, 128 + 4 * i), back[i]);
  }
  EXPECT_EQ(Le32(b, 144), 0x808080u);
}

TEST(SettingsRecord, RoundTripAndReadingOnlyTheFirst148Bytes) {
  DisplaySettingsRecord s = DefaultSettings();
  s.FontSize = 12;
  s.LineHeight = 15;
  s.BytesPerLine = 20;
  s.InputRadix = 2;
  s.AutoBackUp = false;
  s.AutoCompleteAtMax = true;
  s.FontName = PadField(L"ＭＳ 明朝", kFontNameLength);
  s.BackColors[3] = 0x80000018;
  const SettingsRecordBytes b = EncodeSettings(s);
  EXPECT_EQ(DecodeSettings(b), s);

  std::vector<uint8_t> longer(b.begin(), b.end());
  longer.resize(200, 0xFF);
  EXPECT_EQ(DecodeSettings(longer), s);
  EXPECT_EQ(DecodeSettings(std::span(b).first(147)), std::nullopt);
}

TEST(SettingsRecord, AnyNonZeroFlagReadsAsTrue) {
  SettingsRecordBytes b = EncodeSettings(DefaultSettings());
  b[40] = 0x01;
  b[41] = 0x00;
  EXPECT_TRUE(DecodeSettings(b)->AutoBackUp);
  b[40] = 0x00;
  EXPECT_FALSE(DecodeSettings(b)->AutoBackUp);
}

TEST(SettingsRecord, TextsAreCutWholeCharacterFirstAndPaddedAgain) {
  DisplaySettingsRecord s = DefaultSettings();
  // The last "ア" would take bytes 10 and 11, the last "Ａ" bytes 50 and 51.
  s.BackUpSuffix = L"_アアアアア";
  s.FontName = L"a" + std::wstring(25, L'Ａ');
  const SettingsRecordBytes b = EncodeSettings(s);
  EXPECT_EQ(Bytes(b, 42, 10), "_\x83\x41\x83\x41\x83\x41\x83\x41 ");
  EXPECT_EQ(b[52 + 49], ' ');

  const std::optional<DisplaySettingsRecord> back = DecodeSettings(b);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->BackUpSuffix, L"_アアアア     ");
  EXPECT_EQ(back->FontName, L"a" + std::wstring(24, L'Ａ') + std::wstring(25, L' '));

  s.BackUpSuffix = L"ABCDEFGHIJKL";
  EXPECT_EQ(Bytes(EncodeSettings(s), 42, 10), "ABCDEFGHIJ");
}

// Where the program stops trusting a stored value.
struct Boundary {
  const char* name;
  size_t offset;
  uint32_t value;
  bool accepted;
};

class SettingsRecordBoundary : public testing::TestWithParam<Boundary> {};

TEST_P(SettingsRecordBoundary, DecodeAcceptsOrRejects) {
  SettingsRecordBytes b = EncodeSettings(DefaultSettings());
  for (int i = 0; i < 4; ++i)
    b[GetParam().offset + i] = static_cast<uint8_t>(GetParam().value >> 8 * i);
  EXPECT_EQ(DecodeSettings(b).has_value(), GetParam().accepted);
}

constexpr uint32_t kMinusOne = 0xFFFFFFFF;

INSTANTIATE_TEST_SUITE_P(
    Fields, SettingsRecordBoundary,
    testing::Values(
        Boundary{"TopMarginZero", 0, 0, true}, Boundary{"TopMarginNegative", 0, kMinusOne, false},
        Boundary{"LeftMarginNegative", 4, kMinusOne, false}, Boundary{"FontSizeZero", 8, 0, false},
        Boundary{"FontSize32", 8, 32, true}, Boundary{"FontSize129", 8, 129, false},
        Boundary{"LineHeightZero", 12, 0, false},
        Boundary{"HexCellWidthNegative", 16, kMinusOne, false},
        Boundary{"BytesPerLine20", 20, 20, true}, Boundary{"BytesPerLine1", 20, 1, true},
        Boundary{"BytesPerLineZero", 20, 0, false},
        Boundary{"BytesPerLineNegative", 20, static_cast<uint32_t>(-16), false},
        Boundary{"BytesPerLine256", 20, 256, true}, Boundary{"BytesPerLine257", 20, 257, false},
        Boundary{"LinesPerPageZero", 24, 0, false},
        Boundary{"LinesPerPageNegative", 24, kMinusOne, false},
        Boundary{"LinesPerPage256", 24, 256, true},
        Boundary{"LinesPerPageHuge", 24, 0x7FFFFFFF, false},
        Boundary{"AddressWidthZero", 28, 0, true},
        Boundary{"DumpTextGapNegative", 32, kMinusOne, false},
        Boundary{"TextCellWidthZero", 36, 0, false}, Boundary{"InputRadix2", 102, 2, true},
        Boundary{"InputRadix3", 102, 3, false},
        Boundary{"InputRadixNegative", 102, kMinusOne, false},
        Boundary{"ColourWhite", 112, 0x00FFFFFF, true},
        Boundary{"ColourBeyondRgb", 112, 0x01000000, false},
        Boundary{"SystemColour0", 128, 0x80000000, true},
        Boundary{"SystemColour24", 140, 0x80000018, true},
        Boundary{"SystemColour25", 140, 0x80000019, false},
        Boundary{"SeparatorBetweenRanges", 144, 0x7FFFFFFF, false}),
    [](const testing::TestParamInfo<Boundary>& info) { return info.param.name; });

DisplaySettingsRecord WithLayout(int32_t font, int32_t line, int32_t hex, int32_t text,
                                 int32_t bytes, int32_t lines, int32_t address, int32_t gap,
                                 int32_t margin) {
  DisplaySettingsRecord s = DefaultSettings();
  s.FontSize = font;
  s.LineHeight = line;
  s.HexCellWidth = hex;
  s.TextCellWidth = text;
  s.BytesPerLine = bytes;
  s.LinesPerPage = lines;
  s.AddressWidth = address;
  s.DumpTextGap = gap;
  s.TopMargin = s.LeftMargin = margin;
  return s;
}

TEST(SettingsRecord, EverythingTheSettingsWindowMakesIsAccepted) {
  const DisplaySettingsRecord smallest = WithLayout(4, 5, 5, 1, 16, 8, 32, 0, 0);
  const DisplaySettingsRecord largest = WithLayout(32, 43, 189, 157, 48, 96, 384, 128, 128);
  EXPECT_TRUE(DecodeSettings(EncodeSettings(smallest)));
  EXPECT_TRUE(DecodeSettings(EncodeSettings(largest)));
}

TEST(SettingsRecord, FieldsInRangeStillMustFitOnePage) {
  // Each field is within its own range, but the page would be 25068 pixels wide.
  const DisplaySettingsRecord wide = WithLayout(9, 12, 512, 8, 48, 32, 80, 16, 4);
  EXPECT_FALSE(DecodeSettings(EncodeSettings(wide)));
  const DisplaySettingsRecord tall = WithLayout(9, 256, 18, 8, 16, 256, 80, 16, 4);
  EXPECT_FALSE(DecodeSettings(EncodeSettings(tall)));
}

}  // namespace
}  // namespace vx

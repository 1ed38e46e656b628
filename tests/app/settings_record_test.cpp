#include "app/settings/settings_record.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/disk/backup.h"
#include "common/text_case.h"

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
  // A font of 12 with the default spaces, as the settings window stores it.
  s.FontSize = 12;
  s.LineHeight = 15;
  s.HexCellWidth = 24;
  s.AddressWidth = 104;
  s.TextCellWidth = 11;
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

// A stored value the settings window could never make, and what it reads as.
struct Brought {
  const char* name;
  size_t offset;
  uint32_t stored;
  int64_t read;  // the field as read back, through Le32
};

class SettingsRecordBrought : public testing::TestWithParam<Brought> {};

TEST_P(SettingsRecordBrought, IntoTheWindowsRanges) {
  SettingsRecordBytes b = EncodeSettings(DefaultSettings());
  for (int i = 0; i < 4; ++i)
    b[GetParam().offset + i] = static_cast<uint8_t>(GetParam().stored >> 8 * i);
  const std::optional<DisplaySettingsRecord> read = DecodeSettings(b);
  ASSERT_TRUE(read);
  EXPECT_EQ(Le32(EncodeSettings(*read), GetParam().offset),
            static_cast<uint32_t>(GetParam().read));
}

constexpr uint32_t kMinusOne = 0xFFFFFFFF;

// With the default font size 9: the line height is 10..20, the hex cell
// 15..143, the address 72..200 and the text cell 6..134 pixels.
INSTANTIATE_TEST_SUITE_P(
    Fields, SettingsRecordBrought,
    testing::Values(
        Brought{"TopMarginKept", 0, 128, 128}, Brought{"TopMarginNegative", 0, kMinusOne, 0},
        Brought{"LeftMarginHuge", 4, 0x7FFFFFFF, 128}, Brought{"FontSizeZero", 8, 0, 4},
        Brought{"FontSize33", 8, 33, 32}, Brought{"LineHeightZero", 12, 0, 10},
        Brought{"LineHeightMinimumMost", 12, 0x80000000, 10},
        Brought{"LineHeight21", 12, 21, 20}, Brought{"HexCellWidthNegative", 16, kMinusOne, 15},
        Brought{"BytesPerLine20Kept", 20, 20, 20}, Brought{"BytesPerLine1", 20, 1, 16},
        Brought{"BytesPerLine256", 20, 256, 48}, Brought{"LinesPerPageOne", 24, 1, 8},
        Brought{"LinesPerPage50Kept", 24, 50, 50}, Brought{"LinesPerPageHuge", 24, 0x7FFFFFFF, 96},
        Brought{"AddressWidthZero", 28, 0, 72}, Brought{"DumpTextGap129", 32, 129, 128},
        Brought{"TextCellWidthZero", 36, 0, 6}, Brought{"InputRadix2Kept", 102, 2, 2},
        Brought{"InputRadix3", 102, 3, 0}, Brought{"ColourBeyondRgb", 112, 0x01000000, 0},
        Brought{"SystemColour24Kept", 140, 0x80000018, 0x80000018},
        Brought{"SystemColour25", 140, 0x80000019, 0xEFEFEF},
        Brought{"SeparatorBetweenRanges", 144, 0x7FFFFFFF, 0x808080}),
    [](const testing::TestParamInfo<Brought>& info) { return info.param.name; });

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

TEST(SettingsRecord, EverythingTheSettingsWindowMakesIsKept) {
  for (const DisplaySettingsRecord& s : {WithLayout(4, 5, 5, 1, 16, 8, 32, 0, 0),
                                         WithLayout(32, 43, 189, 157, 48, 96, 384, 128, 128)}) {
    EXPECT_EQ(DecodeSettings(EncodeSettings(s)), s);
  }
}

// A field's bytes after a save, when it was read from `stored`.
std::string TextAfterSave(size_t offset, size_t length, const std::string& stored) {
  SettingsRecordBytes b = EncodeSettings(DefaultSettings());
  std::copy(stored.begin(), stored.end(), b.begin() + static_cast<ptrdiff_t>(offset));
  return Bytes(EncodeSettings(*DecodeSettings(b)), offset, length);
}

TEST(SettingsRecord, BytesThatAreNoShiftJisSurviveASave) {
  // A lead byte before a blank, lone bytes no character starts with, a lead
  // byte at the field's end, a pair that is no character.
  for (const std::string& field : {std::string("Arial\x81 Bold") + std::string(39, ' '),
                                  "\x80\xA0\xFD\xFE\xFF" + std::string(45, ' '),
                                  std::string(49, 'a') + "\x9F", "\x85\x40" + std::string(48, ' ')}) {
    EXPECT_EQ(TextAfterSave(52, 50, field), field);
  }
}

// As Windows reads the last part of a name: up to a NUL, without trailing
// blanks and dots.
std::wstring AsWindowsReads(std::wstring name) {
  name = name.substr(0, name.find(L'\0'));
  return name.substr(0, name.find_last_not_of(L" .") + 1);
}

TEST(SettingsRecord, BackUpSuffixThatWouldNotMakeAFileOfItsOwnIsTheDefault) {
  for (const std::string& suffix :
       {std::string(10, ' '), std::string(10, '\0'), std::string(" . . . . .", 10),
        std::string(".txt\0     ", 10), std::string("\\..\\a     "), std::string("/b        "),
        std::string("..        "), std::string(":stream   "), std::string("_BK\x81      ")}) {
    EXPECT_EQ(TextAfterSave(42, 10, suffix), "_VXBackUp ") << suffix;
  }
  EXPECT_EQ(TextAfterSave(42, 10, "_old.     "), "_old.     ");
  EXPECT_EQ(TextAfterSave(42, 10, "\x83\x41       ."), "\x83\x41       .");
}

// Reading records of random bytes, the way a damaged or foreign file would be
// read: every value lands where the window could have put it, a save and a
// second reading change nothing, and the backup name is always a file of its
// own in the same folder.
TEST(SettingsRecord, RandomRecordsReadSaveAndReadAlike) {
  std::mt19937 random(20261208);
  std::uniform_int_distribution<int> byte(0, 255);
  // Bytes that make the ranges' edges likely, not only noise.
  const uint8_t edges[] = {0, 1, 0x7F, 0x80, 0xFF, ' ', '.', '\\', ':', 0x81, 0x40};
  for (int round = 0; round < 3000; ++round) {
    SettingsRecordBytes b{};
    for (uint8_t& x : b) x = round % 2 ? static_cast<uint8_t>(byte(random)) : edges[byte(random) % 11];
    const std::optional<DisplaySettingsRecord> first = DecodeSettings(b);
    ASSERT_TRUE(first);
    const DisplaySettingsRecord& s = *first;
    const SettingsRecordBytes saved = EncodeSettings(s);
    ASSERT_EQ(DecodeSettings(saved), s) << "round " << round;
    EXPECT_EQ(Bytes(saved, 52, 50), Bytes(b, 52, 50)) << "round " << round;

    EXPECT_TRUE(s.FontSize >= 4 && s.FontSize <= 32);
    EXPECT_TRUE(s.BytesPerLine >= 16 && s.BytesPerLine <= 48);
    EXPECT_TRUE(s.LinesPerPage >= 8 && s.LinesPerPage <= 96);
    EXPECT_TRUE(s.TopMargin >= 0 && s.TopMargin <= 128);
    EXPECT_TRUE(s.LineHeight > s.FontSize && s.LineHeight <= s.FontSize + 11);
    EXPECT_TRUE(s.InputRadix >= 0 && s.InputRadix <= 2);

    for (const std::wstring file : {L"C:\\data\\Report.Final.DOC", L"C:\\data\\README",
                                    L"C:\\d.x\\.profile", L"C:\\data\\a.b"}) {
      const std::wstring backup = BackUpPathFor(file, s.BackUpSuffix);
      const size_t mark = file.rfind(L'\\') + 1;
      ASSERT_EQ(backup.substr(0, mark), file.substr(0, mark)) << "round " << round;
      const std::wstring name = AsWindowsReads(backup.substr(mark));
      EXPECT_EQ(name.find_first_of(L"\\/:"), std::wstring::npos) << "round " << round;
      EXPECT_NE(name, L"..");
      EXPECT_NE(LowerCase(name), LowerCase(file.substr(mark))) << "round " << round;
      EXPECT_FALSE(name.empty());
    }
  }
}

}  // namespace
}  // namespace vx

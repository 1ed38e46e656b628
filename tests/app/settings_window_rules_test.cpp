// What the settings window computes without a window: the shown layout
// fields and their stored values, the colour encoding,
// the fixed-length font name and the font list cache "FontData.dat".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/program_globals.h"
#include "app/settings/colour_choice.h"
#include "app/settings/font_cache.h"
#include "app/settings/layout_fields.h"
#include "app/settings/page_geometry.h"
#include "app/settings/settings_record.h"
#include "app/settings/text_field.h"
#include "common/file_seam.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(LayoutFields, DefaultsShowTheDesignedValuesAndAFontSizeChangeKeepsThem) {
  DisplaySettingsRecord s = DefaultSettings();
  const LayoutValues shown = ShownLayoutValues(s);
  EXPECT_EQ(shown, (LayoutValues{2, 4, 2, 3, 16, 32, 8, 16, 2}));
  s.FontSize = 12;
  StoreLayoutValues(s, shown);
  EXPECT_EQ(s.LineHeight, 15);
  EXPECT_EQ(s.HexCellWidth, 24);
  EXPECT_EQ(s.AddressWidth, 104);
  EXPECT_EQ(s.TextCellWidth, 11);
  EXPECT_EQ(ShownLayoutValues(s), shown);
}

TEST(LayoutFields, ValuesOutsideAFieldAreHeldInItsBounds) {
  DisplaySettingsRecord s = DefaultSettings();
  s.TopMargin = 500;     // hidden field, 0..128
  s.BytesPerLine = 20;   // any value in 16..48 is shown as it is
  s.LinesPerPage = 200;  // 8..96
  s.LineHeight = 40;     // shown 30, the field stops at 10
  const LayoutValues shown = ShownLayoutValues(s);
  EXPECT_EQ(shown[0], 128);
  EXPECT_EQ(shown[4], 20);
  EXPECT_EQ(shown[5], 96);
  EXPECT_EQ(shown[2], 10);
  StoreLayoutValues(s, shown);
  EXPECT_EQ(s.TopMargin, 128);
  EXPECT_EQ(s.LeftMargin, 4);
  EXPECT_EQ(s.LineHeight, 20);
}

// Every record the window can make passes the start-up checks and survives
// the file: the smallest and largest layouts, with a stored margin of 1024.
TEST(LayoutFields, EveryLayoutTheWindowCanMakeIsReadBackAtStartUp) {
  for (int32_t font : {kMinFontSize, kMaxFontSize}) {
    for (bool largest : {false, true}) {
      DisplaySettingsRecord s = DefaultSettings();
      s.TopMargin = 1024;
      s.LeftMargin = 1024;
      s.FontSize = font;
      LayoutValues v{};
      for (int i = 0; i < kLayoutFieldCount; ++i) {
        v[i] = largest ? LayoutFields()[i].max : LayoutFields()[i].min;
      }
      StoreLayoutValues(s, v);
      const SettingsRecordBytes bytes = EncodeSettings(s);
      const std::optional<DisplaySettingsRecord> read = DecodeSettings(bytes);
      ASSERT_TRUE(read.has_value()) << font << " " << largest;
      EXPECT_EQ(*read, s);
      if (font == kMaxFontSize && largest) {
        const PageGeometry page = LayOutPage(s);
        EXPECT_EQ(page.picture_width, 17256);
        EXPECT_EQ(page.picture_height, 4260);
      }
    }
  }
}

TEST(ColourChoice, ExplicitColoursAndSystemColourReferences) {
  const ColourParts grey = PartsOf(0x00EFEFEF);
  EXPECT_EQ(grey.red, 239);
  EXPECT_EQ(grey.green, 239);
  EXPECT_EQ(grey.blue, 239);
  const ColourParts mixed = PartsOf(0x00123456);
  EXPECT_EQ(mixed.red, 0x56);
  EXPECT_EQ(mixed.green, 0x34);
  EXPECT_EQ(mixed.blue, 0x12);
  EXPECT_EQ(ColourOf({255, 0, 0}), 0x000000FFu);
  EXPECT_EQ(ColourOf({0, 0, 255}), 0x00FF0000u);
  EXPECT_EQ(SystemColour(24), 0x80000018u);
  EXPECT_TRUE(IsSystemColour(0x80000005));
  EXPECT_EQ(SystemColourElement(0x80000005), 5);
  EXPECT_FALSE(IsSystemColour(0x00FFFFFF));
  EXPECT_TRUE(IsSystemColour(0x01000000));
}

TEST(TextField, ATypedFontNameIsCutToFiftyBytesWithoutHalfACharacter) {
  // 26 double-byte characters are 52 bytes: 25 of them stay.
  const std::wstring wide(26, L'あ');
  EXPECT_EQ(FitTextField(wide, kFontNameLength), PadField(std::wstring(25, L'あ'), 50));
  // 49 bytes and a double-byte character that would take the 50th and 51st.
  const std::wstring straddling = std::wstring(49, L'a') + L'あ';
  EXPECT_EQ(FitShiftJis(straddling, 50), std::string(49, 'a') + ' ');
  EXPECT_EQ(FitTextField(L"ＭＳ ゴシック", 50), PadField(L"ＭＳ ゴシック", 50));
}

const std::string kGothicLine = "\"\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E\"\r\n";

TEST(FontCache, QuotedShiftJisLinesBothWays) {
  const std::vector<std::wstring> names{L"ＭＳ ゴシック", L"Arial", L"IPAGothic"};
  const std::string bytes = EncodeFontList(names);
  EXPECT_EQ(bytes, kGothicLine + "\"Arial\"\r\n\"IPAGothic\"\r\n");
  EXPECT_EQ(DecodeFontList(bytes), names);
}

TEST(FontCache, DamagedFilesGiveWhatCanBeRead) {
  using namespace std::string_literals;
  const std::string long_name(60, 'L');
  const struct {
    std::string bytes;
    std::vector<std::wstring> names;
  } cases[] = {
      {"", {}},
      {"Arial\r\nTahoma", {L"Arial", L"Tahoma"}},  // no quotes, no last line end
      {"\"Arial\"\n\n  \"Tahoma\"  \r\n", {L"Arial", L"Tahoma"}},
      {"\"Unclosed\r\n\"\"\r\n", {L"Unclosed"}},
      {"\"" + long_name + "\"\r\n", {std::wstring(60, L'L')}},
      {"\"A\0B\"\r\n\x01\x02\x03\r\n\"C\""s, {L"C"}},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeFontList(c.bytes), c.names) << c.bytes;
  // 10 MB: a list of many names is cut, one line with no end is dropped.
  std::string many;
  while (many.size() < 10u << 20) many += "\"F\"\r\n";
  EXPECT_EQ(DecodeFontList(many).size(), kMaxCachedFonts);
  EXPECT_TRUE(DecodeFontList(std::string(10u << 20, 'x')).empty());
}

TEST(FontCache, EnumeratedNamesAreKeptOnceAndOnlyWhenShiftJisHoldsThem) {
  EXPECT_EQ(UsableFontNames({L"Arial", L"", L"Arial", L"한글", L"ＭＳ ゴシック", L"Tahoma"}),
            (std::vector<std::wstring>{L"Arial", L"ＭＳ ゴシック", L"Tahoma"}));
}

TEST(FontCache, WrittenIntoAMissingFolderAndReadBackInOrder) {
  const test::TempFolder dir;
  const std::wstring path = dir / L"VXSetting\\FontData.dat";
  EXPECT_TRUE(ReadFontCache(path).empty());
  EXPECT_FALSE(fs::FileExists(path)) << "reading must not make the file";
  const std::vector<std::wstring> names{L"Tahoma", L"ＭＳ ゴシック", L"Arial"};
  ASSERT_TRUE(WriteFontCache(path, names));
  EXPECT_EQ(ReadFontCache(path), names);
  ASSERT_TRUE(WriteFontCache(path, {L"Only"}));
  EXPECT_EQ(ReadFontCache(path), (std::vector<std::wstring>{L"Only"}));
  EXPECT_EQ(test::ReadFileBytes(path).size(), 8u);
}

}  // namespace
}  // namespace vx

#include "app/settings/display_settings.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/program_globals.h"
#include "app/settings/settings_record.h"
#include "common/file_seam.h"
#include "tests/support/message_recorder.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/settings_files.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

const wchar_t kReadFailed[] = L"設定ファイルの読み込みに失敗しました。\r\n初期状態に設定します。";
const wchar_t kSaveFailed[] = L"設定ファイルの保存に失敗しました。";

// Something no load or reset would leave behind by chance.
DisplaySettingsRecord Customised() {
  DisplaySettingsRecord s = DefaultSettings();
  s.BytesPerLine = 48;
  s.LinesPerPage = 8;
  s.FontName = PadField(L"ＭＳ 明朝", kFontNameLength);
  s.SeparatorColor = 0x80000005;
  return s;
}

class DisplaySettingsFile : public testing::Test {
 protected:
  DisplaySettingsFile() { ProgramFolder = dir_.path(); }

  void WriteSettingsFile(const std::vector<uint8_t>& bytes) {
    ASSERT_TRUE(fs::MakeFolder(dir_ / L"VXSetting"));
    test::WriteFileBytes(test::SettingsFile(), bytes);
  }
  void ExpectOnlyMessage(const wchar_t* text) {
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].text, text);
    EXPECT_EQ(messages_.shown()[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(messages_.shown()[0].icon, MsgIcon::None);
  }

  test::KeptProgramSettings kept_;
  test::TempFolder dir_;
  test::MessageRecorder messages_;
};

TEST_F(DisplaySettingsFile, FirstStartMakesFolderAndDefaultFileSilently) {
  DisplaySettings = Customised();
  LoadSettings();
  EXPECT_EQ(DisplaySettings, DefaultSettings());
  EXPECT_TRUE(fs::FolderExists(dir_ / L"VXSetting"));
  EXPECT_EQ(test::ReadFileBytes(test::SettingsFile()), test::EncodedSettings(DefaultSettings()));
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(DisplaySettingsFile, SavedSettingsLoadBack) {
  WriteSettingsFile(std::vector<uint8_t>(300, 0x41));  // replaced, not overwritten
  DisplaySettings = Customised();
  SaveSettings();
  EXPECT_EQ(test::ReadFileBytes(test::SettingsFile()).size(), kSettingsRecordSize);

  SetDefaultSettings();
  LoadSettings();
  EXPECT_EQ(DisplaySettings, Customised());
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(DisplaySettingsFile, LongerFileIsReadFromItsStart) {
  std::vector<uint8_t> bytes = test::EncodedSettings(Customised());
  bytes.resize(bytes.size() + 20, 0);
  WriteSettingsFile(bytes);
  LoadSettings();
  EXPECT_EQ(DisplaySettings, Customised());
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(DisplaySettingsFile, ShortFilesAreReportedAndReplacedByDefaults) {
  std::vector<uint8_t> short_file = test::EncodedSettings(DefaultSettings());
  short_file.pop_back();
  for (const auto& bytes : {short_file, {}}) {
    SCOPED_TRACE(bytes.size());
    WriteSettingsFile(bytes);
    messages_.Clear();
    DisplaySettings = Customised();
    LoadSettings();
    ExpectOnlyMessage(kReadFailed);
    EXPECT_EQ(DisplaySettings, DefaultSettings());
    EXPECT_EQ(test::ReadFileBytes(test::SettingsFile()), test::EncodedSettings(DefaultSettings()));
  }
}

TEST_F(DisplaySettingsFile, ValuesOutOfRangeAreBroughtInSilently) {
  DisplaySettingsRecord stored = Customised();
  stored.BytesPerLine = 1;
  stored.LinesPerPage = -1;
  WriteSettingsFile(test::EncodedSettings(stored));
  LoadSettings();
  DisplaySettingsRecord expected = Customised();
  expected.BytesPerLine = 16;
  expected.LinesPerPage = 8;
  EXPECT_EQ(DisplaySettings, expected);
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(DisplaySettingsFile, SaveFailureIsReportedAndTheRecordKept) {
  // A file where the settings folder belongs: nothing can be made below it,
  // and no folder of the user's own to go to.
  test::WriteFileBytes(dir_ / L"VXSetting", {0});
  const test::ScopedEnvironment no_appdata(L"APPDATA", std::nullopt);
  DisplaySettings = Customised();
  SaveSettings();
  ExpectOnlyMessage(kSaveFailed);
  EXPECT_EQ(DisplaySettings, Customised());
}

TEST(GetFontName, TrailingBlanksAndNulsGoAndShortRemaindersAreEmpty) {
  const DisplaySettingsRecord saved = DisplaySettings;
  struct Case {
    std::wstring stored;
    std::wstring name;
  };
  const Case cases[] = {
      {L"ＭＳ ゴシック", L"ＭＳ ゴシック"},
      {std::wstring(L"Arial\0 \0", 8), L"Arial"},
      {L"AB", L"AB"},
      {L"A", L""},
      {L"", L""},
  };
  for (const Case& c : cases) {
    DisplaySettings.FontName = PadField(c.stored, kFontNameLength);
    EXPECT_EQ(GetFontName(), c.name) << c.stored.size();
  }
  DisplaySettings.FontName = std::wstring(kFontNameLength - 1, L' ') + L'X';
  EXPECT_EQ(GetFontName(), DisplaySettings.FontName);
  DisplaySettings = saved;
}

}  // namespace
}  // namespace vx

// Where the settings are kept: beside the program when it may write there,
// else in the user's own application-data folder; a readable record is read
// wherever it lies.
#include "app/settings/settings_folder.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/settings/font_cache.h"
#include "app/settings/settings_record.h"
#include "common/file_seam.h"
#include "tests/support/message_recorder.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/settings_files.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

DisplaySettingsRecord Customised(int32_t lines) {
  DisplaySettingsRecord s = DefaultSettings();
  s.LinesPerPage = lines;
  return s;
}

class SettingsFolderTest : public testing::Test {
 protected:
  SettingsFolderTest() {
    ProgramFolder = dir_ / L"prog\\";
    fs::MakeFolder(ProgramFolder);
  }
  ~SettingsFolderTest() override { SetFolderWriteCheck({}); }

  // The folders named here cannot be written, as for a standard user below
  // the program-files folder; the decision is taken afresh.
  void CannotWrite(std::set<std::wstring> folders) {
    SetFolderWriteCheck([folders](const std::wstring& f) { return !folders.count(f); });
  }

  std::wstring program() const { return ProgramFolder + L"VXSetting\\"; }
  std::wstring user() const { return dir_ / L"appdata\\Morvane Soft\\Vantelox\\VXSetting\\"; }

  test::KeptProgramSettings kept_;
  test::TempFolder dir_;
  test::ScopedEnvironment appdata_{L"APPDATA", dir_ / L"appdata"};
  test::MessageRecorder messages_;
};

TEST_F(SettingsFolderTest, FirstStartKeepsEverythingInTheFolderThatCanBeWritten) {
  struct Case {
    const char* name;
    bool program_writable;
    bool user_writable;
    bool in_program;  // else in the user's folder
  };
  const Case cases[] = {{"StickOrOwnFolder", true, true, true},
                        {"InstalledForAStandardUser", false, true, false},
                        {"NowhereWritable", false, false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::RemoveTree(dir_ / L"appdata");
    test::RemoveTree(program());
    std::set<std::wstring> unwritable;
    if (!c.program_writable) unwritable.insert(program());
    if (!c.user_writable) unwritable.insert(user());
    // Nowhere writable for real: a file where the settings folder belongs.
    if (!c.program_writable && !c.user_writable) {
      test::WriteFileBytes(ProgramFolder + L"VXSetting", {0});
    }
    CannotWrite(unwritable);
    messages_.Clear();

    const std::wstring used = c.in_program ? program() : user();
    EXPECT_EQ(SettingsFolder(), used);
    EXPECT_EQ(FontCachePath(), used + L"FontData.dat");
    LoadSettings();
    EXPECT_EQ(DisplaySettings, DefaultSettings());
    const bool saved = c.program_writable || c.user_writable;
    EXPECT_EQ(fs::FileExists(used + L"Setting.dat"), saved);
    EXPECT_FALSE(fs::FileExists((c.in_program ? user() : program()) + L"Setting.dat"));
    // The only message is for settings that truly cannot be kept anywhere.
    ASSERT_EQ(messages_.shown().size(), saved ? 0u : 1u);
    if (!saved) {
      EXPECT_EQ(messages_.shown()[0].text, L"設定ファイルの保存に失敗しました。");
    }
    // The disk-speed test writes where it can: beside the file when the
    // settings cannot be written anywhere.
    EXPECT_EQ(SpeedTestFolder(L"\\data\\file.bin"), saved ? used : L"\\data\\");
    fs::RemoveFile(ProgramFolder + L"VXSetting");
  }
}

TEST_F(SettingsFolderTest, ReadableRecordBesideTheProgramIsReadAndTheUsersOwnKeptAfterwards) {
  ASSERT_TRUE(fs::MakeFolder(program()));
  test::WriteFileBytes(program() + L"Setting.dat", test::EncodedSettings(Customised(48)));
  CannotWrite({program()});

  LoadSettings();
  EXPECT_EQ(DisplaySettings, Customised(48));
  DisplaySettings.LinesPerPage = 64;
  SaveSettings();
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ(test::ReadFileBytes(program() + L"Setting.dat"), test::EncodedSettings(Customised(48)));
  EXPECT_EQ(test::ReadFileBytes(user() + L"Setting.dat"), test::EncodedSettings(Customised(64)));

  // The next run reads the user's own record, not the one beside the program.
  CannotWrite({program()});
  SetDefaultSettings();
  LoadSettings();
  EXPECT_EQ(DisplaySettings, Customised(64));
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(SettingsFolderTest, AFolderThatCannotBeMadeIsFoundByTheRealCheck) {
  // A file where the settings folder belongs: nothing can be made below it.
  test::WriteFileBytes(ProgramFolder + L"VXSetting", {0});
  EXPECT_FALSE(CanWriteSettingsIn(program()));
  EXPECT_TRUE(CanWriteSettingsIn(user()));
  // The check leaves nothing behind.
  EXPECT_TRUE(fs::ListFolder(user()).empty());
  SetFolderWriteCheck({});
  EXPECT_EQ(SettingsFolder(), user());
}

}  // namespace
}  // namespace vx

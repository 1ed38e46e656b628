// Share modes exist on Windows only, so only there can another program hold
// the settings file against us.
#include <gtest/gtest.h>

#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/settings/settings_record.h"
#include "common/file_seam.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(DisplaySettingsLocked, HeldFileGivesBothMessagesAndTheDefaults) {
  test::TempFolder dir;
  const std::wstring saved_folder = ProgramFolder;
  ProgramFolder = dir.path();
  ASSERT_TRUE(fs::MakeFolder(dir / L"VXSetting"));
  const std::wstring path = dir / L"VXSetting\\Setting.dat";
  DisplaySettingsRecord stored = DefaultSettings();
  stored.BytesPerLine = 32;
  const SettingsRecordBytes bytes = EncodeSettings(stored);
  test::WriteFileBytes(path, {bytes.begin(), bytes.end()});

  {
    fs::File holder = fs::OpenFile(path, false, fs::Share::Read);
    ASSERT_TRUE(holder);
    test::MessageRecorder messages;
    DisplaySettings = stored;
    LoadSettings();
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].text,
              L"設定ファイルの読み込みに失敗しました。\r\n初期状態に設定します。");
    EXPECT_EQ(messages.shown()[1].text, L"設定ファイルの保存に失敗しました。");
    EXPECT_EQ(DisplaySettings, DefaultSettings());
  }
  EXPECT_EQ(test::ReadFileBytes(path), std::vector<uint8_t>(bytes.begin(), bytes.end()));
  ProgramFolder = saved_folder;
  SetDefaultSettings();
}

}  // namespace
}  // namespace vx

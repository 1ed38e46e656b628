// The settings kept beside "Setting.dat": written and read back, a file of
// another version or a damaged one read as far as it can be, and the record
// beside it never touched.
#include "app/settings/view_settings.h"

#include <gtest/gtest.h>

#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/settings/settings_folder.h"
#include "app/settings/settings_record.h"
#include "common/file_seam.h"
#include "tests/support/settings_files.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(ViewSettings, ReadBackAsWrittenAndForgivingOfOtherFiles) {
  const ViewSettings chosen{true, std::pair{-1200, 340}, true, 4, true};
  EXPECT_EQ(ParseViewSettings(FormatViewSettings(chosen)), chosen);
  EXPECT_EQ(ParseViewSettings(FormatViewSettings({})), ViewSettings{});

  // Names of a later version are passed over, unreadable values keep their
  // defaults, and a place needs both its corners' numbers.
  const ViewSettings read = ParseViewSettings(
      "Future=7\nInspectorShown=1\nTextEncoding=x\nInspectorLeft=5\nControlDots=1\r\n"
      "garbage line\nInspectorBigEndian=2");
  EXPECT_TRUE(read.inspector_shown);
  EXPECT_EQ(read.text_encoding, 0);
  EXPECT_FALSE(read.inspector_place);
  EXPECT_TRUE(read.control_dots);
  EXPECT_FALSE(read.inspector_big_endian);
}

TEST(ViewSettings, KeptInTheSettingsFolderBesideAnUnchangedRecord) {
  test::KeptProgramSettings kept;
  test::TempFolder dir;
  ProgramFolder = dir / L"prog\\";
  fs::MakeFolder(ProgramFolder);
  SetDefaultSettings();
  SaveSettings();
  const std::vector<uint8_t> record = test::ReadFileBytes(SettingsFolder() + L"Setting.dat");
  ASSERT_EQ(record.size(), kSettingsRecordSize);

  LoadViewSettings();
  EXPECT_EQ(ViewOptions, ViewSettings{});
  ViewOptions = {true, std::pair{10, 20}, false, 6, false};
  ASSERT_TRUE(SaveViewSettings());
  ViewOptions = {};
  LoadViewSettings();
  EXPECT_EQ(ViewOptions, (ViewSettings{true, std::pair{10, 20}, false, 6, false}));
  EXPECT_EQ(test::ReadFileBytes(SettingsFolder() + L"Setting.dat"), record);
  ViewOptions = {};
}

}  // namespace
}  // namespace vx

// The editor's files under simulated power cuts: the ones written whole (the
// settings, the font list, the view options, the bookmarks, the backup and
// the restore) and the overwrite of one byte. After a cut at any instant and
// the next start, each file is as before the command or as after it; a
// temporary a cut left beside a file is never read, and the next write of
// the file puts the new one in place without it.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/disk/backup.h"
#include "app/disk/copy_names.h"
#include "app/disk/recovery.h"
#include "app/document/bookmark_file.h"
#include "app/document/bookmarks.h"
#include "app/file/edited_file.h"
#include "app/file/mapped_file.h"
#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/settings/font_cache.h"
#include "app/settings/settings_folder.h"
#include "app/settings/view_settings.h"
#include "common/clock.h"
#include "common/whole_file.h"
#include "tests/support/message_recorder.h"
#include "tests/support/power_cut.h"
#include "tests/support/progress_recorder.h"
#include "tests/support/settings_files.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_bytes.h"

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;

// A folder with the program's settings folder in it, a bystander file in
// each, and the records kept on disk there as the program keeps them.
class PowerCutFiles : public testing::Test {
 protected:
  PowerCutFiles() {
    ProgramFolder = dir_.path();
    settings_ = SettingsFolder();  // decided now, not under the recording
    test::WriteFileBytes(settings_ + L"Other.dat", {7, 7});
    test::WriteFileBytes(dir_ / L"bystander.bin", {8});
    SetRecoveryFolder(settings_);
  }
  ~PowerCutFiles() override {
    SetRecoveryFolder(L"");
    SetDefaultSettings();
  }

  // Runs `save` under cuts; at each cut state every file is before or after
  // (temporaries aside), and saving again then leaves exactly the after.
  void ExpectWholeFileSave(const std::string& command, const std::function<void()>& save,
                           const std::vector<std::wstring>& targets) {
    test::PowerCutCase cut(command, {dir_.path()}, save);
    cut.check = [&](const test::CutRecorder& recording) {
      std::string failed = test::EachFileBeforeOrAfter(recording, [&](const std::wstring& name) {
        return std::any_of(targets.begin(), targets.end(), [&](const std::wstring& target) {
          return name == WholeFileTempName(target);
        });
      });
      if (!failed.empty()) return failed;
      save();
      return test::FilesDiffer("saving again", recording.ReadDisk(), recording.After());
    };
    EXPECT_TRUE(test::RunPowerCuts(cut));
  }

  test::KeptProgramSettings kept_;
  test::TempFolder dir_;
  test::MessageRecorder messages_;
  std::wstring settings_;
};

TEST_F(PowerCutFiles, SettingsSave) {
  SaveSettings();
  DisplaySettings.BytesPerLine = 32;
  DisplaySettings.FontName = PadField(L"ＭＳ 明朝", kFontNameLength);
  ExpectWholeFileSave("settings save", SaveSettings, {settings_ + L"Setting.dat"});
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(PowerCutFiles, FontDataSave) {
  const std::wstring path = FontCachePath();
  ASSERT_TRUE(WriteFontCache(path, {L"ＭＳ ゴシック", L"Arial"}));
  std::vector<std::wstring> many;
  for (int i = 0; i < 60; ++i) many.push_back(L"Font number " + std::to_wstring(i));
  ExpectWholeFileSave("FontData save", [&] { ASSERT_TRUE(WriteFontCache(path, many)); }, {path});
}

TEST_F(PowerCutFiles, ViewSettingSave) {
  ASSERT_TRUE(SaveViewSettings());
  ViewOptions.inspector_shown = true;
  ViewOptions.inspector_place = std::make_pair(120, -40);
  ViewOptions.control_dots = true;
  ExpectWholeFileSave("ViewSetting save", [] { ASSERT_TRUE(SaveViewSettings()); },
                      {settings_ + L"ViewSetting.ini"});
}

TEST_F(PowerCutFiles, BookmarksSave) {
  const std::wstring file = L"C:\\data\\image.bin";
  ASSERT_TRUE(SaveBookmarks(settings_, file, {{1, L"one"}}));
  std::vector<Bookmark> marks;
  for (int i = 0; i < 40; ++i) marks.push_back({i * 16, L"mark " + std::to_wstring(i)});
  ExpectWholeFileSave("bookmarks save", [&] { ASSERT_TRUE(SaveBookmarks(settings_, file, marks)); },
                      {settings_ + kBookmarkFileName});
}

// One byte cannot be torn: the file holds the old byte or the new one.
TEST_F(PowerCutFiles, Overwrite) {
  const std::wstring path = dir_ / L"edited.bin";
  test::WriteFileBytes(path, test::PatternBytes(3000));
  test::PowerCutCase cut("overwrite", {dir_.path()},
                         [&] { ASSERT_TRUE(EditedFile(path).Overwrite(1500, 0xEE).has_value()); });
  EXPECT_TRUE(test::RunPowerCuts(cut));
}

// The backup and the restore: the next start's repair clears a half copy
// whose record survived; one whose record was lost is a stale temporary,
// written afresh by the next copy. The record itself is the repair's to
// judge, not compared here.
class PowerCutCopies : public PowerCutFiles {
 protected:
  PowerCutCopies() {
    test::WriteFileBytes(path_, test::PatternBytes(5000));
    suffix_ = DefaultSettings().BackUpSuffix;
    backup_ = BackUpPathFor(path_, suffix_);
    // Each reading a second on: the disk-speed test ends after one round.
    SetPreciseClockHandler([this] { return now_ += 1; });
  }
  ~PowerCutCopies() override { SetPreciseClockHandler({}); }
  bool IgnoredName(const std::wstring& name) const {
    return name.starts_with(settings_ + L"Recovery") || name == BackUpTempPath(backup_) ||
           name == RestoreTempPath(path_);
  }
  void ExpectCopyCommand(const std::string& command, const std::function<void()>& copy) {
    test::PowerCutCase cut(command, {dir_.path()}, copy);
    cut.check = [&](const test::CutRecorder& recording) {
      RepairLeftRecords();
      std::string failed = test::EachFileBeforeOrAfter(
          recording, [&](const std::wstring& n) { return IgnoredName(n); });
      if (!failed.empty()) return failed;
      copy();
      const test::DiskState after = recording.After();
      for (const auto& [name, bytes] : recording.ReadDisk().files) {
        if (IgnoredName(name)) continue;
        if (!after.files.count(name) || after.files.at(name) != bytes) {
          return "copying again left " + std::string(name.begin(), name.end()) + " unlike one copy";
        }
      }
      return std::string();
    };
    cut.random_states = 4;
    EXPECT_TRUE(test::RunPowerCuts(cut));
  }

  std::wstring path_ = dir_ / L"edited.bin";
  std::wstring suffix_;
  std::wstring backup_;
  double now_ = 0;
  // The disk-speed test's scratch file goes outside the recorded folder.
  test::TempFolder speed_test_;
};

TEST_F(PowerCutCopies, BackUp) {
  test::WriteFileBytes(backup_, {1, 2, 3});  // an earlier backup, replaced whole
  ExpectCopyCommand("backup", [&] {
    ASSERT_EQ(
        MakeBackUp(EditedFile(path_), 5000, suffix_, speed_test_.path(), test::IgnoreProgress),
        BackUpOutcome::Made);
  });
}

TEST_F(PowerCutCopies, Restore) {
  Bytes older = test::PatternBytes(4000);
  std::reverse(older.begin(), older.end());
  test::WriteFileBytes(backup_, older);
  ExpectCopyCommand("restore", [&] {
    ASSERT_EQ(RestoreFromBackUp(EditedFile(path_), backup_), RestoreOutcome::Restored);
  });
}

// The records are mapped files, their sizes no whole number of sectors:
// stores into a view are writes the cut may lose up to its flush, the last
// short sector included.
TEST(PowerCutSimulator, RecordsAMappedViewsStoresToItsLastShortSector) {
  test::TempFolder dir;
  const std::wstring name = dir / L"record.dat";
  constexpr size_t kSize = 1000;  // one whole sector and one of 488 bytes
  test::CutRecorder recording({dir.path()});
  {
    MappedFile mapped = MappedFile::Create(name, kSize);
    ASSERT_TRUE(mapped);
    std::fill(mapped.data() + 400, mapped.data() + kSize, uint8_t{5});
    ASSERT_TRUE(mapped.Flush());
    mapped.data()[kSize - 1] = 6;
    mapped.Close();
  }
  recording.Stop();
  Bytes flushed(kSize, 0);
  std::fill(flushed.begin() + 400, flushed.end(), uint8_t{5});
  Bytes last = flushed;
  last.back() = 6;
  std::mt19937_64 random(3);
  const size_t all = recording.EventCount();
  EXPECT_EQ(recording.StateAfterCut(all, test::CutKeeps::Everything, random).files.at(name), last);
  EXPECT_EQ(recording.StateAfterCut(all, test::CutKeeps::Nothing, random).files.at(name), flushed);
}

}  // namespace
}  // namespace vx

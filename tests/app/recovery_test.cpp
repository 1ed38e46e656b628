#include "app/edit/recovery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "app/edit/backup.h"
#include "app/edit/edit_texts.h"
#include "app/edit/recovery_texts.h"
#include "app/settings/display_settings.h"
#include "common/clock.h"
#include "common/file_seam.h"
#include "tests/app/faulty_file.h"
#include "tests/support/message_recorder.h"
#include "tests/support/progress_recorder.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_bytes.h"

namespace vx {
namespace {

using test::Bytes;
using test::StoppedMove;

std::vector<std::wstring> FolderNames(const std::wstring& folder) {
  std::vector<std::wstring> names;
  for (const auto& entry : fs::ListFolder(folder)) names.push_back(entry.name);
  std::sort(names.begin(), names.end());
  return names;
}

// A folder of records and a file to edit, as the program has them.
class RecoveryTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::MakeFolder(records_));
    SetRecoveryFolder(records_);
    test::WriteFileBytes(file_, before_);
  }
  void TearDown() override { SetRecoveryFolder(L""); }

  // What a program killed at `stop` of `move` leaves: the file as it was
  // then, and the record in the folder.
  void LeaveStoppedMove(const StoppedMove& move, test::StopPoint stop) {
    test::FaultyFile memory(before_);
    LiveRecord live(move.insertion ? RecordKind::Insertion : RecordKind::Deletion, file_, L"");
    ASSERT_TRUE(live.kept_on_disk());
    ASSERT_TRUE(move.Run(memory, live.record(), stop));
    live.Keep();
    test::WriteFileBytes(file_, memory.bytes());
  }

  test::TempFolder dir_;
  test::MessageRecorder messages_;
  const std::wstring records_ = dir_ / L"VXSetting\\";
  const std::wstring file_ = dir_ / L"data.bin";
  const Bytes before_ = test::PatternBytes(3 * 4096 + 10);
};

TEST_F(RecoveryTest, AStoppedMoveIsRepairedAtTheNextStartAndSaysHow) {
  for (const StoppedMove move : {StoppedMove{true, 99}, StoppedMove{false, 99}}) {
    for (const test::StopPoint stop : {test::StopPoint{1, false}, test::StopPoint{3, true}}) {
      SCOPED_TRACE(testing::Message() << "insertion " << move.insertion << " stop " << stop.change);
      test::WriteFileBytes(file_, before_);
      messages_.Clear();
      LeaveStoppedMove(move, stop);
      const std::vector<RepairReport> reports = RepairLeftRecords();
      ASSERT_EQ(reports.size(), 1u);
      EXPECT_EQ(test::ReadFileBytes(file_),
                reports[0].result == RepairResult::After ? move.After(before_) : before_);
      ASSERT_EQ(messages_.shown().size(), 1u);
      EXPECT_EQ(messages_.shown()[0].text, RepairMessage(reports[0]));
      EXPECT_EQ(messages_.shown()[0].icon, MsgIcon::Information);
      EXPECT_TRUE(FolderNames(records_).empty());
    }
  }
  EXPECT_EQ(RepairMessage({RecordKind::Insertion, RepairResult::After, L"C:\\d\\a.bin", L""}),
            L"前回、挿入の途中でプログラムが終了しました。\r\n"
            L"ファイルを挿入後の状態に修復しました。\r\n"
            L"ファイル：C:\\d\\a.bin");
}

TEST_F(RecoveryTest, AFileThatNoLongerFitsIsLeftAloneAndTheDetailsAreKept) {
  const struct {
    const char* what;
    std::function<void()> change;
  } cases[] = {
      {"changed", [&] { test::WriteFileBytes(file_, test::CountingBytes(before_.size() + 1)); }},
      {"deleted", [&] { fs::RemoveFile(file_); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::WriteFileBytes(file_, before_);
    messages_.Clear();
    LeaveStoppedMove({false, 99}, {3, true});
    c.change();
    const Bytes left = test::ReadFileBytes(file_);
    const std::vector<RepairReport> reports = RepairLeftRecords();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].result, RepairResult::NotMatching);
    EXPECT_EQ(test::ReadFileBytes(file_), left);
    ASSERT_EQ(messages_.shown().size(), 1u);
    const std::wstring& text = messages_.shown()[0].text;
    EXPECT_NE(text.find(recovery_texts::kNotMatching), std::wstring::npos) << c.what;
    EXPECT_TRUE(text.ends_with(std::wstring(recovery_texts::kDetailsAt) + reports[0].details));
    // The record is kept aside, with its details where the message says.
    const std::vector<std::wstring> names = FolderNames(records_);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_TRUE(names[0].ends_with(L".old") && names[1].ends_with(L".txt"));
    EXPECT_EQ(records_ + names[1], reports[0].details);
    const Bytes details = test::ReadFileBytes(reports[0].details);
    ASSERT_GE(details.size(), 2u);
    EXPECT_EQ(details[0], 0xFF);  // UTF-16 with its mark
    EXPECT_EQ(details[1], 0xFE);
    std::u16string units((details.size() - 2) / 2, u'\0');
    std::memcpy(units.data(), details.data() + 2, 2 * units.size());
    const std::wstring read = FromUtf16Units(units);
    EXPECT_NE(read.find(std::wstring(recovery_texts::kFileAt) + file_), std::wstring::npos);
    EXPECT_NE(read.find(records_ + names[0]), std::wstring::npos);
    // Nothing is asked again at the next start.
    messages_.Clear();
    EXPECT_TRUE(RepairLeftRecords().empty());
    EXPECT_TRUE(messages_.shown().empty());
    test::RemoveTree(records_);
    ASSERT_TRUE(fs::MakeFolder(records_));
  }
}

TEST_F(RecoveryTest, RecordsThatSayNothingGoQuietlyAndAHeldOneIsLeftAlone) {
  test::WriteFileBytes(records_ + L"Recovery1-1.dat", {});  // killed as it was made
  {
    // Killed after its edit ended, before the record was removed.
    LiveRecord ended(RecordKind::RestoreCopy, file_, file_ + L".tmp");
    ended.record().End();
    ended.Keep();
  }
  {
    // A copy that was killed before it began or after its rename.
    LiveRecord copy(RecordKind::BackUpCopy, file_, file_ + L".part");
    copy.Keep();
  }
  LiveRecord held(RecordKind::Insertion, file_, L"");  // another program's edit, running
  held.record().Begin(RecordKind::Insertion, 1, 0, 0);
  EXPECT_TRUE(RepairLeftRecords().empty());
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ(FolderNames(records_).size(), 1u);
  EXPECT_EQ(test::ReadFileBytes(file_), before_);
}

TEST_F(RecoveryTest, AHalfCopyIsRemovedAndSaidSo) {
  const std::wstring half = dir_ / L"data.bin.part";
  for (const RecordKind kind : {RecordKind::BackUpCopy, RecordKind::RestoreCopy}) {
    messages_.Clear();
    test::WriteFileBytes(half, {1, 2});
    {
      LiveRecord copy(kind, file_, half);
      copy.Keep();
    }
    ASSERT_EQ(RepairLeftRecords().size(), 1u);
    EXPECT_FALSE(fs::FileExists(half));
    EXPECT_EQ(test::ReadFileBytes(file_), before_);
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].text,
              std::wstring(kind == RecordKind::BackUpCopy ? recovery_texts::kBackUpStopped
                                                           : recovery_texts::kRestoreStopped) +
                  L"\r\n" + recovery_texts::kFileAt + file_);
    EXPECT_TRUE(FolderNames(records_).empty());
  }
}

TEST_F(RecoveryTest, ABackUpLeavesNeitherItsHalfNameNorItsRecord) {
  SetPreciseClockHandler([] { return 0.0; });  // a fast disk: no question
  EXPECT_EQ(MakeBackUp(EditedFile(file_), static_cast<int64_t>(before_.size()),
                       DefaultSettings().BackUpSuffix, records_, test::IgnoreProgress),
            BackUpOutcome::Made);
  SetPreciseClockHandler({});
  EXPECT_EQ(FolderNames(dir_.path()),
            (std::vector<std::wstring>{L"VXSetting", L"data.bin", L"data_VXBackUp .bin"}));
  EXPECT_TRUE(FolderNames(records_).empty());
  EXPECT_EQ(RestoreFromBackUp(EditedFile(file_), dir_ / L"data_VXBackUp .bin"),
            RestoreOutcome::Restored);
  EXPECT_EQ(FolderNames(dir_.path()).size(), 3u);
  EXPECT_TRUE(FolderNames(records_).empty());
}

TEST(RecoveryRecord, AnUnreadableRecordIsSetAsideAndSaidSo) {
  test::TempFolder dir;
  test::MessageRecorder messages;
  SetRecoveryFolder(dir.path());
  Bytes garbage(400, 0);
  std::memcpy(garbage.data(), "VXRecov1", 8);
  garbage[8] = 9;  // no such kind
  test::WriteFileBytes(dir / L"Recovery7-1.dat", garbage);
  ASSERT_EQ(RepairLeftRecords().size(), 1u);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_TRUE(messages.shown()[0].text.starts_with(recovery_texts::kUnreadable));
  EXPECT_TRUE(fs::FileExists(dir / L"Recovery7-1.old"));
  SetRecoveryFolder(L"");
}

}  // namespace
}  // namespace vx

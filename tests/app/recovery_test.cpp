#include "app/disk/recovery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <random>

#include "app/disk/backup.h"
#include "app/disk/copy_names.h"
#include "app/edit/edit_texts.h"
#include "app/disk/recovery_texts.h"
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
    LiveRecord live(move.insertion ? RecordKind::Insertion : RecordKind::Deletion, file_, L"",
                    RecordedCommand::Itself, move.block);
    ASSERT_TRUE(live.kept_on_disk());
    ASSERT_TRUE(move.Run(memory, live.record(), stop));
    live.Keep();
    test::WriteFileBytes(file_, memory.bytes());
  }

  test::TempFolder dir_;
  test::MessageRecorder messages_;
  const std::wstring records_ = dir_ / L"VXSetting\\";
  const std::wstring file_ = dir_ / L"data.bin";
  const Bytes before_ = test::PatternBytes(3 * test::kTestBlock + 10);
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
}

// The message names the command that was cut short, what the file is now,
// and that the history of the killed program is gone.
TEST(RecoveryMessage, SaysWhichCommandStoppedAndWhatTheFileIsNow) {
  namespace t = recovery_texts;
  const struct {
    RecordKind kind;
    RecordedCommand command;
    RepairResult result;
    const wchar_t* stopped;
    const wchar_t* now;
  } cases[] = {
      {RecordKind::Insertion, RecordedCommand::Itself, RepairResult::After, t::kInsertStopped,
       t::kInsertFinished},
      {RecordKind::Deletion, RecordedCommand::Itself, RepairResult::Before, t::kDeleteStopped,
       t::kDeleteTakenBack},
      // Undoing an insertion deletes a byte: it is still called Undo.
      {RecordKind::Deletion, RecordedCommand::Undo, RepairResult::After, t::kUndoStopped,
       t::kUndoFinished},
      {RecordKind::Insertion, RecordedCommand::Undo, RepairResult::Before, t::kUndoStopped,
       t::kUndoTakenBack},
      {RecordKind::Insertion, RecordedCommand::Redo, RepairResult::After, t::kRedoStopped,
       t::kRedoFinished},
      {RecordKind::Deletion, RecordedCommand::Redo, RepairResult::Before, t::kRedoStopped,
       t::kRedoTakenBack},
      // A range edit is named neither an insertion nor a deletion.
      {RecordKind::Range, RecordedCommand::Itself, RepairResult::After, t::kRangeStopped,
       t::kRangeFinished},
      {RecordKind::Range, RecordedCommand::Itself, RepairResult::Before, t::kRangeStopped,
       t::kRangeTakenBack},
      {RecordKind::Range, RecordedCommand::Undo, RepairResult::Before, t::kUndoStopped,
       t::kUndoTakenBack},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RepairMessage({c.kind, c.result, L"C:\\d\\a.bin", L"", c.command}),
              std::wstring(c.stopped) + L"\r\n" + c.now + L"\r\n" + t::kHistoryAfresh +
                  L"\r\n" + t::kFileAt + L"C:\\d\\a.bin");
  }
  EXPECT_EQ(RepairMessage({RecordKind::Insertion, RepairResult::NotMatching, L"C:\\a", L"C:\\r.txt",
                           RecordedCommand::Undo}),
            std::wstring(t::kUndoStopped) + L"\r\n" + t::kNotMatching + L"\r\n" + t::kFileAt +
                L"C:\\a\r\n" + t::kDetailsAt + L"C:\\r.txt");
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
    LiveRecord ended(RecordKind::RestoreCopy, file_, RestoreTempPath(file_));
    ended.record().End();
    ended.Keep();
  }
  {
    // A copy that was killed before it began or after its rename.
    LiveRecord copy(RecordKind::BackUpCopy, file_, BackUpTempPath(dir_ / L"data_b.bin"));
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
  for (const RecordKind kind : {RecordKind::BackUpCopy, RecordKind::RestoreCopy}) {
    const std::wstring half = kind == RecordKind::BackUpCopy
                                  ? BackUpTempPath(BackUpPathFor(file_, L"_VXBackUp "))
                                  : RestoreTempPath(file_);
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
    const bool backup = kind == RecordKind::BackUpCopy;
    EXPECT_EQ(messages_.shown()[0].text,
              std::wstring(backup ? recovery_texts::kBackUpStopped : recovery_texts::kRestoreStopped) +
                  L"\r\n" +
                  (backup ? recovery_texts::kBackUpHalfRemoved : recovery_texts::kRestoreHalfRemoved) +
                  L"\r\n" + recovery_texts::kFileAt + file_);
    EXPECT_TRUE(FolderNames(records_).empty());
  }
}

TEST_F(RecoveryTest, ABackUpLeavesNeitherItsHalfNameNorItsRecord) {
  // A fast disk: no question.
  SetPreciseClockHandler([now = 0.0]() mutable { return now += kSpeedTestSeconds / 4; });
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

// A block size that no version writes makes the record unreadable: it is
// set aside and its file left as it is.
TEST_F(RecoveryTest, ARecordWithABlockSizeNoVersionWritesIsSetAsideUntouched) {
  for (const uint32_t block : {uint32_t{3000}, uint32_t{4097}, uint32_t{2} << 20, ~uint32_t{0}}) {
    SCOPED_TRACE(block);
    test::WriteFileBytes(file_, before_);
    messages_.Clear();
    LeaveStoppedMove({false, 99}, {3, true});
    const std::wstring name = records_ + FolderNames(records_)[0];
    Bytes bytes = test::ReadFileBytes(name);
    constexpr size_t kBlockSizeAt = 48;
    std::memcpy(bytes.data() + kBlockSizeAt, &block, sizeof block);
    test::WriteFileBytes(name, bytes);
    const Bytes left = test::ReadFileBytes(file_);
    ASSERT_EQ(RepairLeftRecords().size(), 1u);
    EXPECT_EQ(test::ReadFileBytes(file_), left);
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_TRUE(messages_.shown()[0].text.starts_with(recovery_texts::kUnreadable));
    test::RemoveTree(records_);
    ASSERT_TRUE(fs::MakeFolder(records_));
  }
}

// A record of the earlier format has no witnesses to prove its file with:
// it is set aside and its file left as it is.
TEST_F(RecoveryTest, ARecordOfTheEarlierFormatIsSetAsideUntouched) {
  LeaveStoppedMove({false, 99}, {3, true});
  const std::wstring name = records_ + FolderNames(records_)[0];
  Bytes bytes = test::ReadFileBytes(name);
  bytes[7] = '1';
  test::WriteFileBytes(name, bytes);
  const Bytes left = test::ReadFileBytes(file_);
  const std::vector<RepairReport> reports = RepairLeftRecords();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].result, RepairResult::Unprovable);
  EXPECT_EQ(test::ReadFileBytes(file_), left);
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_NE(messages_.shown()[0].text.find(recovery_texts::kUnprovable), std::wstring::npos);
  EXPECT_EQ(FolderNames(records_).size(), 2u);  // the record and its details
}

// Process numbers come round again: a record set aside under a name already
// used keeps the one set aside before, with its details.
TEST_F(RecoveryTest, ARecordSetAsideKeepsEveryEarlierOne) {
  std::vector<std::wstring> details;
  for (int round = 0; round < 3; ++round) {
    test::WriteFileBytes(file_, before_);
    LeaveStoppedMove({true, 99}, {3, true});
    std::wstring left;
    for (const std::wstring& name : FolderNames(records_)) {
      if (name.ends_with(L".dat")) left = records_ + name;
    }
    ASSERT_FALSE(left.empty());
    ASSERT_TRUE(fs::RenameFile(left, records_ + L"Recovery7-1.dat"));
    test::WriteFileBytes(file_, test::CountingBytes(before_.size()));
    const std::vector<RepairReport> reports = RepairLeftRecords();
    ASSERT_EQ(reports.size(), 1u);
    details.push_back(reports[0].details);
  }
  EXPECT_EQ(FolderNames(records_).size(), 6u);
  std::sort(details.begin(), details.end());
  EXPECT_EQ(std::unique(details.begin(), details.end()), details.end());
  for (const std::wstring& name : details) EXPECT_TRUE(fs::FileExists(name)) << name.size();
}

// A record is input that may say anything: bytes of any kind, names that
// lead to other files. Whatever it says, no file but the edited one changes,
// and that one only to what the edit may have left or to before or after it.
TEST_F(RecoveryTest, RecordsOfAnyKindTouchNoOtherFile) {
  const std::wstring letter = dir_ / L"letter.doc";
  const std::wstring backup = BackUpPathFor(file_, L"_VXBackUp ");
  const Bytes letter_bytes = test::CountingBytes(before_.size());
  Bytes backup_bytes = before_;
  backup_bytes[5] ^= 1;
  const std::wstring names[] = {letter,
                                backup,
                                file_,
                                records_ + L"Setting.dat",
                                L"letter.doc",
                                dir_ / L"x\\..\\letter.doc",
                                dir_ / L"*.doc",
                                letter + L".VXRestore",
                                backup + L".VXPart",
                                RestoreTempPath(file_),
                                file_ + L":stream",
                                L""};
  std::mt19937 random(24);
  const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  for (int round = 0; round < 400; ++round) {
    test::WriteFileBytes(file_, before_);
    test::WriteFileBytes(letter, letter_bytes);
    test::WriteFileBytes(backup, backup_bytes);
    test::WriteFileBytes(records_ + L"Setting.dat", {1, 2, 3});
    const bool move = pick(3) != 0;
    const StoppedMove stopped{pick(2) == 0, pick(static_cast<int>(before_.size()) - 1)};
    Bytes left = before_;
    if (move) {
      LeaveStoppedMove(stopped, {1 + pick(stopped.Changes(before_)), pick(2) == 0});
      left = test::ReadFileBytes(file_);
    } else {
      LiveRecord copy(pick(2) ? RecordKind::BackUpCopy : RecordKind::RestoreCopy, file_,
                      RestoreTempPath(file_));
      copy.Keep();
    }
    std::wstring record_name;
    for (const std::wstring& name : FolderNames(records_)) {
      if (name != L"Setting.dat") record_name = records_ + name;
    }
    Bytes bytes = test::ReadFileBytes(record_name);
    const int change = pick(4);
    if (change == 0) {
      const std::wstring& path = names[pick(std::size(names))];
      const std::wstring& temp = names[pick(std::size(names))];
      // A copy's record is as long as its names; a move's slots lie behind them.
      if (!move) bytes.resize(MoveRecord::SizeFor(RecordKind::RestoreCopy, path, temp));
      MoveRecord(bytes.data(), bytes.size()).SetNames(path, temp);
    } else if (change == 1) {
      for (int flips = 1 + pick(8); flips > 0; --flips) bytes[pick(std::min<int>(512, bytes.size()))] ^= 1 << pick(8);
    } else if (change == 2) {
      for (int flips = 1 + pick(16); flips > 0; --flips) bytes[pick(bytes.size())] = random();
    } else {
      bytes.resize(pick(bytes.size()));
      for (uint8_t& b : bytes) b = random() & (pick(2) ? 0xFF : 0x0F);
      if (bytes.size() >= 8) std::memcpy(bytes.data(), "VXRecov2", 8);
    }
    test::WriteFileBytes(record_name, bytes);
    SCOPED_TRACE(testing::Message() << "round " << round << " change " << change);
    RepairLeftRecords();
    EXPECT_EQ(test::ReadFileBytes(letter), letter_bytes);
    EXPECT_EQ(test::ReadFileBytes(backup), backup_bytes);
    EXPECT_EQ(test::ReadFileBytes(records_ + L"Setting.dat"), (Bytes{1, 2, 3}));
    const Bytes now = test::ReadFileBytes(file_);
    EXPECT_TRUE(now == before_ || now == left || (move && now == stopped.After(before_)));
    test::RemoveTree(records_);
    ASSERT_TRUE(fs::MakeFolder(records_));
  }
}

// Before a file is opened or changed, a record left for it in any of the
// places for settings is repaired; one that cannot be, because another
// running program holds it, keeps the file unchanged and says why.
TEST_F(RecoveryTest, APendingRecordIsRepairedOrKeepsTheFileUnchanged) {
  test::TempFolder other;
  SetOtherRecordFolders({other.path()});
  SetRecoveryFolder(other.path());
  LeaveStoppedMove({true, 99}, {3, true});
  SetRecoveryFolder(records_);
  EXPECT_EQ(SettlePendingRecords(dir_ / L"another.bin"), L"");
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ(SettlePendingRecords(file_), L"");
  ASSERT_EQ(messages_.shown().size(), 1u);
  const Bytes repaired = test::ReadFileBytes(file_);
  EXPECT_TRUE(repaired == before_ || repaired == test::Inserted(before_, 99, 0xEE));
  EXPECT_TRUE(FolderNames(other.path()).empty());

  LiveRecord running(RecordKind::Insertion, file_, L"");
  running.record().Begin(RecordKind::Insertion, 1, 0, 0);
  const std::wstring pending = SettlePendingRecords(file_);
  EXPECT_TRUE(pending.starts_with(recovery_texts::kRecordHeld));
  EXPECT_NE(pending.find(std::wstring(recovery_texts::kFileAt) + file_), std::wstring::npos);
  EXPECT_TRUE(pending.ends_with(recovery_texts::kReadOnlyUntilRepaired));
  EXPECT_EQ(SettlePendingRecords(dir_ / L"another.bin"), L"");
  EXPECT_EQ(test::ReadFileBytes(file_), repaired);
  SetOtherRecordFolders({});
}

}  // namespace
}  // namespace vx

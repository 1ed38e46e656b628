#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/edit/edit_texts.h"
#include "app/disk/insert_delete.h"
#include "app/disk/recovery.h"
#include "app/disk/recovery_texts.h"
#include "app/disk/tail_move.h"
#include "tests/app/faulty_file.h"
#include "tests/support/message_recorder.h"
#include "tests/support/progress_recorder.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_bytes.h"

namespace vx {
namespace {

using test::Bytes;
using test::FaultyFile;
using test::StopPoint;

constexpr uint8_t kFill = 0xA5;
constexpr int64_t kOldAt = 5;
const std::wstring kDataName = L"C:\\VXSetting\\Journal.dat";
constexpr int64_t kBlock = 4096;
constexpr int64_t kBig = (1 << 20) + 1;

// New bytes unlike the file's pattern, so that a misplaced one shows.
Bytes NewBytes(int64_t n) {
  Bytes bytes(static_cast<size_t>(n));
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 13 % 253 + 2);
  return bytes;
}

// One range edit, its data file as the caller writes it (the old bytes
// and the new ones at offsets of their own), and the file it should leave.
struct RangeEdit {
  int64_t at = 0;
  int64_t removed = 0;
  int64_t inserted = 0;
  bool repeated = false;

  int64_t NewAt() const { return kOldAt + removed + 3; }
  Bytes Data(const Bytes& before) const {
    const Bytes inserted_bytes = NewBytes(repeated ? 0 : inserted);
    Bytes data(static_cast<size_t>(NewAt()) + inserted_bytes.size(), 0x11);
    std::copy(before.begin() + at, before.begin() + at + removed, data.begin() + kOldAt);
    std::copy(inserted_bytes.begin(), inserted_bytes.end(), data.begin() + NewAt());
    return data;
  }
  Bytes After(const Bytes& before) const {
    Bytes after(before.begin(), before.begin() + at);
    const Bytes put = repeated ? Bytes(static_cast<size_t>(inserted), kFill) : NewBytes(inserted);
    after.insert(after.end(), put.begin(), put.end());
    after.insert(after.end(), before.begin() + at + removed, before.end());
    return after;
  }
  RangeData In(BlockFile* data) const {
    return {data, kDataName, kOldAt, NewAt(), repeated, kFill};
  }
};

// The record bytes a range names the data file in.
struct RangeRecord : test::MemoryRecord {
  explicit RangeRecord(int64_t block = kBlock) : MemoryRecord(block, RecordKind::Range, kDataName) {}
};

// Insertions, deletions and replacements of every kind, `n` bytes (and
// more or fewer) at `at`.
std::vector<std::pair<const char*, RangeEdit>> EditsOf(int64_t at, int64_t n) {
  return {{"insert", {at, 0, n}},
          {"delete", {at, n, 0}},
          {"replace by more", {at, n, n + 4097}},
          {"replace by fewer", {at, n, n / 2}},
          {"overwrite", {at, n, n}},
          {"fill", {at, n, n, true}},
          {"insert a fill", {at, 0, n, true}}};
}

std::string Name(const char* what, const RangeEdit& e) {
  return std::string(what) + " at " + std::to_string(e.at) + " removed " +
         std::to_string(e.removed) + " inserted " + std::to_string(e.inserted);
}

TEST(RangeMove, EveryEditMatchesTheModelAtBlockBoundaries) {
  const Bytes before = test::PatternBytes(3 * kBlock + 10);
  const int64_t size = static_cast<int64_t>(before.size());
  for (const int64_t n : {int64_t{1}, kBlock - 1, kBlock, kBlock + 1}) {
    for (const int64_t at : {int64_t{0}, int64_t{5000}, size - n}) {
      for (const auto& [what, edit] : EditsOf(at, n)) {
        SCOPED_TRACE(Name(what, edit));
        FaultyFile file(before);
        FaultyFile data(edit.Data(before));
        RangeRecord kept;
        ASSERT_EQ(
            ReplaceRange(file, at, edit.removed, edit.inserted, edit.In(&data), {}, kept.record),
            TailMoveResult::Done);
        EXPECT_EQ(file.bytes(), edit.After(before));
        EXPECT_EQ(data.bytes(), edit.Data(before));  // the data file is only read
        EXPECT_EQ(file.flushed_after(), file.changes());
        EXPECT_FALSE(kept.record.Begun());
      }
    }
  }
  // A megabyte and a byte, over a file on disk, in the program's own blocks.
  test::TempFolder dir;
  const std::wstring name = dir / L"big.bin";
  const Bytes big = test::PatternBytes(kBig + 3 * kBlock);
  for (const RangeEdit edit : {RangeEdit{0, 0, kBig}, RangeEdit{10, kBig, 0}}) {
    SCOPED_TRACE(Name("big", edit));
    test::WriteFileBytes(name, big);
    FaultyFile data(edit.Data(big));
    {
      fs::File opened = fs::OpenFile(name, false, fs::Share::Read);
      SeamBlockFile blocks(opened);
      RangeRecord kept(kMoveBlockSize);
      ASSERT_EQ(ReplaceRange(blocks, edit.at, edit.removed, edit.inserted, edit.In(&data), {},
                             kept.record),
                TailMoveResult::Done);
    }
    EXPECT_EQ(test::ReadFileBytes(name), edit.After(big));
  }
}

TEST(RangeMove, RefusesCountsOutsideTheFileWithoutTouchingIt) {
  const Bytes before = test::PatternBytes(10);
  FaultyFile data(Bytes(64, 1));
  const struct {
    int64_t at, removed, inserted;
    bool with_data;
  } refused[] = {{-1, 0, 1, true}, {11, 0, 1, true}, {5, 6, 0, true},
                 {5, -1, 0, true}, {5, 0, -1, true}, {5, 1, 0, false}};
  for (const auto& r : refused) {
    SCOPED_TRACE(testing::Message() << r.at << " " << r.removed << " " << r.inserted);
    FaultyFile file(before);
    const RangeData where{r.with_data ? &data : nullptr, kDataName, 0, 0, false, 0};
    RangeRecord kept;
    EXPECT_EQ(ReplaceRange(file, r.at, r.removed, r.inserted, where, {}, kept.record),
              TailMoveResult::Restored);
    EXPECT_EQ(file.bytes(), before);
    EXPECT_EQ(file.changes(), 0);
  }
}

// The share reported after each block grows, stays below one, and counts
// the new bytes' blocks as well as the shift's.
TEST(RangeMove, ReportsProgressOverTheShiftAndTheWrites) {
  const Bytes before = test::PatternBytes(3 * kBlock);
  const RangeEdit edit{0, 0, 2 * kBlock + 1};
  FaultyFile file(before);
  FaultyFile data(edit.Data(before));
  std::vector<double> shares;
  const ProgressCallback progress = [&](double share, const std::wstring&) {
    shares.push_back(share);
  };
  RangeRecord kept;
  ASSERT_EQ(ReplaceRange(file, 0, 0, edit.inserted, edit.In(&data), progress, kept.record),
            TailMoveResult::Done);
  // Three blocks of shift, then three of writes, the last of which the caller ends.
  ASSERT_EQ(shares.size(), 5u);
  EXPECT_EQ(shares.front(), 0);
  EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
  EXPECT_EQ(std::adjacent_find(shares.begin(), shares.end()), shares.end());
  EXPECT_LT(shares.back(), 1);
  EXPECT_GT(shares.back(), 0.5);
}

// Each read, write and resize of the edited file, and each read of the
// data file, fails once in turn: the file comes back exactly as it was;
// when putting it back fails too, the record stays for the next start.
TEST(RangeMove, AFailureAnywherePutsTheFileBack) {
  const Bytes before = test::PatternBytes(3 * kBlock + 10);
  for (const auto& [what, edit] : EditsOf(2000, kBlock + 1)) {
    const Bytes data_bytes = edit.Data(before);
    FaultyFile clean(before), clean_data(data_bytes);
    RangeRecord clean_record;
    ASSERT_EQ(ReplaceRange(clean, edit.at, edit.removed, edit.inserted, edit.In(&clean_data), {},
                           clean_record.record),
              TailMoveResult::Done);
    for (const char* part : {"read", "write", "half write", "resize", "data read", "sticky"}) {
      const std::string kind = part;
      const int runs = kind == "resize"      ? clean.resizes()
                       : kind == "data read" ? clean_data.reads()
                       : kind == "read"      ? clean.reads()
                                             : clean.writes();
      for (int n = 1; n <= runs; ++n) {
        SCOPED_TRACE(Name(what, edit) + " " + kind + " " + std::to_string(n));
        FaultyFile file(before), data(data_bytes);
        if (kind == "read") file.fail_read = n;
        if (kind == "write" || kind == "half write" || kind == "sticky") file.fail_write = n;
        file.partial = kind == "half write";
        file.sticky = kind == "sticky";
        if (kind == "resize") file.fail_resize = n;
        if (kind == "data read") data.fail_read = n;
        RangeRecord kept;
        const TailMoveResult result = ReplaceRange(file, edit.at, edit.removed, edit.inserted,
                                                   edit.In(&data), {}, kept.record);
        if (kind == "sticky") {
          EXPECT_EQ(result, TailMoveResult::MaybeDamaged);
          EXPECT_TRUE(kept.record.Begun());
          continue;
        }
        EXPECT_EQ(result, TailMoveResult::Restored);
        EXPECT_EQ(file.bytes(), before);
        EXPECT_FALSE(kept.record.Begun());
      }
    }
  }
}

// A program stopped dead in the middle of a range edit.
struct StoppedRange {
  RangeEdit edit;
  int fail_write = 0;

  bool Run(FaultyFile& file, FaultyFile& data, MoveRecord& record, StopPoint stop = {}) const {
    return test::RunUntilStopped(file, stop, fail_write, [&] {
      ReplaceRange(file, edit.at, edit.removed, edit.inserted, edit.In(&data), {}, record);
    });
  }
  int Changes(const Bytes& before) const {
    FaultyFile file(before), data(edit.Data(before));
    RangeRecord kept;
    Run(file, data, kept.record);
    return file.changes();
  }
};

// Repairs what a stopped move left, with the data file `data`, and checks what it left.
::testing::AssertionResult RepairedWhole(FaultyFile& file, MoveRecord& record, BlockFile* data,
                                         const Bytes& before, const Bytes& after) {
  return test::LeftWhole(file, record, RepairMove(file, record, data), before, after);
}

TEST(RangeMoveStopped, RepairGivesExactlyBeforeOrAfterAtEveryStop) {
  const Bytes before = test::PatternBytes(3 * kBlock + 10);
  const int64_t size = static_cast<int64_t>(before.size());
  std::vector<std::pair<std::string, StoppedRange>> moves;
  for (const int64_t n : {int64_t{1}, kBlock - 1, kBlock, kBlock + 1}) {
    for (const int64_t at : {int64_t{0}, int64_t{5000}, size - n}) {
      for (const auto& [what, edit] : EditsOf(at, n)) {
        moves.push_back({Name(what, edit), {edit}});
        // Stopped while a failed write was sending it back.
        if (at == 5000) moves.push_back({Name(what, edit) + " failed", {edit, 2}});
      }
    }
  }
  for (const auto& [name, move] : moves) {
    const Bytes after = move.edit.After(before);
    const Bytes data_bytes = move.edit.Data(before);
    const int changes = move.Changes(before);
    for (int change = 1; change <= changes; ++change) {
      for (const bool half : {false, true}) {
        SCOPED_TRACE(name + " change " + std::to_string(change) + " half " + std::to_string(half));
        FaultyFile file(before), data(data_bytes);
        RangeRecord kept;
        ASSERT_TRUE(move.Run(file, data, kept.record, {change, half}));
        ASSERT_TRUE(RepairedWhole(file, kept.record, &data, before, after));
      }
    }
  }
}

// A megabyte and a byte inserted and deleted, stopped at its first and last
// blocks and every 16th between (the small edits stop at every one); and
// the repair itself stopped and started again.
TEST(RangeMoveStopped, ABigMoveAndAStoppedRepairAreRepairedWhole) {
  const Bytes big = test::PatternBytes(kBig + kBlock + 10);
  for (const RangeEdit edit : {RangeEdit{3, 0, kBig}, RangeEdit{3, kBig, 0}}) {
    const StoppedRange move{edit};
    const Bytes after = edit.After(big), data_bytes = edit.Data(big);
    const int changes = move.Changes(big);
    for (int change = 1; change <= changes; ++change) {
      if (change > 8 && change <= changes - 8 && change % 16 != 0) continue;
      SCOPED_TRACE(Name("big", edit) + " change " + std::to_string(change));
      FaultyFile file(big), data(data_bytes);
      RangeRecord kept;
      ASSERT_TRUE(move.Run(file, data, kept.record, {change, true}));
      ASSERT_TRUE(RepairedWhole(file, kept.record, &data, big, after));
    }
  }
  const Bytes before = test::PatternBytes(3 * kBlock + 10);
  for (const StoppedRange move : {StoppedRange{{100, 5000, 200}}, StoppedRange{{100, 200, 5000}},
                                  StoppedRange{{100, 5000, 200}, 2}}) {
    const Bytes after = move.edit.After(before), data_bytes = move.edit.Data(before);
    const int changes = move.Changes(before);
    for (int change = 1; change <= changes; ++change) {
      for (int repair_change = 1;; ++repair_change) {
        SCOPED_TRACE(Name("stopped repair", move.edit) + " change " + std::to_string(change) +
                     " repair change " + std::to_string(repair_change));
        FaultyFile file(before), data(data_bytes);
        RangeRecord kept;
        ASSERT_TRUE(move.Run(file, data, kept.record, {change, true}));
        if (!test::RunUntilStopped(file, {file.changes() + repair_change, true}, 0,
                                   [&] { RepairMove(file, kept.record, &data); })) {
          break;  // the repair ran through without reaching the stop
        }
        ASSERT_TRUE(RepairedWhole(file, kept.record, &data, before, after));
      }
    }
  }
}

// A copy of the file from before or after the edit, or another file, put
// where the stopped one was: the repair leaves each exactly as it is.
TEST(RangeMoveStopped, AFileReplacedByACopyIsNeverChanged) {
  // Beside bytes that differ everywhere, zeros with one byte set where the
  // blocks meet, so that the first change a move makes may lie at a block's
  // edge, the bytes it replaces there being the neighbouring block's.
  Bytes sparse(3 * kBlock + 10);
  sparse[sparse.size() - kBlock - 1] = 0x5A;
  sparse[2001 + kBlock] = 0xA5;
  for (const Bytes& before : {test::PatternBytes(3 * kBlock + 10), sparse}) {
    const Bytes other = test::CountingBytes(before.size());
    for (const int64_t n : {int64_t{1}, kBlock + 1}) {
      for (const auto& [what, edit] : EditsOf(2000, n)) {
        const StoppedRange move{edit};
        const Bytes after = edit.After(before), data_bytes = edit.Data(before);
        const int changes = move.Changes(before);
        for (int change = 1; change <= changes; ++change) {
          for (const bool half : {false, true}) {
            for (const auto& [copy_name, copy] :
                 {std::pair{"before", &before}, std::pair{"after", &after},
                  std::pair{"another file", &other}}) {
              SCOPED_TRACE(Name(what, edit) + " change " + std::to_string(change) + " half " +
                           std::to_string(half) + " " + copy_name);
              FaultyFile file(before), data(data_bytes);
              RangeRecord kept;
              ASSERT_TRUE(move.Run(file, data, kept.record, {change, half}));
              FaultyFile replaced(*copy);
              const RepairResult result = RepairMove(replaced, kept.record, &data);
              EXPECT_EQ(replaced.bytes(), *copy) << "repair gave " << static_cast<int>(result);
            }
          }
        }
      }
    }
  }
}

// The data file gone, or changed after the record was written: the repair
// takes the way that needs none of it, and otherwise touches nothing and
// keeps the record. An insertion can always be taken back.
TEST(RangeMoveStopped, MissingOrChangedDataIsNeverWritten) {
  const Bytes before = test::PatternBytes(3 * kBlock + 10);
  for (const auto& [what, edit] : EditsOf(2000, kBlock + 1)) {
    const StoppedRange move{edit};
    const Bytes after = edit.After(before), data_bytes = edit.Data(before);
    const int changes = move.Changes(before);
    for (const char* damage : {"missing", "old changed", "new changed"}) {
      for (int change = 1; change <= changes; ++change) {
        SCOPED_TRACE(Name(what, edit) + " " + damage + " change " + std::to_string(change));
        FaultyFile file(before), data(data_bytes);
        RangeRecord kept;
        ASSERT_TRUE(move.Run(file, data, kept.record, {change, true}));
        const std::string d = damage;
        const int64_t changed =
            d == "old changed" ? kOldAt + edit.removed / 2 : edit.NewAt() + edit.inserted / 2;
        if (d != "missing" && changed < static_cast<int64_t>(data.bytes().size())) {
          data.bytes()[static_cast<size_t>(changed)] ^= 0xFF;
        }
        const Bytes left = file.bytes();
        const int left_changes = file.changes();
        const RepairResult result = RepairMove(file, kept.record, d == "missing" ? nullptr : &data);
        if (result == RepairResult::DataUnusable) {
          EXPECT_NE(edit.removed, 0);
          EXPECT_EQ(file.bytes(), left);
          EXPECT_EQ(file.changes(), left_changes);
          EXPECT_TRUE(kept.record.Begun());
          continue;
        }
        EXPECT_TRUE(test::LeftWhole(file, kept.record, result, before, after));
      }
    }
  }
}

// A range record left on disk is repaired at the next start with the data
// file it names; without that file, when the repair needs it, the file is
// left as it is, the person is told, and the record waits for the next start.
TEST(RangeMoveRecovery, ARecordLeftOnDiskIsRepairedWithItsDataFile) {
  test::TempFolder dir;
  test::MessageRecorder messages;
  const std::wstring records = dir / L"VXSetting\\";
  const std::wstring file = dir / L"data.bin";
  const std::wstring data_name = records + L"Journal.dat";
  ASSERT_TRUE(fs::MakeFolder(records));
  SetRecoveryFolder(records);
  const Bytes before = test::PatternBytes(3 * kBlock + 10);
  const RangeEdit edit{100, 5000, 10};  // taking it back needs the old bytes
  for (const bool data_kept : {true, false}) {
    SCOPED_TRACE(data_kept ? "data kept" : "data gone");
    messages.Clear();
    test::WriteFileBytes(data_name, edit.Data(before));
    {
      // Stopped before its first block landed: only taking back is safe,
      // since no byte the shift changed shows yet.
      FaultyFile memory(before), data(edit.Data(before));
      LiveRecord live(RecordKind::Range, file, data_name, RecordedCommand::Redo);
      ASSERT_TRUE(live.kept_on_disk());
      RangeData where = edit.In(&data);
      where.name = data_name;
      ASSERT_TRUE(test::RunUntilStopped(memory, {1, false}, 0, [&] {
        ReplaceRange(memory, edit.at, edit.removed, edit.inserted, where, {}, live.record());
      }));
      live.Keep();
      test::WriteFileBytes(file, memory.bytes());
    }
    if (!data_kept) {
      ASSERT_TRUE(fs::RemoveFile(data_name));
    }
    const std::vector<RepairReport> reports = RepairLeftRecords();
    ASSERT_EQ(reports.size(), 1u);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, RepairMessage(reports[0]));
    EXPECT_EQ(test::ReadFileBytes(file), before);
    if (data_kept) {
      EXPECT_EQ(reports[0].result, RepairResult::Before);
      EXPECT_EQ(SettlePendingRecords(file), L"");
      continue;
    }
    EXPECT_EQ(reports[0].result, RepairResult::DataUnusable);
    EXPECT_EQ(reports[0].data_file, data_name);
    namespace t = recovery_texts;
    EXPECT_EQ(messages.shown()[0].text, std::wstring(t::kRedoStopped) + L"\r\n" + t::kDataUnusable +
                                            L"\r\n" + t::kFileAt + file + L"\r\n" + t::kDataFileAt +
                                            data_name);
    // Kept: the file stays unchanged until its data comes back.
    EXPECT_NE(SettlePendingRecords(file), L"");
    test::WriteFileBytes(data_name, edit.Data(before));
    messages.Clear();
    EXPECT_EQ(SettlePendingRecords(file), L"");
    EXPECT_EQ(test::ReadFileBytes(file), before);
  }
  SetRecoveryFolder(L"");
}

// The undo data of a stopped program goes as soon as its record is settled,
// before a file is opened or changed as well as at the start; one that
// another record still names stays.
TEST(RangeMoveRecovery, TheStoppedProgramsDataGoesOnceItsRecordIsSettled) {
  test::TempFolder dir;
  test::MessageRecorder messages;
  const std::wstring records = dir / L"VXSetting\\";
  const std::wstring file = dir / L"data.bin";
  const std::wstring data_name = records + L"Journal999999-1.dat";
  const std::wstring other_data = records + L"Journal999999-2.dat";
  ASSERT_TRUE(fs::MakeFolder(records));
  SetRecoveryFolder(records);
  const Bytes before = test::PatternBytes(3 * kBlock + 10);
  const RangeEdit edit{100, 5000, 10};
  test::WriteFileBytes(data_name, edit.Data(before));
  test::WriteFileBytes(other_data, edit.Data(before));
  {
    FaultyFile memory(before), data(edit.Data(before));
    LiveRecord live(RecordKind::Range, file, data_name);
    RangeData where = edit.In(&data);
    where.name = data_name;
    ASSERT_TRUE(test::RunUntilStopped(memory, {1, false}, 0, [&] {
      ReplaceRange(memory, edit.at, edit.removed, edit.inserted, where, {}, live.record());
    }));
    live.Keep();
    test::WriteFileBytes(file, memory.bytes());
  }
  {
    // A record set aside for another file still names the second data file.
    LiveRecord kept(RecordKind::Range, dir / L"other.bin", other_data);
    kept.record().Begin(RecordKind::Range, 1, 0, 0);
    kept.Keep();
  }
  EXPECT_EQ(SettlePendingRecords(file), L"");
  EXPECT_EQ(test::ReadFileBytes(file), before);
  EXPECT_FALSE(fs::FileExists(data_name));
  EXPECT_TRUE(fs::FileExists(other_data));
  SetRecoveryFolder(L"");
}

TEST(RangeMoveByName, ChangesTheFileAndNamesTheEditInItsCaptionAndFailure) {
  test::TempFolder dir;
  test::MessageRecorder messages;
  const EditedFile file(dir / L"a.bin");
  const std::wstring data_name = dir / L"journal.dat";
  const Bytes before = test::PatternBytes(100);
  const struct {
    RangeEdit edit;
    const wchar_t* caption;
    FailedCommand failed_as;
  } cases[] = {{{10, 0, 30}, edit_texts::kInserting, FailedCommand::Paste},
               {{10, 30, 5}, edit_texts::kDeleting, FailedCommand::PasteOver},
               {{10, 30, 30, true}, edit_texts::kChanging, FailedCommand::Fill}};
  for (const auto& c : cases) {
    SCOPED_TRACE(Name("by name", c.edit));
    test::WriteFileBytes(file.path(), before);
    test::WriteFileBytes(data_name, c.edit.Data(before));
    fs::File data = fs::OpenFileForReading(data_name);
    SeamBlockFile data_blocks(data);
    RangeData where = c.edit.In(&data_blocks);
    where.name = data_name;
    test::ProgressRecorder progress;
    EXPECT_TRUE(ReplaceInFile(file, c.edit.at, c.edit.removed, c.edit.inserted, where,
                              progress.Callback(), L"", c.failed_as));
    EXPECT_EQ(test::ReadFileBytes(file.path()), c.edit.After(before));
    ASSERT_FALSE(progress.calls().empty());
    EXPECT_EQ(progress.calls().front().caption, c.caption);
    EXPECT_TRUE(messages.shown().empty());

    const EditedFile gone(dir / L"gone.bin");
    EXPECT_FALSE(ReplaceInFile(gone, c.edit.at, c.edit.removed, c.edit.inserted, where,
                               test::IgnoreProgress, L"", c.failed_as));
    EXPECT_FALSE(fs::FileExists(gone.path()));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text,
              FailureMessage(c.failed_as, {FailureCause::Missing, FailedPlace::File, gone.path(),
                                           0, true}));
    messages.Clear();
  }
}

}  // namespace
}  // namespace vx

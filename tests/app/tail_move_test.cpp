#include "app/disk/tail_move.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/edit/edit_texts.h"
#include "app/disk/insert_delete.h"
#include "tests/app/faulty_file.h"
#include "tests/support/message_recorder.h"
#include "tests/support/progress_recorder.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_bytes.h"

namespace vx {
namespace {

using test::Bytes;
using test::Deleted;
using test::FaultyFile;
using test::Inserted;
using test::StoppedMove;

// Every size around one and two blocks, at the start, the middle and the
// end, in the tests' blocks and in the program's own.
TEST(TailMove, InsertsAndDeletesAtEveryBlockBoundary) {
  test::TempFolder dir;
  const std::wstring name = dir / L"t.bin";
  for (const int64_t block : {test::kTestBlock, kMoveBlockSize}) {
    for (const int64_t end : {block - 1, block, block + 1, 2 * block, 2 * block + 1}) {
      const Bytes original = test::PatternBytes(static_cast<size_t>(end));
      for (int64_t offset : {int64_t{0}, int64_t{1}, end / 2 - 1, end - 2, end - 1, end}) {
        SCOPED_TRACE(testing::Message() << "block " << block << " size " << end << " offset "
                                        << offset);
        test::WriteFileBytes(name, original);
        {
          fs::File file = fs::OpenFile(name, false, fs::Share::Read);
          SeamBlockFile blocks(file);
          ASSERT_EQ(test::InsertWithRecord(blocks, offset, 0xEE, {}, block), TailMoveResult::Done);
        }
        EXPECT_EQ(test::ReadFileBytes(name), Inserted(original, offset, 0xEE));
        if (offset == end) continue;
        test::WriteFileBytes(name, original);
        {
          fs::File file = fs::OpenFile(name, false, fs::Share::Read);
          SeamBlockFile blocks(file);
          ASSERT_EQ(test::DeleteWithRecord(blocks, offset, {}, block), TailMoveResult::Done);
        }
        EXPECT_EQ(test::ReadFileBytes(name), Deleted(original, offset));
      }
    }
  }
}

TEST(TailMove, RefusesOffsetsOutsideTheFileWithoutTouchingIt) {
  FaultyFile file(test::PatternBytes(10));
  EXPECT_EQ(test::InsertWithRecord(file, 11, 1), TailMoveResult::Restored);
  EXPECT_EQ(test::InsertWithRecord(file, -1, 1), TailMoveResult::Restored);
  EXPECT_EQ(test::DeleteWithRecord(file, 10), TailMoveResult::Restored);
  EXPECT_EQ(file.bytes(), test::PatternBytes(10));
  EXPECT_EQ(file.writes(), 0);
}

TEST(TailMove, ReportsProgressAfterEachBlockBelowOne) {
  for (bool insertion : {true, false}) {
    FaultyFile file(test::PatternBytes(3 * 4096 + 10));
    std::vector<double> shares;
    const ProgressCallback progress = [&](double share, const std::wstring& caption) {
      shares.push_back(share);
      EXPECT_EQ(caption, L"");
    };
    // Both tails are 3 * 4096 bytes: three whole blocks.
    if (insertion) {
      ASSERT_EQ(test::InsertWithRecord(file, 10, 0, progress), TailMoveResult::Done);
      EXPECT_EQ(shares, (std::vector<double>{0, 4096.0 / 12289, 8192.0 / 12289}));
    } else {
      ASSERT_EQ(test::DeleteWithRecord(file, 9, progress), TailMoveResult::Done);
      EXPECT_EQ(shares, (std::vector<double>{0, 1.0 / 3, 2.0 / 3}));
    }
  }
}

// A tail of three blocks (4096, 4096, 1808); each read, write and resize of
// the move fails once in turn, and the file must come back as it was.
constexpr size_t kFaultSize = 10000;
constexpr int64_t kFaultOffset = 99;

TEST(TailMove, AFailedInsertionPutsEveryBlockBack) {
  const Bytes original = test::PatternBytes(kFaultSize);
  for (bool partial : {false, true}) {
    for (int n = 1; n <= 4; ++n) {  // three blocks, then the new byte
      SCOPED_TRACE(testing::Message() << "write " << n << " partial " << partial);
      FaultyFile file(original);
      file.fail_write = n;
      file.partial = partial;
      EXPECT_EQ(test::InsertWithRecord(file, kFaultOffset, 0xEE), TailMoveResult::Restored);
      EXPECT_EQ(file.bytes(), original);
    }
  }
  for (int n = 1; n <= 5; ++n) {  // the first block's check, the byte it goes before, three blocks
    SCOPED_TRACE(testing::Message() << "read " << n);
    FaultyFile file(original);
    file.fail_read = n;
    EXPECT_EQ(test::InsertWithRecord(file, kFaultOffset, 0xEE), TailMoveResult::Restored);
    EXPECT_EQ(file.bytes(), original);
  }
  FaultyFile unlengthened(original);
  unlengthened.fail_resize = 1;
  EXPECT_EQ(test::InsertWithRecord(unlengthened, kFaultOffset, 0xEE), TailMoveResult::Restored);
  EXPECT_EQ(unlengthened.bytes(), original);
}

TEST(TailMove, AFailedDeletionPutsEveryBlockAndTheDeletedByteBack) {
  const Bytes original = test::PatternBytes(kFaultSize);
  for (bool partial : {false, true}) {
    for (int n = 1; n <= 3; ++n) {
      SCOPED_TRACE(testing::Message() << "write " << n << " partial " << partial);
      FaultyFile file(original);
      file.fail_write = n;
      file.partial = partial;
      EXPECT_EQ(test::DeleteWithRecord(file, kFaultOffset), TailMoveResult::Restored);
      EXPECT_EQ(file.bytes(), original);
    }
  }
  for (int n = 1; n <= 5; ++n) {  // the deleted byte, the check, three blocks
    SCOPED_TRACE(testing::Message() << "read " << n);
    FaultyFile file(original);
    file.fail_read = n;
    EXPECT_EQ(test::DeleteWithRecord(file, kFaultOffset), TailMoveResult::Restored);
    EXPECT_EQ(file.bytes(), original);
  }
  FaultyFile uncut(original);
  uncut.fail_resize = 1;
  EXPECT_EQ(test::DeleteWithRecord(uncut, kFaultOffset), TailMoveResult::Restored);
  EXPECT_EQ(uncut.bytes(), original);
}

// The record reaches the disk before the first block moves, and the file
// before the record ends; a flush that fails counts as a failed write.
TEST(TailMove, WritesTheRecordThroughFirstAndTheFileBeforeTheRecordEnds) {
  const Bytes original = test::PatternBytes(kFaultSize);
  for (const bool insertion : {true, false}) {
    SCOPED_TRACE(testing::Message() << "insertion " << insertion);
    FaultyFile file(original);
    test::MemoryRecord memory;
    MoveRecord& record = memory.record;
    // The record is on the disk, begun, before the file's first change.
    int changes_before_record = -1;
    record.SetWriteThrough([&] {
      if (changes_before_record < 0 && record.Begun()) changes_before_record = file.changes();
      return true;
    });
    const TailMoveResult result = insertion ? InsertByte(file, kFaultOffset, 1, {}, record)
                                            : DeleteByte(file, kFaultOffset, {}, record);
    EXPECT_EQ(result, TailMoveResult::Done);
    EXPECT_EQ(changes_before_record, 0);
    EXPECT_EQ(file.flushed_after(), file.changes());
    EXPECT_FALSE(record.Begun());

    FaultyFile unflushed(original);
    unflushed.fail_flush = 1;
    EXPECT_EQ(insertion ? test::InsertWithRecord(unflushed, kFaultOffset, 1)
                        : test::DeleteWithRecord(unflushed, kFaultOffset),
              TailMoveResult::Restored);
    EXPECT_EQ(unflushed.bytes(), original);
    EXPECT_EQ(unflushed.flushed_after(), unflushed.changes());

    FaultyFile untouched(original);
    record.SetWriteThrough([] { return false; });
    EXPECT_EQ(insertion ? InsertByte(untouched, kFaultOffset, 1, {}, record)
                        : DeleteByte(untouched, kFaultOffset, {}, record),
              TailMoveResult::Restored);
    EXPECT_EQ(untouched.changes(), 0);
    EXPECT_FALSE(record.Begun());
  }
}

TEST(TailMove, SaysSoWhenTheFileCannotBePutBack) {
  for (int n = 2; n <= 3; ++n) {
    FaultyFile inserting(test::PatternBytes(kFaultSize));
    inserting.fail_write = n;
    inserting.sticky = true;
    EXPECT_EQ(test::InsertWithRecord(inserting, kFaultOffset, 0), TailMoveResult::MaybeDamaged);
    FaultyFile deleting(test::PatternBytes(kFaultSize));
    deleting.fail_write = n;
    deleting.sticky = true;
    EXPECT_EQ(test::DeleteWithRecord(deleting, kFaultOffset), TailMoveResult::MaybeDamaged);
  }
}

// Repairs what a stopped move left and checks that the file is exactly as
// before or as after; gives which.
::testing::AssertionResult RepairedWhole(FaultyFile& file, MoveRecord& record, const Bytes& before,
                                         const Bytes& after, RepairResult& result) {
  result = RepairMove(file, record);
  return test::LeftWhole(file, record, result, before, after);
}

TEST(TailMoveStopped, RepairGivesExactlyBeforeOrAfterAtEveryStop) {
  // The tests' blocks, the program's own, and a record of an earlier
  // version, which has no block size (0) and moved 4096 bytes at a time.
  const struct {
    int64_t block;
    bool earlier;
    std::vector<int64_t> sizes;
  } records[] = {
      {test::kTestBlock, false, {1, 4095, 4096, 4097, (1 << 20) + 1}},
      {kMoveBlockSize, false, {kMoveBlockSize + 1}},
      {kEarlierBlockSize, true, {3 * kEarlierBlockSize + 1}},
  };
  for (const auto& r : records) {
    for (const int64_t end : r.sizes) {
      const Bytes before = test::PatternBytes(static_cast<size_t>(end));
      for (const bool insertion : {true, false}) {
        for (const int64_t offset : {int64_t{0}, end / 2, end - 1}) {
          const StoppedMove move{insertion, offset, 0, r.block};
          const Bytes after = move.After(before);
          const int changes = move.Changes(before);
          for (int change = 1; change <= changes; ++change) {
            for (const bool half : {false, true}) {
              SCOPED_TRACE(testing::Message()
                           << "block " << r.block << " earlier " << r.earlier << " size " << end
                           << " insertion " << insertion << " offset " << offset << " change "
                           << change << " half " << half);
              FaultyFile file(before);
              test::MemoryRecord memory(r.block);
              if (r.earlier) memory.record.SetBlockSize(0);
              MoveRecord& record = memory.record;
              ASSERT_TRUE(move.Run(file, record, {change, half}));
              RepairResult result;
              ASSERT_TRUE(RepairedWhole(file, record, before, after, result));
            }
          }
        }
      }
    }
  }
}

// The repair itself stopped at each of its changes and started again; and a
// move that failed and was going back when it stopped.
TEST(TailMoveStopped, AStoppedRepairOrPutBackIsRepairedAgain) {
  const Bytes before = test::PatternBytes(2 * 4096 + 10);
  for (const StoppedMove move : {StoppedMove{true, 4}, StoppedMove{false, 4},
                                 StoppedMove{true, 4, 2}, StoppedMove{false, 4, 2}}) {
    const Bytes after = move.After(before);
    const int changes = move.Changes(before);
    for (int change = 1; change <= changes; ++change) {
      for (int repair_change = 1;; ++repair_change) {
        SCOPED_TRACE(testing::Message() << "insertion " << move.insertion << " failing write "
                                        << move.fail_write << " change " << change
                                        << " repair change " << repair_change);
        FaultyFile file(before);
        test::MemoryRecord memory;
        MoveRecord& record = memory.record;
        ASSERT_TRUE(move.Run(file, record, {change, true}));
        file.stop = {file.changes() + repair_change, true};
        try {
          RepairMove(file, record);
        } catch (const test::Stopped&) {
          file.stop = {};
          RepairResult result;
          ASSERT_TRUE(RepairedWhole(file, record, before, after, result));
          // Once the failed write sent it back, only before will do; an
          // insertion lengthens the file before its first write.
          const int failed_change = move.fail_write + (move.insertion ? 1 : 0);
          if (move.fail_write && change > failed_change) {
            EXPECT_EQ(result, RepairResult::Before);
          }
          continue;
        }
        break;  // the repair ran through without reaching the stop
      }
    }
  }
}

TEST(TailMoveStopped, ARecordThatDoesNotFitTheFileChangesNothing) {
  const Bytes before = test::PatternBytes(3 * 4096 + 10);
  // The byte of the checked block: the one on its way, or the last one moved.
  const auto checked_offset = [](const MoveRecord& record) {
    const MoveProgress at = record.progress();
    return record.target(at.flight != kNoSlot ? at.flight : at.last).offset;
  };
  const struct {
    const char* what;
    StoppedMove move;
    test::StopPoint stop;
    std::function<void(Bytes&, const MoveRecord&)> change;
  } cases[] = {
      {"a byte longer", {true, 99}, {3, false}, [](Bytes& b, auto&) { b.push_back(1); }},
      {"a byte shorter", {false, 99}, {2, true}, [](Bytes& b, auto&) { b.pop_back(); }},
      {"another file of that length", {false, 99}, {3, false},
       [](Bytes& b, auto&) { b = test::CountingBytes(b.size()); }},
      {"the block on its way changed", {true, 99}, {3, true},
       [&](Bytes& b, const MoveRecord& r) { b[checked_offset(r) + 1] = 0; }},
      {"the block last moved changed", {false, 99}, {3, false},
       [&](Bytes& b, const MoveRecord& r) { b[checked_offset(r) + 7] = 0; }},
      {"nothing moved yet, but its first block changed", {true, 99}, {1, false},
       [&](Bytes& b, const MoveRecord& r) { b[checked_offset(r)] = 0; }},
      {"taken back from a failure, then changed", {true, 99, 2}, {4, false},
       [&](Bytes& b, const MoveRecord& r) { b[checked_offset(r) + 2] = 0; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FaultyFile file(before);
    test::MemoryRecord memory;
    MoveRecord& record = memory.record;
    ASSERT_TRUE(c.move.Run(file, record, c.stop));
    c.change(file.bytes(), record);
    const Bytes left = file.bytes();
    const int changes = file.changes();
    EXPECT_EQ(RepairMove(file, record), RepairResult::NotMatching);
    EXPECT_EQ(file.bytes(), left);
    EXPECT_EQ(file.changes(), changes);  // not one write or resize
    EXPECT_TRUE(record.Begun());
  }
}

// A person puts a copy of the file from before the edit, from after it, or
// the backup over the file a killed move left, and starts again: the repair
// must not take any of them for the file it left. A copy that holds the very
// bytes the move may have left at that instant is that file.
TEST(TailMoveStopped, AFileReplacedByACopyIsNeverRepaired) {
  const Bytes before = test::PatternBytes(3 * 4096 + 10);
  const Bytes backup = [&] {  // an overwrite came first
    Bytes bytes = before;
    bytes[0] ^= 0x5A;
    return bytes;
  }();
  for (const bool insertion : {true, false}) {
    for (const int64_t offset : {int64_t{0}, int64_t{5000}, int64_t{3 * 4096 + 9}}) {
      const StoppedMove move{insertion, offset};
      const Bytes after = move.After(before);
      const int changes = move.Changes(before);
      // The file as the move leaves it before change n: the same bytes
      // whatever stop of that change left the record.
      std::vector<Bytes> at_change;
      for (int change = 1; change <= changes + 1; ++change) {
        FaultyFile file(before);
        test::MemoryRecord memory;
        MoveRecord& record = memory.record;
        move.Run(file, record, {change, false});
        at_change.push_back(file.bytes());
      }
      for (int change = 1; change <= changes; ++change) {
        for (const bool half : {false, true}) {
          for (const auto& [what, copy] : {std::pair{"before", &before}, std::pair{"after", &after},
                                           std::pair{"backup", &backup}}) {
            if (*copy == at_change[change - 1] || *copy == at_change[change]) continue;
            SCOPED_TRACE(testing::Message() << "insertion " << insertion << " offset " << offset
                                            << " change " << change << " half " << half << " "
                                            << what);
            FaultyFile file(before);
            test::MemoryRecord memory;
            MoveRecord& record = memory.record;
            ASSERT_TRUE(move.Run(file, record, {change, half}));
            FaultyFile replaced(*copy);
            const RepairResult result = RepairMove(replaced, record);
            EXPECT_EQ(replaced.bytes(), *copy);
            // A copy that differs from the stopped file only before the
            // stretch the edit shifts cannot be told from it; the edit is
            // then taken back, which leaves it as it is.
            const Bytes& left = at_change[change - 1];
            const bool same_from_offset =
                copy->size() == left.size() &&
                std::equal(copy->begin() + offset, copy->end(), left.begin() + offset);
            if (result != RepairResult::Before || !same_from_offset) {
              EXPECT_EQ(result, RepairResult::NotMatching);
            }
          }
        }
      }
    }
  }
}

// Where the shift changes nothing that shows (runs of one value), a copy
// from before cannot be told from the stopped file by its bytes: the edit is
// then taken back, which leaves either of them as it was before.
TEST(TailMoveStopped, WhereTheShiftShowsNothingTheEditIsTakenBack) {
  Bytes before(3 * 4096 + 10, 0);
  before[1] = 7;
  before[3 * 4096 + 5] = 9;
  const StoppedMove move{false, 2};
  const int changes = move.Changes(before);
  for (int change = 1; change <= changes; ++change) {
    for (const bool half : {false, true}) {
      SCOPED_TRACE(testing::Message() << "change " << change << " half " << half);
      FaultyFile file(before);
      test::MemoryRecord memory;
      MoveRecord& record = memory.record;
      ASSERT_TRUE(move.Run(file, record, {change, half}));
      Bytes kept = memory.bytes;
      MoveRecord copy_record(kept.data(), kept.size());
      FaultyFile replaced(before);
      const RepairResult result = RepairMove(replaced, copy_record);
      EXPECT_TRUE(result == RepairResult::NotMatching || result == RepairResult::Before);
      EXPECT_EQ(replaced.bytes(), before);
      RepairResult left;
      ASSERT_TRUE(RepairedWhole(file, record, before, move.After(before), left));
    }
  }
}

TEST(TailMoveByName, ShowsProgressAndChangesTheFile) {
  test::TempFolder dir;
  const EditedFile file(dir / L"a.bin");
  test::WriteFileBytes(file.path(), {1, 2, 3});
  test::ProgressRecorder progress;
  const std::vector<test::ProgressCall>& calls = progress.calls();
  EXPECT_TRUE(InsertIntoFile(file, 0, 0, progress.Callback(), L""));
  EXPECT_EQ(test::ReadFileBytes(file.path()), (Bytes{0, 1, 2, 3}));
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].share, kProgressStart);
  EXPECT_EQ(calls[0].caption, edit_texts::kInserting);
  EXPECT_EQ(calls[1].share, 0);
  EXPECT_EQ(calls[2].share, kProgressEnd);
  EXPECT_EQ(calls[2].caption, L"");

  progress.Clear();
  EXPECT_TRUE(DeleteFromFile(file, 3, progress.Callback(), L""));
  EXPECT_EQ(test::ReadFileBytes(file.path()), (Bytes{0, 1, 2}));
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].caption, edit_texts::kDeleting);
}

TEST(TailMoveByName, AMissingFileIsReportedAndNotMade) {
  test::TempFolder dir;
  test::MessageRecorder messages;
  const EditedFile file(dir / L"gone.bin");
  EXPECT_FALSE(DeleteFromFile(file, 0, test::IgnoreProgress, L""));
  EXPECT_FALSE(fs::FileExists(file.path()));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text,
            FailureMessage(FailedCommand::Delete,
                           {FailureCause::Missing, FailedPlace::File, file.path(), 0, true}));
  EXPECT_EQ(messages.shown()[0].icon, MsgIcon::None);
}
TEST(TailMoveByName, ADamagedFileIsReportedWithItsBackup) {
  test::TempFolder dir;
  const std::wstring backup = dir / L"a_VXBackUp .bin";
  const Failure failure{FailureCause::DiskFull, FailedPlace::File, L"D:\\a.bin"};
  const std::wstring damaged = FailureMessage(FailedCommand::Insert, failure) + L"\r\n" +
                               edit_texts::kMayBeDamaged + L"\r\n";
  EXPECT_EQ(TailMoveFailureText(FailedCommand::Insert, failure, TailMoveResult::MaybeDamaged,
                                backup),
            damaged + edit_texts::kNoBackUpKept);
  test::WriteFileBytes(backup, {1});
  EXPECT_EQ(TailMoveFailureText(FailedCommand::Insert, failure, TailMoveResult::MaybeDamaged,
                                backup),
            damaged + edit_texts::kBackUpAt + backup);
}

}  // namespace
}  // namespace vx

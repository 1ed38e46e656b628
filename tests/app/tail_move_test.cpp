#include "app/edit/tail_move.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/edit/edit_texts.h"
#include "app/edit/ins_del_one.h"
#include "tests/app/faulty_file.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_bytes.h"

namespace vx {
namespace {

using test::Bytes;
using test::Deleted;
using test::FaultyFile;
using test::Inserted;
using test::StoppedMove;

const TailProgress kNoProgress;

// Every size around one and two blocks, at the start, the middle and the end.
TEST(TailMove, InsertsAndDeletesAtEveryBlockBoundary) {
  test::TempFolder dir;
  const std::wstring name = dir / L"t.bin";
  for (size_t size : {4095u, 4096u, 4097u, 8192u, 8193u}) {
    const Bytes original = test::PatternBytes(size);
    const int32_t last = static_cast<int32_t>(size);
    for (int32_t pos : {1, 2, last / 2, last - 1, last, last + 1}) {
      SCOPED_TRACE(testing::Message() << "size " << size << " pos " << pos);
      test::WriteFileBytes(name, original);
      {
        fs::File file = fs::OpenFile(name, false, fs::Share::Read);
        SeamBlockFile blocks(file);
        ASSERT_EQ(InsOne(blocks, pos, 0xEE, kNoProgress), TailMoveResult::Done);
      }
      EXPECT_EQ(test::ReadFileBytes(name), Inserted(original, pos, 0xEE));
      if (pos > last) continue;
      test::WriteFileBytes(name, original);
      {
        fs::File file = fs::OpenFile(name, false, fs::Share::Read);
        SeamBlockFile blocks(file);
        ASSERT_EQ(DelOne(blocks, pos, kNoProgress), TailMoveResult::Done);
      }
      EXPECT_EQ(test::ReadFileBytes(name), Deleted(original, pos));
    }
  }
}

TEST(TailMove, RefusesPositionsOutsideTheFileWithoutTouchingIt) {
  FaultyFile file(test::PatternBytes(10));
  EXPECT_EQ(InsOne(file, 12, 1, kNoProgress), TailMoveResult::Restored);
  EXPECT_EQ(InsOne(file, 0, 1, kNoProgress), TailMoveResult::Restored);
  EXPECT_EQ(DelOne(file, 11, kNoProgress), TailMoveResult::Restored);
  EXPECT_EQ(file.bytes(), test::PatternBytes(10));
  EXPECT_EQ(file.writes(), 0);
}

TEST(TailMove, ReportsProgressAfterEachBlockBelowOne) {
  for (bool insertion : {true, false}) {
    FaultyFile file(test::PatternBytes(3 * 4096 + 10));
    std::vector<double> shares;
    const TailProgress progress = [&](double share) { shares.push_back(share); };
    // Both tails are 3 * 4096 bytes: three whole blocks.
    if (insertion) {
      ASSERT_EQ(InsOne(file, 11, 0, progress), TailMoveResult::Done);
      EXPECT_EQ(shares, (std::vector<double>{0, 4096.0 / 12289, 8192.0 / 12289}));
    } else {
      ASSERT_EQ(DelOne(file, 10, progress), TailMoveResult::Done);
      EXPECT_EQ(shares, (std::vector<double>{0, 1.0 / 3, 2.0 / 3}));
    }
  }
}

// A tail of three blocks (4096, 4096, 1808); each read, write and resize of
// the move fails once in turn, and the file must come back as it was.
constexpr size_t kFaultSize = 10000;
constexpr int32_t kFaultPos = 100;

TEST(TailMove, AFailedInsertionPutsEveryBlockBack) {
  const Bytes original = test::PatternBytes(kFaultSize);
  for (bool partial : {false, true}) {
    for (int n = 1; n <= 4; ++n) {  // three blocks, then the new byte
      SCOPED_TRACE(testing::Message() << "write " << n << " partial " << partial);
      FaultyFile file(original);
      file.fail_write = n;
      file.partial = partial;
      EXPECT_EQ(InsOne(file, kFaultPos, 0xEE, kNoProgress), TailMoveResult::Restored);
      EXPECT_EQ(file.bytes(), original);
    }
  }
  for (int n = 1; n <= 4; ++n) {  // the first block's check, then three blocks
    SCOPED_TRACE(testing::Message() << "read " << n);
    FaultyFile file(original);
    file.fail_read = n;
    EXPECT_EQ(InsOne(file, kFaultPos, 0xEE, kNoProgress), TailMoveResult::Restored);
    EXPECT_EQ(file.bytes(), original);
  }
  FaultyFile unlengthened(original);
  unlengthened.fail_resize = 1;
  EXPECT_EQ(InsOne(unlengthened, kFaultPos, 0xEE, kNoProgress), TailMoveResult::Restored);
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
      EXPECT_EQ(DelOne(file, kFaultPos, kNoProgress), TailMoveResult::Restored);
      EXPECT_EQ(file.bytes(), original);
    }
  }
  for (int n = 1; n <= 5; ++n) {  // the deleted byte, the check, three blocks
    SCOPED_TRACE(testing::Message() << "read " << n);
    FaultyFile file(original);
    file.fail_read = n;
    EXPECT_EQ(DelOne(file, kFaultPos, kNoProgress), TailMoveResult::Restored);
    EXPECT_EQ(file.bytes(), original);
  }
  FaultyFile uncut(original);
  uncut.fail_resize = 1;
  EXPECT_EQ(DelOne(uncut, kFaultPos, kNoProgress), TailMoveResult::Restored);
  EXPECT_EQ(uncut.bytes(), original);
}

TEST(TailMove, SaysSoWhenTheFileCannotBePutBack) {
  for (int n = 2; n <= 3; ++n) {
    FaultyFile inserting(test::PatternBytes(kFaultSize));
    inserting.fail_write = n;
    inserting.sticky = true;
    EXPECT_EQ(InsOne(inserting, kFaultPos, 0, kNoProgress), TailMoveResult::MaybeDamaged);
    FaultyFile deleting(test::PatternBytes(kFaultSize));
    deleting.fail_write = n;
    deleting.sticky = true;
    EXPECT_EQ(DelOne(deleting, kFaultPos, kNoProgress), TailMoveResult::MaybeDamaged);
  }
}

// Repairs what a stopped move left and checks that the file is exactly as
// before or as after; gives which.
::testing::AssertionResult RepairedWhole(FaultyFile& file, MoveRecord& record, const Bytes& before,
                                         const Bytes& after, RepairResult& result) {
  result = RepairMove(file, record);
  if (result != RepairResult::After && result != RepairResult::Before) {
    return ::testing::AssertionFailure() << "repair gave " << static_cast<int>(result);
  }
  if (file.bytes() != (result == RepairResult::After ? after : before)) {
    return ::testing::AssertionFailure() << "the file is neither before nor after";
  }
  if (record.Begun()) return ::testing::AssertionFailure() << "the record did not end";
  return ::testing::AssertionSuccess();
}

TEST(TailMoveStopped, RepairGivesExactlyBeforeOrAfterAtEveryStop) {
  for (const size_t size : {size_t{1}, size_t{4095}, size_t{4096}, size_t{4097},
                            size_t{(1 << 20) + 1}}) {
    const Bytes before = test::PatternBytes(size);
    const int32_t last = static_cast<int32_t>(size);
    for (const bool insertion : {true, false}) {
      for (const int32_t pos : {1, last / 2 + 1, last}) {
        const StoppedMove move{insertion, pos};
        const Bytes after = move.After(before);
        const int changes = move.Changes(before);
        for (int change = 1; change <= changes; ++change) {
          for (const bool half : {false, true}) {
            SCOPED_TRACE(testing::Message() << "size " << size << " insertion " << insertion
                                            << " pos " << pos << " change " << change
                                            << " half " << half);
            FaultyFile file(before);
            Bytes bytes(MoveRecord::SizeFor(RecordKind::Insertion, L"", L""));
            MoveRecord record(bytes.data(), bytes.size());
            ASSERT_TRUE(move.Run(file, record, {change, half}));
            RepairResult result;
            ASSERT_TRUE(RepairedWhole(file, record, before, after, result));
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
  for (const StoppedMove move : {StoppedMove{true, 5}, StoppedMove{false, 5},
                                 StoppedMove{true, 5, 2}, StoppedMove{false, 5, 2}}) {
    const Bytes after = move.After(before);
    const int changes = move.Changes(before);
    for (int change = 1; change <= changes; ++change) {
      for (int repair_change = 1;; ++repair_change) {
        SCOPED_TRACE(testing::Message() << "insertion " << move.insertion << " failing write "
                                        << move.fail_write << " change " << change
                                        << " repair change " << repair_change);
        FaultyFile file(before);
        Bytes bytes(MoveRecord::SizeFor(RecordKind::Insertion, L"", L""));
        MoveRecord record(bytes.data(), bytes.size());
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
      {"a byte longer", {true, 100}, {3, false}, [](Bytes& b, auto&) { b.push_back(1); }},
      {"a byte shorter", {false, 100}, {2, true}, [](Bytes& b, auto&) { b.pop_back(); }},
      {"another file of that length", {false, 100}, {3, false},
       [](Bytes& b, auto&) { b = test::CountingBytes(b.size()); }},
      {"the block on its way changed", {true, 100}, {3, true},
       [&](Bytes& b, const MoveRecord& r) { b[checked_offset(r) + 1] = 0; }},
      {"the block last moved changed", {false, 100}, {3, false},
       [&](Bytes& b, const MoveRecord& r) { b[checked_offset(r) + 7] = 0; }},
      {"nothing moved yet, but its first block changed", {true, 100}, {1, false},
       [&](Bytes& b, const MoveRecord& r) { b[checked_offset(r)] = 0; }},
      {"taken back from a failure, then changed", {true, 100, 2}, {4, false},
       [&](Bytes& b, const MoveRecord& r) { b[checked_offset(r) + 2] = 0; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FaultyFile file(before);
    Bytes bytes(MoveRecord::SizeFor(RecordKind::Insertion, L"", L""));
    MoveRecord record(bytes.data(), bytes.size());
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

struct ProgCall {
  double value;
  std::wstring caption;
};

TEST(TailMoveByName, ShowsProgressAndChangesTheFile) {
  test::TempFolder dir;
  const std::wstring name = dir / L"a.bin";
  test::WriteFileBytes(name, {1, 2, 3});
  std::vector<ProgCall> calls;
  const ProgFunction prog = [&](double v, const std::wstring& c) { calls.push_back({v, c}); };
  EXPECT_EQ(InsOne(name, 1, 0, prog, L""), 0);
  EXPECT_EQ(test::ReadFileBytes(name), (Bytes{0, 1, 2, 3}));
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].value, -1);
  EXPECT_EQ(calls[0].caption, edit_texts::kInserting);
  EXPECT_EQ(calls[1].value, 0);
  EXPECT_EQ(calls[2].value, 1);
  EXPECT_EQ(calls[2].caption, L"");

  calls.clear();
  EXPECT_EQ(DelOne(name, 4, prog, L""), 0);
  EXPECT_EQ(test::ReadFileBytes(name), (Bytes{0, 1, 2}));
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].caption, edit_texts::kDeleting);
}

TEST(TailMoveByName, AMissingFileIsReportedAndNotMade) {
  test::TempFolder dir;
  test::MessageRecorder messages;
  const std::wstring name = dir / L"gone.bin";
  EXPECT_EQ(DelOne(
                name, 1, [](double, const std::wstring&) {}, L""),
            -1);
  EXPECT_FALSE(fs::FileExists(name));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text,
            std::wstring(edit_texts::kDeleteFailed) + L"\r\n" + edit_texts::kTailMoveCause);
  EXPECT_EQ(messages.shown()[0].icon, MsgIcon::None);
}

TEST(TailMoveByName, ADamagedFileIsReportedWithItsBackup) {
  test::TempFolder dir;
  const std::wstring backup = dir / L"a_VXBackUp .bin";
  const std::wstring damaged = std::wstring(edit_texts::kInsertFailed) + L"\r\n" +
                               edit_texts::kTailMoveCause + L"\r\n" + edit_texts::kMayBeDamaged +
                               L"\r\n";
  EXPECT_EQ(TailMoveFailureText(true, TailMoveResult::MaybeDamaged, backup),
            damaged + edit_texts::kNoBackUpKept);
  test::WriteFileBytes(backup, {1});
  EXPECT_EQ(TailMoveFailureText(true, TailMoveResult::MaybeDamaged, backup),
            damaged + edit_texts::kBackUpAt + backup);
}

}  // namespace
}  // namespace vx

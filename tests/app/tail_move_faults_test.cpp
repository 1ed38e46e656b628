// Faults of the tail move that a fuzzed record and a failing file found,
// each with the next start's repair over what it left.
#include <gtest/gtest.h>

#include "app/disk/tail_move.h"
#include "tests/app/faulty_file.h"
#include "tests/support/test_bytes.h"

namespace vx {
namespace {

using test::Bytes;
using test::FaultyFile;

constexpr int64_t kSize = 3 * test::kTestBlock + 10;
constexpr int64_t kOffset = 5;

// A deletion shrinks the file: its last flush fails after the final length
// is set, so the way back begins on the shorter file. Stopped there, or
// failing again, the next start must still find the file it left.
TEST(TailMoveFaults, AShrinkingMoveWhoseLastFlushFailsIsRepairedWhole) {
  const Bytes before = test::PatternBytes(kSize);
  const Bytes after = test::Deleted(before, kOffset);
  FaultyFile dry(before);
  ASSERT_EQ(test::DeleteWithRecord(dry, kOffset), TailMoveResult::Done);
  for (const bool second_failure : {false, true}) {
    SCOPED_TRACE(testing::Message() << "second failure " << second_failure);
    FaultyFile file(before);
    test::MemoryRecord memory;
    file.fail_flush = dry.flushes();
    if (second_failure) {
      file.fail_resize = dry.resizes() + 1;
      file.sticky = true;
      EXPECT_EQ(DeleteByte(file, kOffset, {}, memory.record), TailMoveResult::MaybeDamaged);
      file.fail_resize = 0;
      file.sticky = false;
    } else {
      // The way back's first change is its lengthening.
      file.stop = {dry.changes() + 1, false};
      EXPECT_THROW(DeleteByte(file, kOffset, {}, memory.record), test::Stopped);
      file.stop = {};
    }
    ASSERT_EQ(static_cast<int64_t>(file.bytes().size()), kSize - 1);
    const RepairResult result = RepairMove(file, memory.record);
    EXPECT_TRUE(test::LeftWhole(file, memory.record, result, before, after));
  }
}

// A slot the repair would write: one byte changed by hand (with the block
// half written, nothing can give it back) or torn by a power cut before the
// block was written (its source gives it back). Never written as it is.
TEST(TailMoveFaults, ASlotIsCheckedBeforeTheRepairWritesIt) {
  const Bytes before = test::PatternBytes(kSize);
  const test::StoppedMove move{true, kOffset};
  const Bytes after = move.After(before);
  const int changes = move.Changes(before);
  int checked = 0;
  for (int change = 2; change <= changes; ++change) {
    for (const bool half : {false, true}) {
      SCOPED_TRACE(testing::Message() << "change " << change << " half " << half);
      FaultyFile file(before);
      test::MemoryRecord memory;
      MoveRecord& record = memory.record;
      ASSERT_TRUE(move.Run(file, record, {change, half}));
      const MoveProgress at = record.progress();
      if (at.flight != 0 && at.flight != 1) continue;
      ++checked;
      uint8_t* slot = record.slot(at.flight);
      const int32_t length = record.target(at.flight).length;
      if (half) {
        slot[length - 1] ^= 0x5A;
      } else {
        // Torn: its second half still holds what the slot held before.
        std::fill(slot + length / 2, slot + length, uint8_t{0x33});
      }
      const Bytes left = file.bytes();
      const RepairResult result = RepairMove(file, record);
      if (half && result == RepairResult::NotMatching) {
        EXPECT_EQ(file.bytes(), left);
      } else {
        EXPECT_TRUE(test::LeftWhole(file, record, result, before, after));
      }
    }
  }
  EXPECT_GT(checked, 2);
}

// A move whose file then fails to close may have lost its last writes: the
// record stays, and the next start finishes the move from it.
TEST(TailMoveFaults, AFileThatFailsToCloseKeepsTheRecord) {
  const Bytes before = test::PatternBytes(kSize);
  for (const bool insertion : {true, false}) {
    SCOPED_TRACE(testing::Message() << "insertion " << insertion);
    FaultyFile file(before);
    test::MemoryRecord memory;
    memory.record.SetEndCheck([] { return false; });
    EXPECT_EQ(insertion ? InsertByte(file, kOffset, 7, {}, memory.record)
                        : DeleteByte(file, kOffset, {}, memory.record),
              TailMoveResult::MaybeDamaged);
    ASSERT_TRUE(memory.record.Begun());
    const Bytes after = insertion ? test::Inserted(before, kOffset, 7)
                                  : test::Deleted(before, kOffset);
    const RepairResult result = RepairMove(file, memory.record);
    EXPECT_EQ(result, RepairResult::After);
    EXPECT_TRUE(test::LeftWhole(file, memory.record, result, before, after));
  }
}

}  // namespace
}  // namespace vx

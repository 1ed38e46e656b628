#include "app/disk/replace_all.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "tests/app/faulty_file.h"
#include "tests/app/replace_cases.h"
#include "tests/support/test_bytes.h"

namespace vx {
namespace {

using test::Bytes;
using test::Case;
using test::FaultyFile;
using test::Match;
using test::MemoryData;
using test::MemoryReplaceRecord;

// Matches of `length` to `length + spread` bytes (or down to it, with a
// negative spread), at random gaps, so that their lengths differ as a
// case-blind search's may while every shift goes one way.
Case RandomCase(std::mt19937& random, size_t size, int64_t length, int64_t spread,
                int64_t replacement, int64_t largest_gap) {
  Case c{test::PatternBytes(size), {}, {}};
  std::uniform_int_distribution<int64_t> gap(0, largest_gap), extra(0, std::abs(spread));
  for (int64_t at = gap(random);;) {
    const int64_t n = std::max<int64_t>(1, length + (spread < 0 ? -extra(random) : extra(random)));
    if (at + n > static_cast<int64_t>(size)) break;
    c.matches.push_back({at, n});
    at += n + gap(random);
  }
  for (int64_t i = 0; i < replacement; ++i) c.replacement.push_back(static_cast<uint8_t>(0xA0 + i));
  return c;
}

ReplaceResult ReplaceWith(FaultyFile& file, const MemoryData& data, bool inverse,
                          int64_t block = test::kTestBlock) {
  MemoryReplaceRecord memory(block);
  return ReplaceAll(file, data.data, inverse, {}, memory.record);
}

// Shorter, equal, longer and empty replacements, matches of one length and
// of several, dense and sparse, over files of a few blocks.
std::vector<Case> Cases() {
  std::mt19937 random(37);
  std::vector<Case> cases;
  const struct {
    int64_t length, spread, replacement, gap;
  } kinds[] = {{4, 0, 4, 700}, {4, 0, 4, 9000},   {4, 0, 2, 300}, {4, 2, 1, 50},
               {3, 0, 0, 20},  {4, 0, 5, 300},    {2, -1, 6, 40}, {1, 0, 300, 3000},
               {600, 0, 1, 0}, {5, 0, 5000, 6000}};
  for (const auto& k : kinds) {
    for (const size_t size : {size_t{1}, size_t{4095}, size_t{4 * 4096 + 17}}) {
      Case c = RandomCase(random, size, k.length, k.spread, k.replacement, k.gap);
      if (!c.matches.empty()) cases.push_back(std::move(c));
    }
  }
  return cases;
}

TEST(ReplaceAll, MatchesTheModelAndUndoThenRedoRestoreEachState) {
  for (const int64_t block : {test::kTestBlock, kMoveBlockSize}) {
    int index = 0;
    for (const Case& c : Cases()) {
      SCOPED_TRACE(testing::Message()
                   << "block " << block << " case " << index++ << " size " << c.before.size()
                   << " matches " << c.matches.size() << " replacement " << c.replacement.size());
      const MemoryData data(c.before, c.matches, c.replacement);
      FaultyFile file(c.before);
      ASSERT_EQ(ReplaceWith(file, data, false, block), ReplaceResult::Done);
      ASSERT_EQ(file.bytes(), c.After());
      ASSERT_EQ(ReplaceWith(file, data, true, block), ReplaceResult::Done);
      ASSERT_EQ(file.bytes(), c.before);
      ASSERT_EQ(ReplaceWith(file, data, false, block), ReplaceResult::Done);
      ASSERT_EQ(file.bytes(), c.After());
    }
  }
}

TEST(ReplaceAll, WritesOnlyTheBlocksThatHoldMatchesWhenLengthsAreEqual) {
  Case c{test::PatternBytes(10 * 4096), {{5, 4}, {7 * 4096 + 3, 4}}, {1, 2, 3, 4}};
  const MemoryData data(c.before, c.matches, c.replacement);
  FaultyFile file(c.before);
  ASSERT_EQ(ReplaceWith(file, data, false), ReplaceResult::Done);
  EXPECT_EQ(file.bytes(), c.After());
  EXPECT_EQ(file.writes(), 2);
  EXPECT_EQ(file.resizes(), 0);
}

TEST(ReplaceAll, ReportsProgressBelowTheWholeAfterEachBlock) {
  Case c{test::PatternBytes(3 * 4096), {{10, 4}, {9000, 4}}, {}};
  const MemoryData data(c.before, c.matches, c.replacement);
  FaultyFile file(c.before);
  MemoryReplaceRecord memory;
  std::vector<std::pair<int64_t, int64_t>> reports;
  ASSERT_EQ(
      ReplaceAll(
          file, data.data, false,
          [&](int64_t done, int64_t total) { reports.emplace_back(done, total); }, memory.record),
      ReplaceResult::Done);
  const int64_t total = 3 * 4096 - 8;
  EXPECT_EQ(reports, (std::vector<std::pair<int64_t, int64_t>>{{4096, total}, {8192, total}}));
}

TEST(ReplaceAll, RefusesAListWhoseShiftsGoBothWaysWithoutTouchingTheFile) {
  // The first match grows, the next shrinks the file further than that.
  Case c{test::PatternBytes(9000), {{10, 1}, {5000, 6}}, {1, 2}};
  const MemoryData data(c.before, c.matches, c.replacement);
  EXPECT_EQ(data.data.list.shift, ShiftKind::Mixed);
  FaultyFile file(c.before);
  EXPECT_EQ(ReplaceWith(file, data, false), ReplaceResult::Restored);
  EXPECT_EQ(file.changes(), 0);
}

TEST(ReplaceListWriter, RefusesMatchesOutOfOrderOrOverlapping) {
  const Bytes bytes = test::PatternBytes(100);
  const auto sink = [](std::span<const uint8_t>) { return std::optional<int64_t>(0); };
  for (const auto& [second, ok] : {std::pair{Match{14, 2}, true}, std::pair{Match{13, 2}, false},
                                   std::pair{Match{5, 2}, false}, std::pair{Match{20, 0}, false}}) {
    ReplaceListWriter writer(sink, 1);
    ASSERT_TRUE(writer.Add(10, {bytes.data() + 10, 4}));
    EXPECT_EQ(writer.Add(second.offset, {bytes.data() + second.offset, size_t(second.length)}), ok);
  }
}

// One case of each way the bytes move, over several blocks.
std::vector<Case> FaultCases() {
  const Bytes before = test::PatternBytes(3 * 4096 + 100);
  std::vector<Match> matches;
  for (int64_t at = 50; at + 4 <= static_cast<int64_t>(before.size()); at += 1500) {
    matches.push_back({at, 4});
  }
  // Matches side by side over most of the file, deleted: the file left
  // is shorter than what they took out.
  std::vector<Match> dense;
  for (int64_t at = 30; at + 40 <= static_cast<int64_t>(before.size()) - 30; at += 40) {
    dense.push_back({at, 40});
  }
  return {{before, matches, {9, 8, 7, 6}},
          {before, matches, {9}},
          {before, matches, {}},
          {before, matches, {9, 8, 7, 6, 5, 4, 3}},
          {before, dense, {}}};
}

TEST(ReplaceAll, AFailureAnywherePutsTheFileBackExactly) {
  for (const Case& c : FaultCases()) {
    const MemoryData data(c.before, c.matches, c.replacement);
    FaultyFile clean(c.before);
    ASSERT_EQ(ReplaceWith(clean, data, false), ReplaceResult::Done);
    for (const char* what : {"read", "write", "resize", "flush"}) {
      const int count = what[0] == 'r' && what[2] == 'a' ? clean.reads()
                        : what[0] == 'w'                 ? clean.writes()
                        : what[0] == 'r'                 ? clean.resizes()
                                                         : 1;
      for (int n = 1; n <= count; ++n) {
        for (const bool partial : {false, true}) {
          SCOPED_TRACE(testing::Message() << "replacement " << c.replacement.size() << " " << what
                                          << " " << n << " partial " << partial);
          FaultyFile file(c.before);
          file.partial = partial;
          (what[0] == 'r' && what[2] == 'a' ? file.fail_read
           : what[0] == 'w'                 ? file.fail_write
           : what[0] == 'r'                 ? file.fail_resize
                                            : file.fail_flush) = n;
          EXPECT_EQ(ReplaceWith(file, data, false), ReplaceResult::Restored);
          EXPECT_EQ(file.bytes(), c.before);
        }
      }
    }
  }
}

TEST(ReplaceAll, KeepsTheRecordWhenTheFileCannotBePutBack) {
  for (const Case& c : FaultCases()) {
    SCOPED_TRACE(testing::Message() << "replacement " << c.replacement.size());
    const MemoryData data(c.before, c.matches, c.replacement);
    FaultyFile file(c.before);
    file.fail_write = 1;
    file.sticky = true;
    MemoryReplaceRecord memory;
    EXPECT_EQ(ReplaceAll(file, data.data, false, {}, memory.record), ReplaceResult::MaybeDamaged);
    EXPECT_TRUE(memory.header.Begun());
  }
}

// Runs the replace (or its taking back) until the program stops at `stop`.
bool RunUntilStopped(FaultyFile& file, const MemoryData& data, bool inverse,
                     MemoryReplaceRecord& memory, test::StopPoint stop, int fail_write = 0) {
  return test::RunUntilStopped(file, stop, fail_write,
                               [&] { ReplaceAll(file, data.data, inverse, {}, memory.record); });
}

::testing::AssertionResult RepairedWhole(FaultyFile& file, MemoryReplaceRecord& memory,
                                         MemoryData& data, const Bytes& before,
                                         const Bytes& after) {
  const RepairResult result =
      RepairReplaceAll(file, memory.record, memory.bytes.size(), &data.file);
  return test::LeftWhole(file, memory.header, result, before, after);
}

TEST(ReplaceAllStopped, RepairGivesExactlyBeforeOrAfterAtEveryStop) {
  for (Case c : FaultCases()) {
    MemoryData data(c.before, c.matches, c.replacement);
    const Bytes after = c.After();
    for (const bool inverse : {false, true}) {
      const Bytes& from = inverse ? after : c.before;
      const Bytes& to = inverse ? c.before : after;
      for (const int fail_write : {0, 3}) {
        FaultyFile clean(from);
        MemoryReplaceRecord counting;
        RunUntilStopped(clean, data, inverse, counting, {}, fail_write);
        for (int change = 1; change <= clean.changes(); ++change) {
          for (const bool half : {false, true}) {
            SCOPED_TRACE(testing::Message() << "replacement " << c.replacement.size() << " inverse "
                                            << inverse << " failing write " << fail_write
                                            << " change " << change << " half " << half);
            FaultyFile file(from);
            MemoryReplaceRecord memory;
            ASSERT_TRUE(RunUntilStopped(file, data, inverse, memory, {change, half}, fail_write));
            ASSERT_TRUE(RepairedWhole(file, memory, data, from, to));
          }
        }
      }
    }
  }
}

TEST(ReplaceAllStopped, AStoppedRepairIsRepairedAgain) {
  for (Case c : FaultCases()) {
    MemoryData data(c.before, c.matches, c.replacement);
    const Bytes after = c.After();
    FaultyFile clean(c.before);
    MemoryReplaceRecord counting;
    RunUntilStopped(clean, data, false, counting, {});
    for (int change = 1; change <= clean.changes(); change += 2) {
      for (int repair_change = 1;; ++repair_change) {
        SCOPED_TRACE(testing::Message() << "replacement " << c.replacement.size() << " change "
                                        << change << " repair change " << repair_change);
        FaultyFile file(c.before);
        MemoryReplaceRecord memory;
        ASSERT_TRUE(RunUntilStopped(file, data, false, memory, {change, true}));
        file.stop = {file.changes() + repair_change, true};
        try {
          RepairReplaceAll(file, memory.record, memory.bytes.size(), &data.file);
        } catch (const test::Stopped&) {
          file.stop = {};
          ASSERT_TRUE(RepairedWhole(file, memory, data, c.before, after));
          continue;
        }
        break;
      }
    }
  }
}

TEST(ReplaceAllStopped, AFileChangedOrReplacedSinceIsLeftUntouched) {
  const Case c = FaultCases()[0];
  MemoryData data(c.before, c.matches, c.replacement);
  const struct {
    const char* what;
    test::StopPoint stop;
    std::function<void(Bytes&, const ReplaceRecord&)> change;
  } cases[] = {
      {"a byte longer", {2, false}, [](Bytes& b, auto&) { b.push_back(1); }},
      {"the block on its way changed",
       {2, true},
       [](Bytes& b, const ReplaceRecord& r) { b[r.flight().offset + 1] ^= 0x55; }},
      {"the block written last changed",
       {3, false},
       [](Bytes& b, const ReplaceRecord& r) { b[r.last().offset + 7] ^= 0x55; }},
      {"a copy from after", {2, false}, [&](Bytes& b, auto&) { b = c.After(); }},
      {"another file of that length",
       {2, false},
       [](Bytes& b, auto&) { b = test::CountingBytes(b.size()); }},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.what);
    FaultyFile file(c.before);
    MemoryReplaceRecord memory;
    ASSERT_TRUE(RunUntilStopped(file, data, false, memory, k.stop));
    k.change(file.bytes(), memory.record);
    const Bytes left = file.bytes();
    const int changes = file.changes();
    EXPECT_EQ(RepairReplaceAll(file, memory.record, memory.bytes.size(), &data.file),
              RepairResult::NotMatching);
    EXPECT_EQ(file.bytes(), left);
    EXPECT_EQ(file.changes(), changes);
    EXPECT_TRUE(memory.header.Begun());
  }
}

TEST(ReplaceAllStopped, ADamagedOrMissingDataFileWritesNothing) {
  const Case c = FaultCases()[1];
  for (const char* what : {"missing", "list", "replacement"}) {
    SCOPED_TRACE(what);
    MemoryData data(c.before, c.matches, c.replacement);
    FaultyFile file(c.before);
    MemoryReplaceRecord memory;
    ASSERT_TRUE(RunUntilStopped(file, data, false, memory, {2, false}));
    if (what[0] == 'l') data.file.bytes().back() ^= 1;
    if (what[0] == 'r') data.file.bytes().front() ^= 1;
    const Bytes left = file.bytes();
    EXPECT_EQ(RepairReplaceAll(file, memory.record, memory.bytes.size(),
                               what[0] == 'm' ? nullptr : &data.file),
              RepairResult::DataUnusable);
    EXPECT_EQ(file.bytes(), left);
    EXPECT_TRUE(memory.header.Begun());
  }
}

TEST(ReplaceAllStopped, ARecordThatDoesNotFitChangesNothing) {
  const Case c = FaultCases()[2];
  MemoryData data(c.before, c.matches, c.replacement);
  FaultyFile file(c.before);
  MemoryReplaceRecord memory;
  ASSERT_TRUE(RunUntilStopped(file, data, false, memory, {2, false}));
  ReplaceList list = memory.record.list();
  list.removed += 1;
  memory.record.SetList(list, false);
  const Bytes left = file.bytes();
  EXPECT_EQ(RepairReplaceAll(file, memory.record, memory.bytes.size(), &data.file),
            RepairResult::Unfit);
  EXPECT_EQ(file.bytes(), left);
}

}  // namespace
}  // namespace vx

// The disk engine's edits under simulated power cuts: each command runs once
// recorded, then every disk a cut after any of its changes may leave gets
// the next start's repair, which must leave each file exactly before or
// after, name the command it finished or took back, and touch no other file.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/disk/insert_delete.h"
#include "app/disk/recovery.h"
#include "tests/app/replace_cases.h"
#include "tests/support/message_recorder.h"
#include "tests/support/power_cut.h"
#include "tests/support/progress_recorder.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_bytes.h"

namespace vx {
namespace {

using test::Bytes;

constexpr int64_t kBlock = 4096;
constexpr int64_t kSmall = 3 * kBlock + 10;  // every cut point
constexpr int64_t kLarge = 16 * kBlock + 7;  // fewer subsets per cut

// A folder with the edited file, a bystander, the journal's data file and
// the records' folder; the commands' records in small blocks.
class PowerCut : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::MakeFolder(records_));
    SetRecoveryFolder(records_ + L"\\");
    SetCommandBlockSize(kBlock);
    test::WriteFileBytes(dir_ / L"bystander.bin", test::CountingBytes(5000));
  }
  void TearDown() override {
    SetRecoveryFolder(L"");
    SetCommandBlockSize(kMoveBlockSize);
  }

  void WriteEdited(int64_t size) { test::WriteFileBytes(path_, test::PatternBytes(size)); }

  // The start-up repair on the disk a cut left, then: each file before or
  // after; a repair's report names `kind` made by `command`, and says
  // finished only of a file that is after, taken back of one before.
  test::CutCheck StartUpHolds(RecordKind kind, RecordedCommand command) const {
    const std::wstring path = path_;
    return [path, kind, command](const test::CutRecorder& recording) -> std::string {
      test::MessageRecorder messages;
      const std::vector<RepairReport> reports = RepairLeftRecords();
      if (std::string failed = test::EachFileBeforeOrAfter(recording); !failed.empty()) {
        return failed;
      }
      const Bytes now = test::ReadFileBytes(path);
      const Bytes before = recording.Before().files.at(path);
      const Bytes after = recording.After().files.at(path);
      for (const RepairReport& report : reports) {
        if (report.kind != kind || report.command != command) return "another command was named";
        if (report.result != RepairResult::After && report.result != RepairResult::Before) {
          return "the repair gave " + std::to_string(static_cast<int>(report.result));
        }
        if (now != (report.result == RepairResult::After ? after : before)) {
          return "the repair named the other side";
        }
      }
      if (messages.shown().size() != reports.size()) return "a repair without its message";
      return {};
    };
  }

  ::testing::AssertionResult Cuts(const std::string& command, RecordKind kind,
                                  RecordedCommand recorded, const std::function<void()>& run,
                                  int random_states = 8) {
    test::PowerCutCase cut_case(command, {dir_.path()}, run);
    cut_case.check = StartUpHolds(kind, recorded);
    cut_case.random_states = random_states;
    return test::RunPowerCuts(cut_case);
  }

  test::TempFolder dir_;
  const std::wstring records_ = dir_ / L"VXSetting";
  std::wstring path_ = dir_ / L"edited.bin";
  const std::wstring data_path_ = dir_ / L"journal.vxd";
};

struct OneByteMove {
  const char* command;
  bool insertion;
  int64_t size;
  int64_t offset;
  RecordedCommand recorded;
};

TEST_F(PowerCut, InsertAndDeleteAndTheirUndoAndRedo) {
  const OneByteMove moves[] = {
      {"insert", true, kSmall, 5, RecordedCommand::Itself},
      {"delete", false, kSmall, 5, RecordedCommand::Itself},
      {"insert at the end", true, kSmall, kSmall, RecordedCommand::Itself},
      {"undo of an insertion", false, kSmall, kBlock + 3, RecordedCommand::Undo},
      {"redo of an insertion", true, kSmall, kBlock + 3, RecordedCommand::Redo},
      {"insert into a larger file", true, kLarge, 1, RecordedCommand::Itself},
      {"delete from a larger file", false, kLarge, 1, RecordedCommand::Itself},
  };
  for (const OneByteMove& m : moves) {
    SCOPED_TRACE(m.command);
    WriteEdited(m.size);
    const EditedFile file(path_);
    const auto run = [&] {
      if (m.insertion) {
        InsertIntoFile(file, m.offset, 0xEE, test::IgnoreProgress, L"", m.recorded);
      } else {
        DeleteFromFile(file, m.offset, test::IgnoreProgress, L"", m.recorded);
      }
    };
    EXPECT_TRUE(Cuts(m.command, m.insertion ? RecordKind::Insertion : RecordKind::Deletion,
                     m.recorded, run, m.size == kLarge ? 2 : 8));
  }
}

// Cut and Delete remove, Paste inserts, Paste over does both, Fill writes one
// value over as many; the removed and the new bytes are in the journal's
// data file, on the disk before the command.
TEST_F(PowerCut, RangeEditsAndTheirUndo) {
  const struct {
    const char* command;
    int64_t at, removed, inserted;
    bool fill;
    RecordedCommand recorded;
  } edits[] = {
      {"cut", 100, 3000, 0, false, RecordedCommand::Itself},
      {"paste", 100, 0, 5000, false, RecordedCommand::Itself},
      {"paste over, longer", 100, 700, 6000, false, RecordedCommand::Itself},
      {"paste over, shorter", 100, 6000, 700, false, RecordedCommand::Itself},
      {"fill", 50, 9000, 9000, true, RecordedCommand::Itself},
      {"undo of a paste", 100, 5000, 0, false, RecordedCommand::Undo},
      {"redo of a cut", 100, 3000, 0, false, RecordedCommand::Redo},
  };
  for (const auto& e : edits) {
    SCOPED_TRACE(e.command);
    WriteEdited(kSmall);
    const Bytes before = test::PatternBytes(kSmall);
    Bytes data(before.begin() + e.at, before.begin() + e.at + e.removed);
    const Bytes added = test::CountingBytes(static_cast<size_t>(e.inserted));
    data.insert(data.end(), added.begin(), added.end());
    test::WriteFileBytes(data_path_, data);
    const EditedFile file(path_);
    const auto run = [&] {
      fs::File opened = fs::OpenFileForReading(data_path_);
      SeamBlockFile seam(opened);
      const RangeData range{&seam, data_path_, 0, e.removed, e.fill, 0x5A};
      ReplaceInFile(file, e.at, e.removed, e.inserted, range, test::IgnoreProgress, L"",
                    NamedCommand(e.recorded, FailedCommand::Paste), e.recorded);
    };
    EXPECT_TRUE(Cuts(e.command, RecordKind::Range, e.recorded, run));
  }
}

// Found failing before each block's being whole was flushed ahead of the
// next block's slots: the repair met slots torn by the next block under a
// record that named the one before, and set the record aside.
TEST_F(PowerCut, ReplaceAllAndItsUndoAndRedo) {
  const Bytes before = test::PatternBytes(kSmall);
  const struct {
    const char* command;
    Bytes replacement;
    bool inverse;
    RecordedCommand recorded;
  } replaces[] = {
      {"replace all, longer", Bytes(9, 0x11), false, RecordedCommand::Itself},
      {"replace all, shorter", Bytes(1, 0x22), false, RecordedCommand::Itself},
      {"replace all, as long", Bytes(4, 0x33), false, RecordedCommand::Itself},
      {"undo of replace all", Bytes(9, 0x44), true, RecordedCommand::Undo},
      {"redo of replace all", Bytes(1, 0x55), false, RecordedCommand::Redo},
  };
  const std::vector<test::Match> matches = {{3, 4}, {kBlock - 2, 4}, {2 * kBlock + 9, 4}};
  // The record's fields follow the names: a long name puts its plans across
  // a sector's edge, where a cut may keep one part of a plan and not the
  // other.
  const std::wstring long_name = dir_ / (std::wstring(180, L'n') + L".bin");
  for (const std::wstring& name : {path_, long_name}) {
    for (const auto& r : replaces) {
      path_ = name;
      SCOPED_TRACE(r.command);
      // Undo starts from the file the replace left.
      const Bytes start = r.inverse ? test::Replaced(before, matches, r.replacement) : before;
      test::WriteFileBytes(path_, start);
      test::MemoryData memory(before, matches, r.replacement);
      test::WriteFileBytes(data_path_, memory.file.bytes());
      const EditedFile file(path_);
      const auto run = [&] {
        fs::File opened = fs::OpenFileForReading(data_path_);
        SeamBlockFile seam(opened);
        const ReplaceData data{&seam, memory.data.list, memory.replacement};
        ReplaceAllInFile(file, data, r.inverse, data_path_, test::IgnoreProgress, L"", r.recorded);
      };
      EXPECT_TRUE(Cuts(r.command, RecordKind::ReplaceAll, r.recorded, run, 4));
    }
  }
}

// The repair itself cut at any instant, on disks an edit left cut at
// several points, then the next start's repair: the file is as before the
// edit or after it.
// Found failing while the repair's record was never flushed (its writes
// went through to nothing): a cut in the repair left the file neither.
TEST_F(PowerCut, TheRepairCutAndRepairedAgain) {
  const std::vector<test::Match> matches = {{3, 4}, {kBlock - 2, 4}, {2 * kBlock + 9, 4}};
  const Bytes pasted = test::CountingBytes(5000);
  test::MemoryData memory(test::PatternBytes(kSmall), matches, Bytes(9, 0x11));
  const struct {
    const char* command;
    const Bytes& data;  // the journal's data file
    std::function<void(const EditedFile&)> edit;
  } edits[] = {
      {"repair of an insertion", pasted,
       [](const EditedFile& f) { InsertIntoFile(f, 5, 0xEE, test::IgnoreProgress, L""); }},
      {"repair of a deletion", pasted,
       [](const EditedFile& f) { DeleteFromFile(f, 5, test::IgnoreProgress, L""); }},
      {"repair of a paste", pasted,
       [&](const EditedFile& f) {
         fs::File opened = fs::OpenFileForReading(data_path_);
         SeamBlockFile seam(opened);
         const RangeData range{&seam, data_path_, 0, 0, false, 0};
         ReplaceInFile(f, 100, 0, static_cast<int64_t>(pasted.size()), range, test::IgnoreProgress,
                       L"", FailedCommand::Paste);
       }},
      {"repair of a replace-all", memory.file.bytes(),
       [&](const EditedFile& f) {
         fs::File opened = fs::OpenFileForReading(data_path_);
         SeamBlockFile seam(opened);
         const ReplaceData data{&seam, memory.data.list, memory.replacement};
         ReplaceAllInFile(f, data, false, data_path_, test::IgnoreProgress, L"");
       }},
  };
  for (const auto& e : edits) {
    WriteEdited(kSmall);
    test::WriteFileBytes(data_path_, e.data);
    const EditedFile file(path_);
    test::CutRecorder edit({dir_.path()});
    e.edit(file);
    edit.Stop();
    const Bytes before = edit.Before().files.at(path_);
    const Bytes after = edit.After().files.at(path_);
    std::mt19937_64 random(39);
    const size_t events = edit.EventCount();
    for (const size_t cut : {events / 3, events / 2, events * 3 / 4}) {
      SCOPED_TRACE(testing::Message() << e.command << ", the edit cut at " << cut);
      edit.Materialise(edit.StateAfterCut(cut, test::CutKeeps::AnySubset, random));
      test::PowerCutCase cut_case(e.command, {dir_.path()}, [] {
        test::MessageRecorder messages;
        RepairLeftRecords();
      });
      cut_case.random_states = 4;
      const std::wstring path = path_;
      cut_case.check = [&before, &after, path](const test::CutRecorder&) -> std::string {
        test::MessageRecorder messages;
        RepairLeftRecords();
        const Bytes now = test::ReadFileBytes(path);
        return now == before || now == after ? std::string() : "neither before nor after";
      };
      EXPECT_TRUE(test::RunPowerCuts(cut_case));
    }
  }
}

}  // namespace
}  // namespace vx

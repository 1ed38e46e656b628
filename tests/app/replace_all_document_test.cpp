#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/document/edited_document.h"
#include "app/edit/edit_texts.h"
#include "app/disk/recovery.h"
#include "app/disk/recovery_texts.h"
#include "app/settings/display_settings.h"
#include "app/settings/settings_folder.h"
#include "common/file_seam.h"
#include "tests/app/replace_cases.h"
#include "tests/support/message_recorder.h"
#include "tests/support/progress_recorder.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_bytes.h"

namespace vx {
namespace {

using test::Bytes;

// A finder over the file as it stands: every match of `pattern`, apart,
// streamed in order; `stop_after` matches are streamed before it gives up,
// as a cancelled search does.
MatchFinder FinderOf(const std::wstring& path, Bytes pattern, int stop_after = -1) {
  return [path, pattern, stop_after](const MatchSink& sink) {
    const Bytes bytes = test::ReadFileBytes(path);
    int streamed = 0;
    for (auto it = bytes.begin();;) {
      it = std::search(it, bytes.end(), pattern.begin(), pattern.end());
      if (it == bytes.end()) return true;
      if (streamed++ == stop_after) return false;
      if (!sink(it - bytes.begin(), {&*it, pattern.size()})) return false;
      it += static_cast<ptrdiff_t>(pattern.size());
    }
  };
}

// The model: every match of `pattern` replaced.
Bytes ReplacedEverywhere(const Bytes& bytes, const Bytes& pattern, const Bytes& replacement) {
  std::vector<test::Match> matches;
  for (auto it = bytes.begin();
       (it = std::search(it, bytes.end(), pattern.begin(), pattern.end())) != bytes.end();
       it += static_cast<ptrdiff_t>(pattern.size())) {
    matches.push_back({it - bytes.begin(), static_cast<int64_t>(pattern.size())});
  }
  return test::Replaced(bytes, matches, replacement);
}

// A file with a marker every 1000 bytes, whose records and undo data go to
// a folder of its own.
class ReplaceAllDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDefaultSettings();
    DisplaySettings.AutoBackUp = false;
    SetFolderWriteCheck([](const std::wstring&) { return false; });
    SetRecoveryFolder(records);
    for (size_t at = 7; at + 3 < before.size(); at += 1000) {
      std::copy(kMarker.begin(), kMarker.end(), before.begin() + static_cast<ptrdiff_t>(at));
    }
    test::WriteFileBytes(path, before);
    ASSERT_EQ(document.Open(path), OpenOutcome::Opened);
  }
  void TearDown() override {
    SetRecoveryFolder(L"");
    SetFolderWriteCheck({});
  }

  const Bytes kMarker{0xDE, 0xAD, 0xBE};
  Bytes before = test::PatternBytes(600000);
  test::TempFolder dir;
  const std::wstring path = dir / L"doc.bin";
  const std::wstring records = dir / L"records\\";
  test::MessageRecorder messages;
  test::ProgressRecorder progress;
  EditedDocument document{progress.Callback(), [](bool) {}};
};

TEST_F(ReplaceAllDocumentTest, ReplacesEveryMatchAsOneStepThatUndoAndRedoTakeWhole) {
  for (const Bytes& replacement : {Bytes{1, 2, 3}, Bytes{}, Bytes{9}, Bytes{4, 5, 6, 7, 8}}) {
    SCOPED_TRACE(testing::Message() << "replacement " << replacement.size());
    test::WriteFileBytes(path, before);
    ASSERT_EQ(document.Open(path), OpenOutcome::Opened);
    progress.Clear();
    ASSERT_TRUE(document.BeginChange());
    const ReplaceAllOutcome outcome = document.ReplaceAll(FinderOf(path, kMarker), replacement);
    EXPECT_EQ(outcome.result, ReplaceAllOutcome::Replaced);
    EXPECT_EQ(outcome.count, 600);
    const Bytes after = ReplacedEverywhere(before, kMarker, replacement);
    EXPECT_EQ(test::ReadFileBytes(path), after);
    EXPECT_EQ(document.size(), static_cast<int64_t>(after.size()));
    ASSERT_FALSE(progress.calls().empty());
    EXPECT_EQ(progress.calls().front().caption, edit_texts::kReplacing);
    EXPECT_EQ(progress.calls().back().share, kProgressEnd);
    EXPECT_TRUE(
        std::all_of(progress.calls().begin() + 1, progress.calls().end() - 1,
                    [](const test::ProgressCall& c) { return c.share >= 0 && c.share < 1; }));
    EXPECT_TRUE(document.Undo());
    EXPECT_EQ(test::ReadFileBytes(path), before);
    EXPECT_TRUE(document.Redo());
    EXPECT_EQ(test::ReadFileBytes(path), after);
    EXPECT_TRUE(document.Undo());
    EXPECT_EQ(test::ReadFileBytes(path), before);
    EXPECT_TRUE(messages.shown().empty());
  }
}

TEST_F(ReplaceAllDocumentTest, NothingFoundACancelMixedLengthsOrAnEmptiedFileLeaveFileAndJournal) {
  ASSERT_TRUE(document.BeginChange());
  EXPECT_EQ(document.ReplaceAll(FinderOf(path, {0xFF, 0xFF, 0xFF, 0xFF}), Bytes{1}).result,
            ReplaceAllOutcome::NothingFound);
  EXPECT_EQ(document.ReplaceAll(FinderOf(path, kMarker, 300), Bytes{1}).result,
            ReplaceAllOutcome::Cancelled);
  EXPECT_TRUE(messages.shown().empty());
  // One match lengthens the file, the next shortens it by more.
  const MatchFinder mixed = [&](const MatchSink& sink) {
    return sink(7, {before.data() + 7, 1}) && sink(1007, {before.data() + 1007, 4});
  };
  const ReplaceAllOutcome refused = document.ReplaceAll(mixed, Bytes{1, 2});
  EXPECT_EQ(refused.result, ReplaceAllOutcome::Failed);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, edit_texts::kReplaceAllMixed);
  // Every byte a match, and nothing to put in: the file would be emptied.
  const MatchFinder everything = [&](const MatchSink& sink) {
    return sink(0, {before.data(), before.size()});
  };
  EXPECT_EQ(document.ReplaceAll(everything, {}).result, ReplaceAllOutcome::Failed);
  ASSERT_EQ(messages.shown().size(), 2u);
  EXPECT_EQ(messages.shown()[1].text, edit_texts::kNoMoreDelete);
  EXPECT_EQ(test::ReadFileBytes(path), before);
  EXPECT_FALSE(document.journal().CanUndo());
}

// What a program killed part-way through a replace-all (or its Undo)
// leaves in the records folder, and the next start's repair of it.
class ReplaceAllRecoveryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::MakeFolder(records));
    SetRecoveryFolder(records);
  }
  void TearDown() override { SetRecoveryFolder(L""); }

  // Runs the replace over a copy in memory until it stops at `stop`, then
  // leaves that copy as the file, the data file beside it and the record.
  void LeaveStopped(const test::Case& c, bool inverse, test::StopPoint stop) {
    test::MemoryData data(c.before, c.matches, c.replacement);
    test::WriteFileBytes(data_path, data.file.bytes());
    test::FaultyFile memory(inverse ? c.After() : c.before);
    LiveRecord live(RecordKind::ReplaceAll, path, data_path,
                    inverse ? RecordedCommand::Undo : RecordedCommand::Itself, test::kTestBlock);
    ASSERT_TRUE(live.kept_on_disk());
    ReplaceRecord record(live.record());
    ASSERT_TRUE(test::RunUntilStopped(memory, stop, 0,
                                      [&] { ReplaceAll(memory, data.data, inverse, {}, record); }));
    live.Keep();
    test::WriteFileBytes(path, memory.bytes());
  }

  test::TempFolder dir;
  test::MessageRecorder messages;
  const std::wstring records = dir / L"VXSetting\\";
  const std::wstring path = dir / L"data.bin";
  const std::wstring data_path = dir / L"Journal1-1.dat";
  const test::Case kCase{test::PatternBytes(5 * 4096), {{10, 4}, {6000, 4}, {17000, 4}}, {7}};
};

TEST_F(ReplaceAllRecoveryTest, AStoppedReplaceOrItsUndoIsRepairedAndNamedAtTheNextStart) {
  namespace t = recovery_texts;
  for (const bool inverse : {false, true}) {
    for (const int change : {1, 3, 5}) {
      SCOPED_TRACE(testing::Message() << "inverse " << inverse << " change " << change);
      messages.Clear();
      LeaveStopped(kCase, inverse, {change, true});
      const std::vector<RepairReport> reports = RepairLeftRecords();
      ASSERT_EQ(reports.size(), 1u);
      const bool after = reports[0].result == RepairResult::After;
      EXPECT_TRUE(after || reports[0].result == RepairResult::Before);
      EXPECT_EQ(test::ReadFileBytes(path), after != inverse ? kCase.After() : kCase.before);
      ASSERT_EQ(messages.shown().size(), 1u);
      EXPECT_TRUE(messages.shown()[0].text.starts_with(
          std::wstring(inverse ? t::kReplaceAllUndoStopped : t::kReplaceAllStopped) + L"\r\n" +
          (after ? (inverse ? t::kReplaceAllUndoFinished : t::kReplaceAllFinished)
                 : (inverse ? t::kReplaceAllUndoTakenBack : t::kReplaceAllTakenBack))));
      EXPECT_TRUE(fs::ListFolder(records).empty());
    }
  }
}

TEST_F(ReplaceAllRecoveryTest, AChangedDataFileKeepsTheRecordAndAChangedFileSetsItAside) {
  LeaveStopped(kCase, false, {3, false});
  const Bytes left = test::ReadFileBytes(path);
  Bytes data = test::ReadFileBytes(data_path);
  data.back() ^= 1;
  test::WriteFileBytes(data_path, data);
  std::vector<RepairReport> reports = RepairLeftRecords();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].result, RepairResult::DataUnusable);
  EXPECT_EQ(test::ReadFileBytes(path), left);
  EXPECT_EQ(fs::ListFolder(records).size(), 1u);
  EXPECT_FALSE(SettlePendingRecords(path).empty());

  data.back() ^= 1;
  test::WriteFileBytes(data_path, data);
  Bytes changed = left;
  changed[4096 + 1] ^= 0x55;  // in the block written last
  test::WriteFileBytes(path, changed);
  messages.Clear();
  reports = RepairLeftRecords();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].result, RepairResult::NotMatching);
  EXPECT_EQ(test::ReadFileBytes(path), changed);
  // Set aside with its details, which name the command and the matches.
  ASSERT_FALSE(reports[0].details.empty());
  const Bytes details = test::ReadFileBytes(reports[0].details);
  const std::u16string units(reinterpret_cast<const char16_t*>(details.data()), details.size() / 2);
  EXPECT_NE(units.find(Utf16Units(recovery_texts::kReplaceAllEdit)), std::u16string::npos);
  EXPECT_TRUE(SettlePendingRecords(path).empty());
}

}  // namespace
}  // namespace vx

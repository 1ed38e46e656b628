#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/disk/journal_data.h"
#include "app/disk/recovery.h"
#include "app/disk/undo_journal.h"
#include "app/document/edited_document.h"
#include "app/edit/edit_texts.h"
#include "app/edit/failure_texts.h"
#include "app/settings/display_settings.h"
#include "app/settings/settings_folder.h"
#include "common/file_seam.h"
#include "tests/app/document_records_fixture.h"
#include "tests/support/message_recorder.h"
#include "tests/support/progress_recorder.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_bytes.h"

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;

bool HasJournalData(const std::wstring& folder) {
  for (const fs::FolderEntry& entry : fs::ListFolder(folder)) {
    if (IsJournalDataName(entry.name)) return true;
  }
  return false;
}

// A document on a scratch file whose records and undo data go to a folder
// of its own.
class RangeCommandsTest : public test::DocumentRecordsTest {
 protected:
  void OpenOn(const Bytes& bytes) {
    test::WriteFileBytes(path, bytes);
    ASSERT_EQ(document->Open(path), OpenOutcome::Opened);
  }
  Bytes OnDisk() const { return test::ReadFileBytes(path); }

  test::MessageRecorder messages;
  test::ProgressRecorder progress;
  std::unique_ptr<EditedDocument> document =
      std::make_unique<EditedDocument>(progress.Callback(), [](bool) {});
};

// Any sequence of cuts, pastes, replacements, overwrites, fills, undos and
// redos leaves the file as an in-memory copy that took the same steps, and
// the journal's commands follow the copy's history. Lengths cross the data
// file's copy blocks.
TEST_F(RangeCommandsTest, AnySequenceOfRangeCommandsAndUndosMatchesAModel) {
  std::mt19937 random(20261209);
  const auto below = [&](int64_t n) {
    return static_cast<int64_t>(random() % static_cast<uint32_t>(n));
  };
  std::vector<Bytes> history{test::PatternBytes(150000)};
  size_t now = 0;
  OpenOn(history[0]);
  for (int round = 0; round < 160; ++round) {
    const Bytes& file = history[now];
    const int64_t size = static_cast<int64_t>(file.size());
    const int64_t first = below(size);
    const int64_t count = 1 + below(std::min<int64_t>(size - first, round % 5 == 0 ? 90000 : 5000));
    Bytes after = file;
    const int kind = static_cast<int>(below(7));
    SCOPED_TRACE(testing::Message()
                 << "round " << round << " kind " << kind << " at " << first << " count " << count);
    if (kind == 5) {
      ASSERT_EQ(document->Undo(), now > 0);
      if (now > 0) --now;
      messages.Clear();
    } else if (kind == 6) {
      ASSERT_EQ(document->Redo(), now + 1 < history.size());
      if (now + 1 < history.size()) ++now;
      messages.Clear();
    } else {
      Bytes bytes(static_cast<size_t>(1 + below(70000)));
      for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
      const auto at = after.begin() + first;
      if (kind == 0) {  // cut
        if (count == size) continue;
        after.erase(at, at + count);
        ASSERT_TRUE(document->ReplaceRange(first, count, {}));
      } else if (kind == 1) {  // paste
        after.insert(at, bytes.begin(), bytes.end());
        ASSERT_TRUE(document->ReplaceRange(first, 0, bytes));
      } else if (kind == 2) {  // paste over a selection
        after.erase(at, at + count);
        after.insert(after.begin() + first, bytes.begin(), bytes.end());
        ASSERT_TRUE(document->ReplaceRange(first, count, bytes));
      } else if (kind == 3) {  // paste over
        bytes.resize(static_cast<size_t>(count));
        std::copy(bytes.begin(), bytes.end(), at);
        ASSERT_TRUE(document->OverwriteRange(first, bytes));
      } else {  // fill
        std::fill(at, at + count, static_cast<uint8_t>(kind * 40 + round));
        ASSERT_TRUE(document->FillRange(first, count, static_cast<uint8_t>(kind * 40 + round)));
      }
      history.resize(now + 1);
      history.push_back(std::move(after));
      ++now;
    }
    ASSERT_EQ(OnDisk(), history[now]);
    ASSERT_EQ(document->size(), static_cast<int64_t>(history[now].size()));
    ASSERT_EQ(document->journal().CanUndo(), now > 0);
    ASSERT_EQ(document->journal().CanRedo(), now + 1 < history.size());
    ASSERT_TRUE(messages.shown().empty());
  }
}

TEST_F(RangeCommandsTest, TheUndoDataLivesBesideTheRecordsWhileTheDocumentDoes) {
  OpenOn(test::PatternBytes(100));
  EXPECT_FALSE(HasJournalData(records));
  ASSERT_TRUE(document->ReplaceRange(10, 20, {}));
  EXPECT_TRUE(HasJournalData(records));
  document.reset();
  EXPECT_FALSE(HasJournalData(records));
}

// Commands that cannot act leave the file and the journal as they were;
// emptying the file is refused as deleting its last byte is.
TEST_F(RangeCommandsTest, RangesOutsideTheFileAndEmptyingItAreRefused) {
  const Bytes start = test::PatternBytes(10);
  OpenOn(start);
  const Bytes two{1, 2};
  EXPECT_FALSE(document->ReplaceRange(-1, 1, {}));
  EXPECT_FALSE(document->ReplaceRange(9, 2, {}));
  EXPECT_FALSE(document->ReplaceRange(11, 0, two));
  EXPECT_FALSE(document->ReplaceRange(3, 0, {}));
  EXPECT_FALSE(document->OverwriteRange(9, two));
  EXPECT_FALSE(document->FillRange(5, 6, 0));
  EXPECT_FALSE(document->FillRange(5, 0, 0));
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_FALSE(document->ReplaceRange(0, 10, {}));
  EXPECT_EQ(messages.texts(), std::vector<std::wstring>{edit_texts::kNoMoreDelete});
  EXPECT_EQ(OnDisk(), start);
  EXPECT_FALSE(document->journal().CanUndo());
  // Pasting just behind the last byte appends.
  EXPECT_TRUE(document->ReplaceRange(10, 0, two));
  EXPECT_EQ(OnDisk().size(), 12u);
}

// Where the undo data cannot be kept the change is not made: it could not
// be undone, nor taken back if the move failed half way.
TEST_F(RangeCommandsTest, AChangeWhoseUndoDataCannotBeKeptIsNotMade) {
  const Bytes start = test::PatternBytes(100);
  OpenOn(start);
  test::WriteFileBytes(dir / L"blocked", {1});
  SetRecoveryFolder(dir / L"blocked\\");
  EXPECT_FALSE(document->ReplaceRange(0, 50, {}));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_TRUE(messages.shown()[0].text.starts_with(failure_texts::kDeleteFailed));
  EXPECT_NE(messages.shown()[0].text.find(failure_texts::kTheJournalData), std::wstring::npos);
  EXPECT_EQ(OnDisk(), start);
  EXPECT_FALSE(document->journal().CanUndo());
}

// A stopped program's undo data goes at the next start, unless a record
// (still to be repaired, or set aside) names it and may need its bytes.
TEST(LeftJournalData, OnlyDataNoRecordNamesIsRemoved) {
  test::TempFolder dir;
  const std::wstring& folder = dir.path();
  const auto named = [](const std::wstring& name) {
    Bytes bytes{'V', 'X'};
    for (const char16_t unit : Utf16Units(L"C:\\x\\" + name)) {
      bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
      bytes.push_back(static_cast<uint8_t>(unit >> 8));
    }
    return bytes;
  };
  test::WriteFileBytes(folder + L"Journal1-1.dat", {1});
  test::WriteFileBytes(folder + L"Journal2-1.dat", {2});
  test::WriteFileBytes(folder + L"Journal3-1.dat", {3});
  test::WriteFileBytes(folder + L"Recovery9-1.dat", named(L"Journal2-1.dat"));
  test::WriteFileBytes(folder + L"Recovery8-1.old", named(L"Journal3-1.dat"));
  test::WriteFileBytes(folder + L"Notes.dat", {4});
  RemoveLeftJournalData(folder);
  EXPECT_FALSE(fs::FileExists(folder + L"Journal1-1.dat"));
  for (const wchar_t* kept : {L"Journal2-1.dat", L"Journal3-1.dat", L"Recovery9-1.dat",
                              L"Recovery8-1.old", L"Notes.dat"}) {
    EXPECT_TRUE(fs::FileExists(folder + kept)) << kept;
  }
}

TEST(UndoJournalRanges, UndoSwapsTheSidesOfARangeChangeAndRedoKeepsThem) {
  UndoJournal journal;
  const RangeBytes cut{5, 100}, fill{5, 0, true, 0xEE};
  ASSERT_TRUE(journal.RecordRange(7, cut, fill));
  const std::optional<FileEdit> undo = journal.NextUndo();
  ASSERT_TRUE(undo);
  EXPECT_EQ(*undo, (FileEdit{EditKind::Replace, 7, 0, fill, cut}));
  journal.UndoDone();
  const std::optional<FileEdit> redo = journal.NextRedo();
  ASSERT_TRUE(redo);
  EXPECT_EQ(*redo, (FileEdit{EditKind::Replace, 7, 0, cut, fill}));
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

#ifndef _WIN32
std::wstring JournalDataIn(const std::wstring& folder) {
  for (const fs::FolderEntry& entry : fs::ListFolder(folder)) {
    if (IsJournalDataName(entry.name)) return folder + entry.name;
  }
  return L"";
}
#endif

// Failures caused outside the file are named as what they are, with the
// command's own name, and change nothing: the data file cut short under
// Undo, the file cut short or gone under a paste over a selection.
TEST_F(RangeCommandsTest, EachFailureNamesItsCommandAndItsCauseAndChangesNothing) {
  namespace t = failure_texts;
  const Bytes start = test::PatternBytes(100);
  OpenOn(start);
  ASSERT_TRUE(document->ReplaceRange(10, 50, {}, FailedCommand::Cut));
  const Bytes cut = OnDisk();
  // Windows keeps other programs from writing the undo data the program
  // holds: the data file cut short is a case of the other systems.
#ifndef _WIN32
  const std::wstring data = JournalDataIn(records);
  ASSERT_FALSE(data.empty());
  {
    fs::File kept = fs::OpenFile(data, false, fs::Share::ReadWrite);
    ASSERT_TRUE(kept.SetLength(20));
  }
  EXPECT_FALSE(document->Undo());
  EXPECT_EQ(messages.texts(),
            (std::vector<std::wstring>{FailureMessage(
                FailedCommand::Undo,
                {FailureCause::Shortened, FailedPlace::JournalData, data, 0, true})}));
  EXPECT_EQ(OnDisk(), cut);
  EXPECT_TRUE(document->journal().CanUndo());
#endif

  // A paste over a selection of bytes another program cut off.
  messages.Clear();
  test::WriteFileBytes(path, Bytes(cut.begin(), cut.begin() + 20));
  const Bytes pasted{1, 2, 3};
  EXPECT_FALSE(document->ReplaceRange(10, 30, pasted, FailedCommand::Paste) &&
               document->range_taken());
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text,
            FailureMessage(FailedCommand::Paste,
                           {FailureCause::Shortened, FailedPlace::File, path, 0, true}));
  EXPECT_EQ(OnDisk().size(), 20u);
  EXPECT_EQ(document->size(), 20) << "the window shows the file as it is now";

  // Gone altogether: not made again.
  messages.Clear();
  ASSERT_TRUE(fs::RemoveFile(path));
  EXPECT_FALSE(document->FillRange(0, 5, 0xAA) && document->range_taken());
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_TRUE(messages.shown()[0].text.starts_with(t::kFillFailed));
  EXPECT_NE(messages.shown()[0].text.find(t::kMissing), std::wstring::npos);
  EXPECT_FALSE(fs::FileExists(path));
}

}  // namespace
}  // namespace vx

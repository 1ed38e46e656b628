// A file changed by another program is never written over blindly: every
// command that writes, Undo and Redo, and the next start's repair check that
// the file is still the one the program left, and the journal's data are
// proved before Undo or Redo uses them.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/disk/file_proof.h"
#include "app/disk/insert_delete.h"
#include "app/disk/journal_data.h"
#include "app/disk/recovery.h"
#include "app/disk/recovery_texts.h"
#include "app/document/document_texts.h"
#include "app/document/edited_document.h"
#include "app/edit/failure_message.h"
#include "app/settings/display_settings.h"
#include "app/settings/settings_folder.h"
#include "common/file_seam.h"
#include "tests/app/document_records_fixture.h"
#include "tests/app/faulty_file.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_bytes.h"

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;

// An hour in file-time steps: files made by a test are given an older time,
// as a file to edit has, so that no change made now can share its clock tick.
constexpr int64_t kHour = int64_t{36'000'000'000};

// What another program does to the file.
struct OutsideChange {
  const char* name;
  std::function<void(const std::wstring& path)> change;
  bool removes = false;
};

void Poke(const std::wstring& path, int64_t at) {
  fs::File file = fs::OpenFile(path, false, fs::Share::ReadWrite);
  uint8_t byte = 0;
  ASSERT_EQ(file.ReadAt(at, &byte, 1), 1);
  byte ^= 0x5A;
  ASSERT_TRUE(file.WriteAt(at, &byte, 1));
}

std::vector<OutsideChange> OutsideChanges() {
  return {
      {"replaced by a new file",
       [](const std::wstring& path) {
         const std::wstring other = path + L".new";
         test::WriteFileBytes(other, test::CountingBytes(768));
         ASSERT_TRUE(fs::RemoveFile(path));
         ASSERT_TRUE(fs::RenameFile(other, path));
       }},
      {"poked at the start", [](const std::wstring& path) { Poke(path, 0); }},
      {"poked in the middle",
       [](const std::wstring& path) { Poke(path, fs::FileLength(path) / 2); }},
      {"poked at the end", [](const std::wstring& path) { Poke(path, fs::FileLength(path) - 1); }},
      {"appended to",
       [](const std::wstring& path) {
         fs::File file = fs::OpenFile(path, false, fs::Share::ReadWrite);
         const uint8_t more[3] = {7, 8, 9};
         ASSERT_TRUE(file.WriteAt(file.Length(), more, 3));
       }},
      {"cut short",
       [](const std::wstring& path) {
         fs::File file = fs::OpenFile(path, false, fs::Share::ReadWrite);
         ASSERT_TRUE(file.SetLength(file.Length() - 5));
       }},
      {"removed", [](const std::wstring& path) { ASSERT_TRUE(fs::RemoveFile(path)); }, true},
  };
}

// A document on a 1024-byte file whose journal holds a cut of 100-1FF, with
// its records and journal data in a folder of their own.
class OutsideChangeTest : public test::DocumentRecordsTest {
 protected:

  void OpenWithACut() {
    test::WriteFileBytes(path, test::PatternBytes(1024));
    ASSERT_EQ(document.Open(path), OpenOutcome::Opened);
    ASSERT_TRUE(document.BeginChange());
    ASSERT_TRUE(document.ReplaceRange(0x100, 0x100, {}));
    ASSERT_EQ(document.size(), 768);
  }
  // The text of the one message shown.
  std::wstring OnlyMessage() const {
    EXPECT_EQ(messages.shown().size(), 1u);
    return messages.shown().empty() ? std::wstring() : messages.shown()[0].text;
  }

  test::MessageRecorder messages;
  EditedDocument document{[](double, const std::wstring&) {}, [](bool) {}};
};

TEST_F(OutsideChangeTest, NoCommandWritesOverAnotherProgramsChange) {
  const Bytes paste{0xA1, 0xA2, 0xA3};
  const struct {
    const char* name;
    std::function<bool(EditedDocument&)> command;
    bool undone_first = false;
  } commands[] = {
      {"Undo", [](EditedDocument& d) { return d.Undo(); }},
      {"Redo", [](EditedDocument& d) { return d.Redo(); }, true},
      {"overwrite", [](EditedDocument& d) { return d.BeginChange() && d.OverwriteAtCaret(1); }},
      {"insert", [](EditedDocument& d) { return d.BeginChange() && d.Insert(4, 1); }},
      {"delete", [](EditedDocument& d) { return d.BeginChange() && d.Delete(4); }},
      {"cut", [](EditedDocument& d) { return d.BeginChange() && d.ReplaceRange(2, 8, {}); }},
      {"paste", [&](EditedDocument& d) { return d.BeginChange() && d.ReplaceRange(2, 0, paste); }},
      {"paste over",
       [&](EditedDocument& d) { return d.BeginChange() && d.OverwriteRange(2, paste); }},
      {"fill", [](EditedDocument& d) { return d.BeginChange() && d.FillRange(2, 8, 0xFF); }},
      {"replace all",
       [](EditedDocument& d) {
         if (!d.BeginChange()) return false;
         return d.ReplaceAll([](const MatchSink& sink) { return sink(3, Bytes{3}); }, Bytes{1, 2})
                    .result == ReplaceAllOutcome::Replaced;
       }},
  };
  for (const auto& outside : OutsideChanges()) {
    for (const auto& c : commands) {
      SCOPED_TRACE(testing::Message() << outside.name << ", then " << c.name);
      OpenWithACut();
      if (c.undone_first) {
        ASSERT_TRUE(document.Undo());
      }
      const int32_t step = document.journal().step();
      outside.change(path);
      const Bytes left = fs::FileExists(path) ? test::ReadFileBytes(path) : Bytes{};
      messages.Clear();
      messages.Answer(MsgAnswer::No);  // not read again
      EXPECT_FALSE(c.command(document));
      EXPECT_EQ(fs::FileExists(path), !outside.removes);
      if (!outside.removes) {
        EXPECT_EQ(test::ReadFileBytes(path), left);
      }
      const std::wstring text = OnlyMessage();
      EXPECT_TRUE(text.starts_with(std::wstring(document_texts::kChangedOutsideBefore) + path));
      EXPECT_TRUE(text.ends_with(outside.removes ? document_texts::kRemovedOutside
                                                 : document_texts::kChangedOutsideRefused));
      EXPECT_EQ(document.journal().step(), step);
    }
  }
}

// Read again, the file is the document's: the journal starts afresh, the
// bookmarks stay, and the next change goes ahead without a word.
TEST_F(OutsideChangeTest, AFileReadAgainIsEditedAfreshWithItsBookmarksKept) {
  OpenWithACut();
  document.bookmarks().Toggle(0x20);
  int reloads = 0;
  document.SetReloadedHandler([&] { ++reloads; });
  Poke(path, 0x40);
  messages.Answer(MsgAnswer::Yes);
  EXPECT_FALSE(document.Undo());
  EXPECT_EQ(reloads, 1);
  EXPECT_FALSE(document.journal().CanUndo());
  EXPECT_EQ(document.bookmarks().list().size(), 1u);
  messages.Clear();
  ASSERT_TRUE(document.BeginChange());
  ASSERT_TRUE(document.Delete(0));
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(document.size(), 767);
}

// Noticed when the window comes back, a change is told once, and not at all
// when the program itself made it.
TEST_F(OutsideChangeTest, AnOutsideChangeIsToldOnceWhenNoticed) {
  OpenWithACut();
  EXPECT_FALSE(document.NoticeOutsideChange());
  Poke(path, 10);
  messages.Answer(MsgAnswer::No);
  EXPECT_TRUE(document.NoticeOutsideChange());
  EXPECT_TRUE(OnlyMessage().ends_with(document_texts::kChangedOutsideNoticed));
  EXPECT_FALSE(document.NoticeOutsideChange());
  EXPECT_EQ(messages.shown().size(), 1u);
  // Another change is another thing to tell.
  Poke(path, 20);
  EXPECT_TRUE(document.NoticeOutsideChange());
  EXPECT_EQ(messages.shown().size(), 2u);
}

// Two documents on one file, as two copies of the program: the second sees
// the first's change as another program's.
TEST_F(OutsideChangeTest, ASecondCopyDoesNotUndoOverTheFirstsChange) {
  OpenWithACut();
  EditedDocument second{[](double, const std::wstring&) {}, [](bool) {}};
  ASSERT_EQ(second.Open(path), OpenOutcome::Opened);
  ASSERT_TRUE(second.BeginChange());
  ASSERT_TRUE(second.Insert(0, 0xEE));
  const Bytes left = test::ReadFileBytes(path);
  messages.Clear();
  messages.Answer(MsgAnswer::No);
  EXPECT_FALSE(document.Undo());
  EXPECT_EQ(test::ReadFileBytes(path), left);
  EXPECT_TRUE(OnlyMessage().ends_with(document_texts::kChangedOutsideRefused));
}

// The journal's data file changed behind the program: Undo and Redo write
// nothing and say so.
TEST_F(OutsideChangeTest, UndoAndRedoRefuseJournalDataChangedBehindThem) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows keeps other programs from writing the data file the program holds";
#endif
  for (const bool redo : {false, true}) {
    SCOPED_TRACE(redo ? "Redo" : "Undo");
    OpenWithACut();
    if (redo) {
      ASSERT_TRUE(document.Undo());
    }
    std::wstring data;
    for (const fs::FolderEntry& entry : fs::ListFolder(records)) {
      if (IsJournalDataName(entry.name)) data = records + entry.name;
    }
    ASSERT_FALSE(data.empty());
    Poke(data, 0x80);
    const Bytes left = test::ReadFileBytes(path);
    messages.Clear();
    EXPECT_FALSE(redo ? document.Redo() : document.Undo());
    EXPECT_EQ(test::ReadFileBytes(path), left);
    EXPECT_EQ(OnlyMessage(),
              FailureMessage(redo ? FailedCommand::Redo : FailedCommand::Undo,
                             {FailureCause::Changed, FailedPlace::JournalData, data, 0, true}));
    Poke(data, 0x80);  // put back: proved again
    messages.Clear();
    EXPECT_TRUE(redo ? document.Redo() : document.Undo());
    EXPECT_TRUE(messages.shown().empty());
  }
}

TEST(JournalDataProof, ProvesWhatWasAppendedAcrossBlocksAndNothingElse) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows keeps other programs from writing the data file the program holds";
#endif
  test::TempFolder dir;
  SetRecoveryFolder(dir / L"");
  {
    JournalData data;
    const Bytes first = test::PatternBytes(70'000), second = test::CountingBytes(100'000);
    const std::optional<int64_t> a = data.Append(first), b = data.Append(second);
    ASSERT_TRUE(a && b);
    EXPECT_TRUE(data.Proves(*a, 70'000));
    EXPECT_TRUE(data.Proves(*b, 100'000));
    EXPECT_FALSE(data.Proves(*b, 100'001));  // beyond what was appended
    Poke(data.name(), *b + 99'999);
    EXPECT_TRUE(data.Proves(*a, 70'000));
    EXPECT_FALSE(data.Proves(*b, 100'000));
    EXPECT_FALSE(data.Proves(*b + 99'000, 1'000));
    data.Clear();
    const std::optional<int64_t> c = data.Append(first);
    ASSERT_TRUE(c);
    EXPECT_TRUE(data.Proves(*c, 70'000));
  }
  SetRecoveryFolder(L"");
}

// The next start's repair of a move stopped at any change, inside a write
// included, after another program changed the file or not: a file unchanged
// since is repaired; any change sets the record aside and leaves the file
// as the other program left it.
class StoppedRepairTest : public OutsideChangeTest {
 protected:
  // Stops the move at its `stop.change`th write or length change: before it,
  // or half way through its write (the file then has that write's time, and
  // the record the time it began, a second ago so that the other program's
  // change comes clearly after).
  class StoppingFile : public BlockFile {
   public:
    StoppingFile(TimeKeptFile& kept, fs::File& raw, MoveRecord& record, test::StopPoint stop)
        : kept_(kept), raw_(raw), record_(record), stop_(stop) {}
    int64_t ReadAt(int64_t offset, uint8_t* buffer, int64_t length) override {
      return kept_.ReadAt(offset, buffer, length);
    }
    bool WriteAt(int64_t offset, const uint8_t* buffer, int64_t length) override {
      StopHere(offset, buffer, length);
      return kept_.WriteAt(offset, buffer, length);
    }
    int64_t Length() override { return kept_.Length(); }
    bool SetLength(int64_t length) override {
      StopHere(0, nullptr, 0);
      return kept_.SetLength(length);
    }
    bool Flush() override { return kept_.Flush(); }

   private:
    void StopHere(int64_t offset, const uint8_t* buffer, int64_t length) {
      if (++changes_ != stop_.change) return;
      if (stop_.half && length > 1) {
        FileProof proof = *ReadFileProof(record_);
        proof.write_began = fs::FileTimeNow() - 10 * kWriteTimeSlack;
        WriteFileProof(record_, proof);
        raw_.WriteAt(offset, buffer, length / 2);
        raw_.SetLastWriteTime(proof.write_began);
      }
      throw test::Stopped{};
    }
    TimeKeptFile& kept_;
    fs::File& raw_;
    MoveRecord& record_;
    test::StopPoint stop_;
    int changes_ = 0;
  };

  // Deletes the byte at 0x300 of a file of 2.5 blocks until `stop`.
  void LeaveStoppedDeletion(test::StopPoint stop) {
    test::WriteFileBytes(path, before);
    ASSERT_TRUE(fs::SetLastWriteTime(path, fs::FileTimeNow() - kHour));
    fs::File file = EditedFile(path).OpenToMove();
    ASSERT_TRUE(file);
    LiveRecord live(RecordKind::Deletion, path, L"", RecordedCommand::Itself, test::kTestBlock);
    ASSERT_TRUE(live.kept_on_disk());
    TimeKeptFile kept(file, path, live.record());
    StoppingFile stopping(kept, file, live.record(), stop);
    bool stopped = false;
    try {
      DeleteByte(stopping, 0x300, {}, live.record());
    } catch (const test::Stopped&) {
      stopped = true;
    }
    ASSERT_TRUE(stopped);
    live.Keep();
  }

  const Bytes before = test::PatternBytes(2 * test::kTestBlock + test::kTestBlock / 2);
};

TEST_F(StoppedRepairTest, TheRepairProvesTheWholeFileAsTheStopLeftIt) {
  std::vector<OutsideChange> changes = OutsideChanges();
  changes.insert(changes.begin(), {"unchanged", [](const std::wstring&) {}});
  for (const test::StopPoint stop :
       {test::StopPoint{2, false}, test::StopPoint{2, true}, test::StopPoint{3, true}}) {
    for (const auto& outside : changes) {
      SCOPED_TRACE(testing::Message() << outside.name << " after a stop at change " << stop.change
                                      << (stop.half ? " half way" : ""));
      LeaveStoppedDeletion(stop);
      outside.change(path);
      const bool unchanged = std::string(outside.name) == "unchanged";
      const Bytes left = fs::FileExists(path) ? test::ReadFileBytes(path) : Bytes{};
      messages.Clear();
      const std::vector<RepairReport> reports = RepairLeftRecords();
      ASSERT_EQ(reports.size(), 1u);
      if (unchanged) {
        ASSERT_TRUE(reports[0].result == RepairResult::After ||
                    reports[0].result == RepairResult::Before);
        EXPECT_EQ(test::ReadFileBytes(path),
                  reports[0].result == RepairResult::After ? test::Deleted(before, 0x300) : before);
      } else {
        EXPECT_EQ(reports[0].result, RepairResult::NotMatching);
        EXPECT_EQ(fs::FileExists(path) ? test::ReadFileBytes(path) : Bytes{}, left);
        EXPECT_NE(OnlyMessage().find(recovery_texts::kNotMatching), std::wstring::npos);
      }
      for (const fs::FolderEntry& entry : fs::ListFolder(records))
        fs::RemoveFile(records + entry.name);
    }
  }
}

TEST(FileIdentity, TellsAFileFromItsChangesAndFromAnotherInItsPlace) {
  test::TempFolder dir;
  const std::wstring path = dir / L"a.bin", other = dir / L"b.bin";
  test::WriteFileBytes(path, test::PatternBytes(100));
  ASSERT_TRUE(fs::SetLastWriteTime(path, fs::FileTimeNow() - kHour));
  const std::optional<fs::FileIdentity> first = fs::IdentifyFile(path);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->length, 100);
  EXPECT_EQ(fs::IdentifyFile(path), first);
  Poke(path, 50);
  const std::optional<fs::FileIdentity> poked = fs::IdentifyFile(path);
  ASSERT_TRUE(poked);
  EXPECT_NE(poked->last_write, first->last_write);
  EXPECT_EQ(poked->index, first->index);
  // A copy with the same bytes and time in the file's place is another file.
  test::WriteFileBytes(other, test::ReadFileBytes(path));
  ASSERT_TRUE(fs::SetLastWriteTime(other, poked->last_write));
  ASSERT_TRUE(fs::RemoveFile(path));
  ASSERT_TRUE(fs::RenameFile(other, path));
  const std::optional<fs::FileIdentity> replaced = fs::IdentifyFile(path);
  ASSERT_TRUE(replaced);
  EXPECT_EQ(replaced->last_write, poked->last_write);
  EXPECT_NE(replaced, poked);
  ASSERT_TRUE(fs::RemoveFile(path));
  EXPECT_FALSE(fs::IdentifyFile(path));
}

}  // namespace
}  // namespace vx

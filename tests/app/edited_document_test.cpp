#include "app/document/edited_document.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/disk/backup.h"
#include "app/edit/edit_texts.h"
#include "app/disk/recovery.h"
#include "app/disk/recovery_texts.h"
#include "app/search/search_texts.h"
#include "app/settings/display_settings.h"
#include "app/settings/settings_folder.h"
#include "common/file_seam.h"
#include "tests/support/message_recorder.h"
#include "tests/support/progress_recorder.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_bytes.h"

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;
using Texts = std::vector<std::wstring>;

// A document on a file of a scratch folder, with the default settings, every
// message answered and recorded, and the disk-speed test beside the file.
class EditedDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDefaultSettings();
    SetFolderWriteCheck([](const std::wstring&) { return false; });
  }
  void TearDown() override { SetFolderWriteCheck({}); }

  // `bytes` in the scratch folder, opened.
  void OpenOn(const Bytes& bytes) {
    test::WriteFileBytes(path, bytes);
    ASSERT_EQ(document.Open(path), OpenOutcome::Opened);
  }
  Bytes OnDisk() const { return test::ReadFileBytes(path); }
  // The file's place taken by a folder: every way into it fails.
  void LockOut() {
    ASSERT_TRUE(fs::RemoveFile(path));
    ASSERT_TRUE(fs::MakeFolder(path));
  }
  void LetIn(const Bytes& bytes) {
    ASSERT_TRUE(fs::RemoveFolder(path));
    test::WriteFileBytes(path, bytes);
  }

  test::TempFolder dir;
  const std::wstring path = dir / L"doc.bin";
  test::MessageRecorder messages;
  test::ProgressRecorder progress;
  std::vector<bool> find_next_switches;
  EditedDocument document{progress.Callback(),
                          [this](bool on) { find_next_switches.push_back(on); }};
};

// Each command on the file, then Undo and Redo of it: the disk, the size and
// the caret after each, with no message on the way.
TEST_F(EditedDocumentTest, CommandsChangeTheFileAndUndoRedoTakeThemBackAndAgain) {
  const Bytes start{1, 2, 3, 4, 5};
  const struct {
    const char* name;
    std::function<bool(EditedDocument&)> command;
    Bytes after;
  } cases[] = {
      {"overwrite", [](EditedDocument& d) { return d.OverwriteAtCaret(0xAB); }, {1, 2, 0xAB, 4, 5}},
      {"insert", [](EditedDocument& d) { return d.InsertAtCaret(); }, {1, 2, 0, 3, 4, 5}},
      {"delete", [](EditedDocument& d) { return d.DeleteAtCaret(); }, {1, 2, 4, 5}},
      {"insert a value", [](EditedDocument& d) { return d.Insert(0, 9); }, {9, 1, 2, 3, 4, 5}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OpenOn(start);
    document.GoTo(2);
    ASSERT_TRUE(document.BeginChange());
    EXPECT_TRUE(c.command(document));
    EXPECT_EQ(OnDisk(), c.after);
    EXPECT_EQ(document.size(), static_cast<int32_t>(c.after.size()));
    EXPECT_TRUE(document.journal().CanUndo());
    EXPECT_FALSE(document.journal().CanRedo());

    EXPECT_TRUE(document.Undo());
    EXPECT_EQ(OnDisk(), start);
    EXPECT_EQ(document.size(), 5);
    EXPECT_FALSE(document.journal().CanUndo());
    EXPECT_TRUE(document.Redo());
    EXPECT_EQ(OnDisk(), c.after);
    EXPECT_EQ(document.CaretOffset(), 2);
    EXPECT_TRUE(messages.shown().empty());
  }
}

// Another running copy's edit of the file holds its record: the file opens
// as it is (nothing needs repair, nothing is read-only), every command says
// that the other copy is changing it now and changes nothing until the
// record is gone.
TEST_F(EditedDocumentTest, AFileWithAPendingRecordOpensButIsNotChanged) {
  const std::wstring records = dir / L"records\\";
  SetRecoveryFolder(records);
  OpenOn({1, 2, 3});
  ASSERT_TRUE(document.BeginChange());
  ASSERT_TRUE(document.InsertAtCaret());
  {
    LiveRecord running(RecordKind::Deletion, path, L"");
    running.record().Begin(RecordKind::Deletion, 4, 0, 0);
    messages.Clear();
    ASSERT_EQ(document.Open(path), OpenOutcome::Opened);
    document.journal().Record(EditKind::Insert, 0, 0, 0);
    const std::vector<std::function<bool()>> commands = {[&] { return document.BeginChange(); },
                                                         [&] { return document.Undo(); },
                                                         [&] { return document.Restore({}); }};
    for (const auto& command : commands) EXPECT_FALSE(command());
    ASSERT_EQ(messages.shown().size(), commands.size());
    for (const auto& shown : messages.shown()) {
      EXPECT_EQ(shown.text,
                RefusalMessage({FailureCause::OtherCopyEditing, FailedPlace::File, path, 0, true}));
    }
    EXPECT_EQ(OnDisk(), (Bytes{0, 1, 2, 3}));
  }
  messages.Clear();
  EXPECT_TRUE(document.BeginChange());
  EXPECT_TRUE(messages.shown().empty());
  SetRecoveryFolder(L"");
}

TEST_F(EditedDocumentTest, NothingToUndoOrRedoIsSaidAndLeavesTheFile) {
  OpenOn({1, 2});
  EXPECT_FALSE(document.Undo());
  EXPECT_FALSE(document.Redo());
  EXPECT_EQ(messages.texts(), (Texts{edit_texts::kCannotUndo, edit_texts::kCannotRedo}));
  EXPECT_EQ(OnDisk(), (Bytes{1, 2}));
}

TEST_F(EditedDocumentTest, DeleteKeepsTheLastByteAndTheEndIsNoPlaceForAnEdit) {
  OpenOn({7});
  EXPECT_FALSE(document.DeleteAtCaret());
  EXPECT_EQ(messages.texts(), Texts{edit_texts::kNoMoreDelete});
  messages.Clear();
  EXPECT_FALSE(document.Insert(1, 0));
  test::WriteFileBytes(path, {7, 8});
  document.Refresh();
  EXPECT_FALSE(document.Delete(2));
  EXPECT_EQ(OnDisk(), (Bytes{7, 8}));
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_FALSE(document.journal().CanUndo());
}

// A file another program took away: the command fails with its message and
// journals nothing; Undo writes nothing while the file is away, nor into
// another file put in its place, and keeps its step.
TEST_F(EditedDocumentTest, AFileThatCannotBeReachedFailsWithoutJournalling) {
  OpenOn({1, 2, 3});
  ASSERT_TRUE(document.BeginChange());
  LockOut();
  const std::wstring missing = FailureMessage(
      FailedCommand::Overwrite, {FailureCause::Missing, FailedPlace::File, path, 0, true});
  EXPECT_FALSE(document.OverwriteAtCaret(9));
  EXPECT_EQ(messages.texts(), Texts{missing});
  EXPECT_FALSE(document.journal().CanUndo());

  // Deleted, the file is not made again by a write.
  ASSERT_TRUE(fs::RemoveFolder(path));
  messages.Clear();
  EXPECT_FALSE(document.OverwriteAtCaret(9));
  EXPECT_EQ(messages.texts(), Texts{missing});
  EXPECT_FALSE(fs::FileExists(path));
  EXPECT_EQ(document.size(), 0);

  test::WriteFileBytes(path, {1, 2, 3});
  document.Refresh();
  ASSERT_TRUE(document.InsertAtCaret());
  ASSERT_EQ(OnDisk(), (Bytes{0, 1, 2, 3}));
  LockOut();
  messages.Clear();
  EXPECT_FALSE(document.Undo());
  EXPECT_EQ(messages.shown().size(), 1u);
  EXPECT_TRUE(document.journal().CanUndo()) << "the step moved without the file";
  LetIn({0, 1, 2, 3});
  messages.Answer(MsgAnswer::No);
  EXPECT_FALSE(document.Undo());
  EXPECT_EQ(OnDisk(), (Bytes{0, 1, 2, 3}));
  EXPECT_TRUE(document.journal().CanUndo());
}

TEST_F(EditedDocumentTest, TheFirstChangeMakesTheBackupOnceAndRestorePutsItBack) {
  OpenOn({1, 2, 3});
  bool made = false;
  ASSERT_TRUE(document.BeginChange(&made));
  EXPECT_TRUE(made);
  EXPECT_TRUE(document.changed());
  EXPECT_TRUE(document.BackUpExists());
  ASSERT_TRUE(document.InsertAtCaret());
  made = false;
  ASSERT_TRUE(document.BeginChange(&made));
  EXPECT_FALSE(made) << "a second backup would hold the change";
  ASSERT_TRUE(document.OverwriteAtCaret(5));
  ASSERT_EQ(OnDisk(), (Bytes{5, 1, 2, 3}));

  EXPECT_TRUE(document.Restore({}));
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3}));
  EXPECT_EQ(document.size(), 3);
  EXPECT_FALSE(document.changed());
  EXPECT_FALSE(document.journal().CanUndo());

  ASSERT_TRUE(fs::RemoveFile(document.BackUpPath()));
  EXPECT_FALSE(document.Restore({}));
  EXPECT_EQ(messages.texts(), Texts{edit_texts::kNoBackUpFile});
}

TEST_F(EditedDocumentTest, NoBackupIsMadeWhenTheSettingsSayNot) {
  DisplaySettings.AutoBackUp = false;
  OpenOn({1});
  bool made = false;
  EXPECT_TRUE(document.BeginChange(&made));
  EXPECT_FALSE(made);
  EXPECT_FALSE(document.BackUpExists());
  EXPECT_TRUE(document.changed());
}

TEST_F(EditedDocumentTest, OpeningRefusesWhatItCannotShow) {
  EXPECT_EQ(document.Open(L""), OpenOutcome::NoFile);
  EXPECT_FALSE(document.IsOpen());
  // A folder where the file should be.
  ASSERT_TRUE(fs::MakeFolder(dir / L"folder"));
  EXPECT_EQ(document.Open(dir / L"folder"), OpenOutcome::Failed);
  EXPECT_EQ(messages.texts().size(), 1u);
  EXPECT_FALSE(document.IsOpen());

  // An empty file is shown only when the user agrees, with one zero byte.
  messages.Clear();
  test::WriteFileBytes(path, {});
  messages.Answer(MsgAnswer::No);
  EXPECT_EQ(document.Open(path), OpenOutcome::NoFile);
  EXPECT_TRUE(OnDisk().empty());
  EXPECT_EQ(document.Open(path), OpenOutcome::Opened);
  EXPECT_EQ(OnDisk(), Bytes{0});
  EXPECT_EQ(document.size(), 1);
  EXPECT_EQ(messages.texts().size(), 2u);
}

TEST_F(EditedDocumentTest, TheCaretStaysOnThePageAndInTheFile) {
  OpenOn(test::CountingBytes(16 * 100));
  // 100 lines: the last page starts so that the last line is on its
  // second-to-last row.
  EXPECT_EQ(document.last_top(), 70);
  document.PlaceCaret({99, 99, 500});
  EXPECT_EQ(document.caret(), (CaretPlace{15, 31, 70}));
  document.PlaceCaret({-3, 4, -1});
  EXPECT_EQ(document.caret(), (CaretPlace{0, 0, 0}));
  EXPECT_FALSE(document.MoveCaret(-1, 0)) << "left of the first byte";
  EXPECT_TRUE(document.MoveCaret(0, 40));
  EXPECT_EQ(document.caret(), (CaretPlace{0, 31, 9}));

  document.GoTo(16 * 99 + 5);
  EXPECT_EQ(document.caret(), (CaretPlace{5, 29, 70}));
  EXPECT_EQ(document.CaretOffset(), 16 * 99 + 5);
  document.ScrollTo(1000);
  EXPECT_EQ(document.caret().top, 70);

  // The file cut short by another program: the caret goes back to the start.
  document.GoTo(16 * 50);
  test::WriteFileBytes(path, test::CountingBytes(10));
  EXPECT_TRUE(document.Refresh());
  EXPECT_EQ(document.caret(), (CaretPlace{0, 0, 0}));
  EXPECT_EQ(document.size(), 10);
  EXPECT_FALSE(document.Refresh());

  // A smaller page shape keeps the caret's cell inside it.
  document.PlaceCaret({12, 7, 0});
  DisplaySettings.BytesPerLine = 8;
  DisplaySettings.LinesPerPage = 4;
  document.FitCaretToPage();
  EXPECT_EQ(document.caret(), (CaretPlace{7, 3, 0}));
}

// A shape limited by the window's screen rules the caret and the scroll
// range while it lasts; the settings keep the saved shape throughout.
TEST_F(EditedDocumentTest, ALimitedPageShapeRulesTheCaretAndLeavesTheSettings) {
  DisplaySettings.BytesPerLine = 48;
  DisplaySettings.LinesPerPage = 96;
  const DisplaySettingsRecord saved = DisplaySettings;
  OpenOn(test::CountingBytes(16 * 100));
  EXPECT_EQ(document.last_top(), 1);

  document.LimitPageShape(PageShape{16, 32});
  EXPECT_FALSE(document.Refresh());
  EXPECT_EQ(document.last_top(), 70);
  document.PlaceCaret({40, 50, 500});
  EXPECT_EQ(document.caret(), (CaretPlace{15, 31, 70}));
  document.GoTo(16 * 99 + 5);
  EXPECT_EQ(document.caret(), (CaretPlace{5, 29, 70}));
  EXPECT_EQ(document.CaretOffset(), 16 * 99 + 5);
  EXPECT_EQ(ShapeOf(document.PageSettings()), (PageShape{16, 32}));
  EXPECT_TRUE(DisplaySettings == saved);

  // The limit lifted: the saved shape rules again.
  document.LimitPageShape(std::nullopt);
  document.Refresh();
  EXPECT_EQ(document.last_top(), 1);
  EXPECT_TRUE(document.PageSettings() == saved);
}

TEST_F(EditedDocumentTest, FindNextGoesToTheNextMatchBehindTheCaret) {
  Bytes bytes(64, 0);
  bytes[10] = bytes[40] = 0x77;
  OpenOn(bytes);
  ASSERT_EQ(document.search().Start(document.file(), 0, {0x77}).outcome, FindOutcome::Found);
  ASSERT_TRUE(document.ShowFindResult({FindOutcome::Found, 10}));
  EXPECT_EQ(document.CaretOffset(), 10);
  EXPECT_EQ(document.FindNext().outcome, FindOutcome::Found);
  EXPECT_EQ(document.CaretOffset(), 40);
  EXPECT_TRUE(messages.shown().empty());
  ASSERT_FALSE(find_next_switches.empty());
  EXPECT_TRUE(find_next_switches.back());

  // Behind the last match the search comes round to the first, and ends.
  EXPECT_EQ(document.FindNext().outcome, FindOutcome::Found);
  EXPECT_EQ(document.CaretOffset(), 10);
  // Opening a file forgets the search.
  OpenOn(bytes);
  EXPECT_FALSE(find_next_switches.back());
}

}  // namespace
}  // namespace vx

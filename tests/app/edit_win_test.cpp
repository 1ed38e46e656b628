// Insert, Delete, Undo and Redo in the real main window, checked on disk, in
// the size label, on the page and in the Edit menu.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/disk/backup.h"
#include "app/edit/edit_texts.h"
#include "app/view/menu_commands.h"
#include "common/clock.h"
#include "common/file_seam.h"
#include "tests/app/main_window_fixture_win.h"
#include "tests/support/byte_entry_win.h"

namespace vx::test {
namespace {

using Bytes = std::vector<uint8_t>;

using namespace menu_commands;

class EditTest : public MainWindowTest {
 protected:
  void TearDown() override {
    SetPreciseClockHandler({});
    MainWindowTest::TearDown();
  }

  void Undo() { Choose(kUndo); }
  void Redo() { Choose(kRedo); }
  void CaretTo(int32_t offset) { view().GoTo(offset); }
  // The byte under the caret overwritten through the input window.
  void Overwrite(const std::wstring& hex) {
    test::Overwrite(page(), view().input_window().hwnd(), hex);
  }
  Bytes OnDisk() const { return ReadFileBytes(view().file_path()); }
  bool SizeShown(const std::wstring& digits) const {
    return ControlText(view().size_label()).find(digits) != std::wstring::npos;
  }
  std::wstring BackUp() const { return BackUpName(view().file_path()); }
};

TEST_F(EditTest, InsertKeyPutsAZeroAtTheCaretAndUndoRedoTakeItOutAndBack) {
  StartOn({1, 2, 3, 4, 5, 6});
  CaretTo(4);
  PageKey(VK_INSERT);
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3, 4, 0, 5, 6}));
  EXPECT_EQ(view().file_size(), 7);
  EXPECT_TRUE(SizeShown(L"000,000,007"));
  EXPECT_EQ(view().page_bytes().at(4), 0);
  EXPECT_EQ(view().page_bytes().at(5), 5);
  EXPECT_EQ(view().caret_offset() + 1, 5);  // on the inserted byte
  EXPECT_FALSE(Grayed(kUndo));
  EXPECT_TRUE(Grayed(kRedo));
  EXPECT_TRUE(view().changed());

  Undo();
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3, 4, 5, 6}));
  EXPECT_TRUE(SizeShown(L"000,000,006"));
  EXPECT_EQ(view().page_bytes().at(4), 5);
  EXPECT_TRUE(Grayed(kUndo));
  EXPECT_FALSE(Grayed(kRedo));
  // Undo is not a change of its own.
  EXPECT_TRUE(view().changed());

  Redo();
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3, 4, 0, 5, 6}));
  EXPECT_EQ(view().file_size(), 7);
  EXPECT_FALSE(Grayed(kUndo));
  EXPECT_TRUE(Grayed(kRedo));
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(EditTest, DeleteKeyTakesTheByteAtTheCaretAndUndoPutsItBack) {
  StartOn({1, 2, 3, 4, 0x7F, 6, 7});
  CaretTo(4);
  PageKey(VK_DELETE);
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3, 4, 6, 7}));
  EXPECT_TRUE(SizeShown(L"000,000,006"));
  EXPECT_EQ(view().page_bytes().at(4), 6);

  Undo();
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3, 4, 0x7F, 6, 7}));
  EXPECT_EQ(view().page_bytes().at(4), 0x7F);
  Redo();
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3, 4, 6, 7}));

  // The last byte: nothing moves, the file is one shorter.
  CaretTo(5);
  PageKey(VK_DELETE);
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3, 4, 6}));
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(EditTest, OverwriteThroughTheInputWindowIsUndoneAndRedone) {
  Bytes bytes(16, 0x41);
  StartOn(bytes);
  CaretTo(9);
  Overwrite(L"42");
  ASSERT_EQ(OnDisk()[9], 0x42);
  EXPECT_FALSE(Grayed(kUndo));

  Undo();
  EXPECT_EQ(OnDisk(), bytes);
  EXPECT_EQ(view().page_bytes().at(9), 0x41);
  EXPECT_TRUE(Grayed(kUndo));
  EXPECT_FALSE(Grayed(kRedo));
  Redo();
  EXPECT_EQ(OnDisk()[9], 0x42);
  EXPECT_EQ(view().page_bytes().at(9), 0x42);
  EXPECT_EQ(view().file_size(), 16);
}

TEST_F(EditTest, ANewChangeAfterUndosDiscardsThemAndEmptyJournalsSaySo) {
  StartOn({1, 2, 3, 4, 5});
  Undo();
  Redo();
  EXPECT_EQ(messages.texts(),
            (std::vector<std::wstring>{L"アンドゥできません。", L"リドゥ不可。"}));
  messages.Clear();

  CaretTo(0);
  PageKey(VK_INSERT);
  PageKey(VK_INSERT);
  PageKey(VK_INSERT);
  Undo();
  Undo();
  CaretTo(3);
  PageKey(VK_DELETE);
  EXPECT_EQ(OnDisk(), (Bytes{0, 1, 2, 4, 5}));
  EXPECT_TRUE(Grayed(kRedo));
  Redo();
  EXPECT_EQ(messages.texts(), std::vector<std::wstring>{L"リドゥ不可。"});
  EXPECT_EQ(OnDisk(), (Bytes{0, 1, 2, 4, 5}));

  // Two steps back: the deletion, then the first insertion.
  Undo();
  Undo();
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3, 4, 5}));
  EXPECT_TRUE(Grayed(kUndo));
}

TEST_F(EditTest, F5AndF6WorkOnlyWhileTheirItemsAreEnabled) {
  StartOn({1, 2, 3});
  Shortcut(VK_F5);
  Shortcut(VK_F6);
  // Grayed items: the keys send nothing, so nothing is reported.
  EXPECT_TRUE(messages.shown().empty());

  PageKey(VK_INSERT);
  Shortcut(VK_F5);
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3}));
  Shortcut(VK_F6);
  EXPECT_EQ(OnDisk(), (Bytes{0, 1, 2, 3}));
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(EditTest, AFullJournalKeepsTheChangeButRefusesToRecordItUntilAnotherFileIsOpened) {
  StartOn({1, 2, 3});
  for (int i = 0; i < 1000; ++i) view().RecordOverwrite(0, 1, 1);
  EXPECT_TRUE(messages.shown().empty());
  PageKey(VK_INSERT);
  EXPECT_EQ(messages.texts(), std::vector<std::wstring>{L"No Undo Over 1000."});
  EXPECT_EQ(OnDisk(), (Bytes{0, 1, 2, 3}));
  // The undo offered is the last recorded overwrite, not the insertion.
  Undo();
  EXPECT_EQ(OnDisk(), (Bytes{1, 1, 2, 3}));

  messages.Clear();
  const std::wstring other = dir / L"other.bin";
  WriteFileBytes(other, {9, 9});
  view().OpenFile(other);
  EXPECT_TRUE(Grayed(kUndo));
  EXPECT_TRUE(Grayed(kRedo));
  EXPECT_EQ(view().journal().step(), 1);
  PageKey(VK_INSERT);
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_FALSE(Grayed(kUndo));
}

TEST_F(EditTest, DeleteNeverEmptiesAFileAndTheCaretBehindTheEndChangesNothing) {
  StartOn({7});
  PageKey(VK_DELETE);
  EXPECT_EQ(messages.texts(), std::vector<std::wstring>{L"これ以上削除できません。"});
  EXPECT_EQ(OnDisk(), Bytes{7});
  EXPECT_TRUE(Grayed(kUndo));

  messages.Clear();
  view().Insert(1, 0);
  EXPECT_EQ(OnDisk(), Bytes{7});
  WriteFileBytes(view().file_path(), {7, 8});
  view().RefreshScrollRange();
  view().Delete(2);
  EXPECT_EQ(OnDisk(), (Bytes{7, 8}));
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_TRUE(Grayed(kUndo));
}

TEST_F(EditTest, KeysDoNothingWhileTheInputWindowIsShown) {
  StartOn({1, 2, 3});
  PageKey(VK_SPACE, L' ');
  ASSERT_TRUE(view().input_visible());
  PageKey(VK_INSERT);
  PageKey(VK_DELETE);
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3}));
  EXPECT_TRUE(Grayed(kUndo));
}

TEST_F(EditTest, FirstChangeMakesTheBackupAndEnablesRestore) {
  StartOn({1, 2, 3});
  EXPECT_TRUE(Grayed(kRestore));
  PageKey(VK_INSERT);
  EXPECT_EQ(ReadFileBytes(BackUp()), (Bytes{1, 2, 3}));
  EXPECT_FALSE(Grayed(kRestore));
  EXPECT_TRUE(messages.shown().empty());
  // Only the first change copies.
  PageKey(VK_DELETE);
  EXPECT_EQ(ReadFileBytes(BackUp()), (Bytes{1, 2, 3}));
}

TEST_F(EditTest, ASlowDiskAsksFirstAndNoMeansNoBackupButTheChange) {
  // Every clock reading is a round of test writes after the last: each write
  // seems to take 100 s, and 100,000 bytes then need an estimated
  // 0.1^1.5 x 100 = 3 s.
  double now = 0;
  SetPreciseClockHandler([&now] { return now += 100.0 * kWritesPerRound; });
  StartOn(Bytes(100000, 0x11));
  messages.Answer(MsgAnswer::No);
  PageKey(VK_DELETE);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_NE(messages.shown()[0].text.find(L"作成するのに3秒ほどかかります。（おおよそ）"),
            std::wstring::npos);
  EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::YesNo);
  EXPECT_FALSE(fs::FileExists(BackUp()));
  EXPECT_EQ(view().file_size(), 99999);
  EXPECT_TRUE(Grayed(kRestore));
  PageKey(VK_DELETE);
  EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(EditTest, AFailedBackupDeclinedDropsTheChangeAndAsksAgainNextTime) {
  StartOn({1, 2, 3});
  // A folder where the backup must go: the copy cannot be made.
  ASSERT_TRUE(CreateDirectoryW(BackUp().c_str(), nullptr));
  messages.Answer(MsgAnswer::No);
  PageKey(VK_INSERT);
  ASSERT_EQ(messages.texts(), std::vector<std::wstring>{edit_texts::kBackUpFailed});
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3}));
  EXPECT_FALSE(view().changed());

  PageKey(VK_INSERT);  // Yes this time: the change goes ahead without a backup
  EXPECT_EQ(messages.shown().size(), 2u);
  EXPECT_EQ(OnDisk(), (Bytes{0, 1, 2, 3}));
  EXPECT_TRUE(Grayed(kRestore));
  RemoveDirectoryW(BackUp().c_str());
}

TEST_F(EditTest, AFileLockedByAnotherProgramIsLeftAsItWas) {
  DisplaySettings.AutoBackUp = false;
  const std::wstring path = StartOn({1, 2, 3, 4});
  FileLock lock(path);
  ASSERT_TRUE(lock.held());
  PageKey(VK_INSERT);
  PageKey(VK_DELETE);
  // Between the two, the page that cannot be read says so as well.
  ASSERT_GE(messages.shown().size(), 2u);
  EXPECT_EQ(messages.shown().front().text,
            FailureMessage(FailedCommand::Insert,
                           {FailureCause::InUse, FailedPlace::File, path, 0, true}));
  EXPECT_EQ(messages.shown().back().text, L"Can no Delete");
  EXPECT_TRUE(Grayed(kUndo));
  lock.Release();
  EXPECT_EQ(ReadFileBytes(path), (Bytes{1, 2, 3, 4}));
  EXPECT_EQ(view().file_size(), 4);
}

TEST_F(EditTest, UndoAndRedoOfALockedFileKeepTheirStepUntilTheLockIsGone) {
  DisplaySettings.AutoBackUp = false;
  const struct {
    const char* kind;
    std::function<void()> change;
    Bytes changed;
  } cases[] = {
      {"overwrite", [this] { Overwrite(L"42"); }, {0x42, 2, 3}},
      {"insertion", [this] { PageKey(VK_INSERT); }, {0, 1, 2, 3}},
      {"deletion", [this] { PageKey(VK_DELETE); }, {2, 3}},
  };
  const Bytes original{1, 2, 3};
  // A step tried on the locked file: its own failure first (the page that
  // cannot be read may say so after it), named as Undo's or Redo's and the
  // lock's, the journal and the menu as they were.
  const auto step_fails = [&](const std::function<void()>& step, FailedCommand command) {
    const std::wstring failure = FailureMessage(
        command, {FailureCause::InUse, FailedPlace::File, view().file_path(), 0, true});
    const int32_t undo_step = view().journal().step();
    const bool undo_on = !Grayed(kUndo);
    const bool redo_on = !Grayed(kRedo);
    const Bytes before = OnDisk();
    messages.Clear();
    {
      FileLock lock(view().file_path());
      ASSERT_TRUE(lock.held());
      step();
    }
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().front().text, failure);
    EXPECT_EQ(view().journal().step(), undo_step);
    EXPECT_EQ(!Grayed(kUndo), undo_on);
    EXPECT_EQ(!Grayed(kRedo), redo_on);
    EXPECT_EQ(OnDisk(), before);
    messages.Clear();
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    StartOn(original);
    c.change();
    ASSERT_EQ(OnDisk(), c.changed);

    step_fails([this] { Undo(); }, FailedCommand::Undo);
    Undo();
    EXPECT_EQ(OnDisk(), original);
    step_fails([this] { Redo(); }, FailedCommand::Redo);
    Redo();
    EXPECT_EQ(OnDisk(), c.changed);
    EXPECT_TRUE(messages.shown().empty());
    form.reset();
  }
}

}  // namespace
}  // namespace vx::test

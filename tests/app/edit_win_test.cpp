// Insert, Delete, Undo and Redo in the real main window, checked on disk, in
// the size label, on the page and in the Edit menu.
#include <cstdint>
#include <string>
#include <vector>

#include "app/edit/backup.h"
#include "app/edit/edit_texts.h"
#include "common/clock.h"
#include "common/file_seam.h"
#include "tests/app/main_window_fixture_win.h"

namespace vx::test {
namespace {

using Bytes = std::vector<uint8_t>;

// Places in the Edit menu.
constexpr int kUndoItem = 0;
constexpr int kRedoItem = 1;
constexpr int kRestoreItem = 3;

class EditTest : public MainWindowTest {
 protected:
  void TearDown() override {
    SetClockHandler({});
    MainWindowTest::TearDown();
  }

  HWND page() const { return view().Picture1().hwnd(); }
  HMENU EditMenu() const { return GetSubMenu(GetMenu(form->hwnd()), 1); }
  bool Grayed(int item) const {
    return (GetMenuState(EditMenu(), item, MF_BYPOSITION) & MF_GRAYED) != 0;
  }
  // Chooses an Edit menu item as a click does, grayed or not.
  void Choose(int item) {
    SendMessageW(form->hwnd(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(EditMenu(), item), 0), 0);
    PumpMessages();
  }
  void Undo() { Choose(kUndoItem); }
  void Redo() { Choose(kRedoItem); }
  // A key of the page area as the keyboard delivers it.
  void Key(int key, wchar_t character = 0) {
    SendMessageW(page(), WM_KEYDOWN, key, 1);
    if (character) SendMessageW(page(), WM_CHAR, character, 1);
    SendMessageW(page(), WM_KEYUP, key, 1);
    PumpMessages();
  }
  // A shortcut key through the message loop's accelerator translation.
  void Shortcut(int key) {
    MSG msg{page(), WM_KEYDOWN, static_cast<WPARAM>(key), 1, 0, {}};
    TranslateAcceleratorW(form->hwnd(), form->Accelerators(), &msg);
    PumpMessages();
  }
  void CaretTo(int32_t seek) { view().MoveCaretFromSeek(seek); }
  // The byte under the caret overwritten through the input window.
  void Overwrite(const std::wstring& hex) {
    Key(VK_SPACE, L' ');
    HWND text1 = view().InputWindow().Text1;
    SetWindowTextW(text1, hex.c_str());
    SendMessageW(text1, WM_KEYDOWN, VK_RETURN, 1);
    SendMessageW(text1, WM_CHAR, L'\r', 1);
    PumpMessages();
  }
  Bytes OnDisk() const { return ReadFileBytes(view().FileName()); }
  bool SizeShown(const std::wstring& digits) const {
    return ControlText(view().Label(2)).find(digits) != std::wstring::npos;
  }
  std::wstring BackUpName() const {
    return GetBackUpName(view().FileName(), DisplaySettings.BackUpSuffix);
  }
  std::vector<std::wstring> Shown() const {
    std::vector<std::wstring> texts;
    for (const MessageRequest& r : messages.shown()) texts.push_back(r.text);
    return texts;
  }
};

// A file that another program holds open without sharing.
class Lock {
 public:
  explicit Lock(const std::wstring& name)
      : h_(CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~Lock() { Release(); }
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;
  bool held() const { return h_ != INVALID_HANDLE_VALUE; }
  void Release() {
    if (held()) CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE h_;
};

TEST_F(EditTest, InsertKeyPutsAZeroAtTheCaretAndUndoRedoTakeItOutAndBack) {
  StartOn({1, 2, 3, 4, 5, 6});
  CaretTo(5);
  Key(VK_INSERT);
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3, 4, 0, 5, 6}));
  EXPECT_EQ(view().FileSize(), 7);
  EXPECT_TRUE(SizeShown(L"000,000,007"));
  EXPECT_EQ(view().PageBytes().at(4), 0);
  EXPECT_EQ(view().PageBytes().at(5), 5);
  EXPECT_EQ(view().GetSeekFromCaret() + 1, 5);  // on the inserted byte
  EXPECT_FALSE(Grayed(kUndoItem));
  EXPECT_TRUE(Grayed(kRedoItem));
  EXPECT_TRUE(view().Changed());

  Undo();
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3, 4, 5, 6}));
  EXPECT_TRUE(SizeShown(L"000,000,006"));
  EXPECT_EQ(view().PageBytes().at(4), 5);
  EXPECT_TRUE(Grayed(kUndoItem));
  EXPECT_FALSE(Grayed(kRedoItem));
  // Undo is not a change of its own.
  EXPECT_TRUE(view().Changed());

  Redo();
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3, 4, 0, 5, 6}));
  EXPECT_EQ(view().FileSize(), 7);
  EXPECT_FALSE(Grayed(kUndoItem));
  EXPECT_TRUE(Grayed(kRedoItem));
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(EditTest, DeleteKeyTakesTheByteAtTheCaretAndUndoPutsItBack) {
  StartOn({1, 2, 3, 4, 0x7F, 6, 7});
  CaretTo(5);
  Key(VK_DELETE);
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3, 4, 6, 7}));
  EXPECT_TRUE(SizeShown(L"000,000,006"));
  EXPECT_EQ(view().PageBytes().at(4), 6);

  Undo();
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3, 4, 0x7F, 6, 7}));
  EXPECT_EQ(view().PageBytes().at(4), 0x7F);
  Redo();
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3, 4, 6, 7}));

  // The last byte: nothing moves, the file is one shorter.
  CaretTo(6);
  Key(VK_DELETE);
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3, 4, 6}));
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(EditTest, OverwriteThroughTheInputWindowIsUndoneAndRedone) {
  Bytes bytes(16, 0x41);
  StartOn(bytes);
  CaretTo(10);
  Overwrite(L"42");
  ASSERT_EQ(OnDisk()[9], 0x42);
  EXPECT_FALSE(Grayed(kUndoItem));

  Undo();
  EXPECT_EQ(OnDisk(), bytes);
  EXPECT_EQ(view().PageBytes().at(9), 0x41);
  EXPECT_TRUE(Grayed(kUndoItem));
  EXPECT_FALSE(Grayed(kRedoItem));
  Redo();
  EXPECT_EQ(OnDisk()[9], 0x42);
  EXPECT_EQ(view().PageBytes().at(9), 0x42);
  EXPECT_EQ(view().FileSize(), 16);
}

TEST_F(EditTest, ANewChangeAfterUndosDiscardsThemAndEmptyJournalsSaySo) {
  StartOn({1, 2, 3, 4, 5});
  Undo();
  Redo();
  EXPECT_EQ(Shown(), (std::vector<std::wstring>{L"アンドゥできません。", L"リドゥ不可。"}));
  messages.Clear();

  CaretTo(1);
  Key(VK_INSERT);
  Key(VK_INSERT);
  Key(VK_INSERT);
  Undo();
  Undo();
  CaretTo(4);
  Key(VK_DELETE);
  EXPECT_EQ(OnDisk(), (Bytes{0, 1, 2, 4, 5}));
  EXPECT_TRUE(Grayed(kRedoItem));
  Redo();
  EXPECT_EQ(Shown(), std::vector<std::wstring>{L"リドゥ不可。"});
  EXPECT_EQ(OnDisk(), (Bytes{0, 1, 2, 4, 5}));

  // Two steps back: the deletion, then the first insertion.
  Undo();
  Undo();
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3, 4, 5}));
  EXPECT_TRUE(Grayed(kUndoItem));
}

TEST_F(EditTest, F5AndF6WorkOnlyWhileTheirItemsAreEnabled) {
  StartOn({1, 2, 3});
  Shortcut(VK_F5);
  Shortcut(VK_F6);
  // Grayed items: the keys send nothing, so nothing is reported.
  EXPECT_TRUE(messages.shown().empty());

  Key(VK_INSERT);
  Shortcut(VK_F5);
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3}));
  Shortcut(VK_F6);
  EXPECT_EQ(OnDisk(), (Bytes{0, 1, 2, 3}));
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(EditTest, AFullJournalKeepsTheChangeButRefusesToRecordItUntilAnotherFileIsOpened) {
  StartOn({1, 2, 3});
  for (int i = 0; i < 1000; ++i) view().RecordOverwrite(1, 1, 1);
  EXPECT_TRUE(messages.shown().empty());
  Key(VK_INSERT);
  EXPECT_EQ(Shown(), std::vector<std::wstring>{L"No Undo Over 1000."});
  EXPECT_EQ(OnDisk(), (Bytes{0, 1, 2, 3}));
  // The undo offered is the last recorded overwrite, not the insertion.
  Undo();
  EXPECT_EQ(OnDisk(), (Bytes{1, 1, 2, 3}));

  messages.Clear();
  const std::wstring other = dir / L"other.bin";
  WriteFileBytes(other, {9, 9});
  view().ChangeFileName(other);
  EXPECT_TRUE(Grayed(kUndoItem));
  EXPECT_TRUE(Grayed(kRedoItem));
  EXPECT_EQ(view().Journal().UndoStep(), 1);
  Key(VK_INSERT);
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_FALSE(Grayed(kUndoItem));
}

TEST_F(EditTest, DeleteNeverEmptiesAFileAndTheCaretBehindTheEndChangesNothing) {
  StartOn({7});
  Key(VK_DELETE);
  EXPECT_EQ(Shown(), std::vector<std::wstring>{L"これ以上削除できません。"});
  EXPECT_EQ(OnDisk(), Bytes{7});
  EXPECT_TRUE(Grayed(kUndoItem));

  messages.Clear();
  view().InsertU(2, 0);
  EXPECT_EQ(OnDisk(), Bytes{7});
  WriteFileBytes(view().FileName(), {7, 8});
  view().RefreshFiles();
  view().DeleteU(3);
  EXPECT_EQ(OnDisk(), (Bytes{7, 8}));
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_TRUE(Grayed(kUndoItem));
}

TEST_F(EditTest, KeysDoNothingWhileTheInputWindowIsShown) {
  StartOn({1, 2, 3});
  Key(VK_SPACE, L' ');
  ASSERT_TRUE(view().InputVisible());
  Key(VK_INSERT);
  Key(VK_DELETE);
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3}));
  EXPECT_TRUE(Grayed(kUndoItem));
}

TEST_F(EditTest, FirstChangeMakesTheBackupAndEnablesRestore) {
  StartOn({1, 2, 3});
  EXPECT_TRUE(Grayed(kRestoreItem));
  Key(VK_INSERT);
  EXPECT_EQ(ReadFileBytes(BackUpName()), (Bytes{1, 2, 3}));
  EXPECT_FALSE(Grayed(kRestoreItem));
  EXPECT_TRUE(messages.shown().empty());
  // Only the first change copies.
  Key(VK_DELETE);
  EXPECT_EQ(ReadFileBytes(BackUpName()), (Bytes{1, 2, 3}));
}

TEST_F(EditTest, ASlowDiskAsksFirstAndNoMeansNoBackupButTheChange) {
  // Every clock reading is 100 s after the last: the test write seems to take
  // 100 s, and 100,000 bytes then need an estimated 0.1^1.5 x 100 = 3 s.
  uint32_t now = 0;
  SetClockHandler([&now] { return now += 100000; });
  StartOn(Bytes(100000, 0x11));
  messages.Answer(MsgAnswer::No);
  Key(VK_DELETE);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_NE(messages.shown()[0].text.find(L"作成するのに3秒ほどかかります。（おおよそ）"),
            std::wstring::npos);
  EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::YesNo);
  EXPECT_FALSE(fs::FileExists(BackUpName()));
  EXPECT_EQ(view().FileSize(), 99999);
  EXPECT_TRUE(Grayed(kRestoreItem));
  Key(VK_DELETE);
  EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(EditTest, AFailedBackupDeclinedDropsTheChangeAndAsksAgainNextTime) {
  StartOn({1, 2, 3});
  // A folder where the backup must go: the copy cannot be made.
  ASSERT_TRUE(CreateDirectoryW(BackUpName().c_str(), nullptr));
  messages.Answer(MsgAnswer::No);
  Key(VK_INSERT);
  ASSERT_EQ(Shown(), std::vector<std::wstring>{edit_texts::kBackUpFailed});
  EXPECT_EQ(OnDisk(), (Bytes{1, 2, 3}));
  EXPECT_FALSE(view().Changed());

  Key(VK_INSERT);  // Yes this time: the change goes ahead without a backup
  EXPECT_EQ(messages.shown().size(), 2u);
  EXPECT_EQ(OnDisk(), (Bytes{0, 1, 2, 3}));
  EXPECT_TRUE(Grayed(kRestoreItem));
  RemoveDirectoryW(BackUpName().c_str());
}

TEST_F(EditTest, AFileLockedByAnotherProgramIsLeftAsItWas) {
  DisplaySettings.AutoBackUp = false;
  const std::wstring path = StartOn({1, 2, 3, 4});
  Lock lock(path);
  ASSERT_TRUE(lock.held());
  Key(VK_INSERT);
  Key(VK_DELETE);
  // Between the two, the page that cannot be read says so as well.
  ASSERT_GE(messages.shown().size(), 2u);
  EXPECT_EQ(messages.shown().front().text,
            std::wstring(edit_texts::kInsertFailed) + L"\r\n" + edit_texts::kTailMoveCause);
  EXPECT_EQ(messages.shown().back().text, L"Can no Delete");
  EXPECT_TRUE(Grayed(kUndoItem));
  lock.Release();
  EXPECT_EQ(ReadFileBytes(path), (Bytes{1, 2, 3, 4}));
  EXPECT_EQ(view().FileSize(), 4);
}

}  // namespace
}  // namespace vx::test

// The Restore command and its menu item in the real main window, on a file
// with and without its backup.
#include <string>
#include <vector>

#include "app/edit/backup.h"
#include "common/file_seam.h"
#include "tests/app/main_window_fixture_win.h"

namespace vx::test {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr int kUndoItem = 0;
constexpr int kRestoreItem = 3;

class RestoreTest : public MainWindowTest {
 protected:
  std::wstring BackUpOf(const std::wstring& path) const {
    return GetBackUpName(path, DisplaySettings.BackUpSuffix);
  }
  HMENU EditMenu() const { return GetSubMenu(GetMenu(form->hwnd()), 1); }
  bool Grayed(int item) const {
    return (GetMenuState(EditMenu(), item, MF_BYPOSITION) & MF_GRAYED) != 0;
  }
  void Restore() {
    SendMessageW(form->hwnd(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(EditMenu(), kRestoreItem), 0),
                 0);
    PumpMessages();
  }
  void Key(int key) {
    SendMessageW(view().Picture1().hwnd(), WM_KEYDOWN, key, 1);
    PumpMessages();
  }
};

TEST_F(RestoreTest, StartUpOffersRestoreOnlyWhenTheBackupExists) {
  const std::wstring path = dir / L"data.bin";
  StartOn({1, 2}, L"data.bin");
  EXPECT_TRUE(Grayed(kRestoreItem));
  form.reset();

  WriteFileBytes(BackUpOf(path), {5});
  Start(path);
  EXPECT_FALSE(Grayed(kRestoreItem));
}

TEST_F(RestoreTest, WithoutABackupRestoreSaysSoAndTouchesNothing) {
  const std::wstring path = StartOn({1, 2, 3});
  Restore();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, L"バックアップファイルが存在しません。");
  EXPECT_EQ(messages.shown()[0].icon, MsgIcon::None);
  EXPECT_EQ(ReadFileBytes(path), (Bytes{1, 2, 3}));
}

TEST_F(RestoreTest, RestorePutsTheFirstContentBackAndStartsAfresh) {
  const std::wstring path = StartOn({1, 2, 3});
  Key(VK_INSERT);
  Key(VK_DELETE);
  Key(VK_INSERT);
  ASSERT_EQ(ReadFileBytes(path), (Bytes{0, 1, 2, 3}));
  ASSERT_FALSE(Grayed(kRestoreItem));

  Restore();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, L"復元しました。");
  EXPECT_EQ(ReadFileBytes(path), (Bytes{1, 2, 3}));
  EXPECT_EQ(view().FileSize(), 3);
  EXPECT_NE(ControlText(view().Label(2)).find(L"000,000,003"), std::wstring::npos);
  EXPECT_EQ(view().PageBytes().at(0), 1);
  EXPECT_FALSE(view().Changed());
  EXPECT_TRUE(Grayed(kRestoreItem));
  EXPECT_TRUE(Grayed(kUndoItem));

  // The next change backs up the restored content.
  messages.Clear();
  view().MoveCaretFromSeek(3);
  Key(VK_DELETE);
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(ReadFileBytes(path), (Bytes{1, 2}));
  EXPECT_EQ(ReadFileBytes(BackUpOf(path)), (Bytes{1, 2, 3}));
  EXPECT_FALSE(Grayed(kRestoreItem));
}

TEST_F(RestoreTest, AFailedRestoreLeavesBothTheFileAndTheBackup) {
  const std::wstring path = StartOn({1, 2, 3});
  Key(VK_INSERT);
  HANDLE lock = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  Restore();
  CloseHandle(lock);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, L"復元に失敗しました。");
  EXPECT_EQ(messages.shown()[0].icon, MsgIcon::Critical);
  EXPECT_EQ(ReadFileBytes(path), (Bytes{0, 1, 2, 3}));
  EXPECT_EQ(ReadFileBytes(BackUpOf(path)), (Bytes{1, 2, 3}));
  // Nothing was restored: the changes can still be undone.
  EXPECT_FALSE(Grayed(kUndoItem));
  EXPECT_TRUE(view().Changed());
}

}  // namespace
}  // namespace vx::test

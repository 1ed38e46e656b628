// The Restore command and its menu item in the real main window, on a file
// with and without its backup.
#include <string>
#include <vector>

#include "app/view/menu_commands.h"
#include "common/file_seam.h"
#include "tests/app/main_window_fixture_win.h"
#include "tests/support/byte_entry_win.h"

namespace vx::test {
namespace {

using Bytes = std::vector<uint8_t>;

using namespace menu_commands;

class RestoreTest : public MainWindowTest {};

TEST_F(RestoreTest, StartUpOffersRestoreOnlyWhenTheBackupExists) {
  const std::wstring path = dir / L"data.bin";
  StartOn({1, 2}, L"data.bin");
  EXPECT_TRUE(Grayed(kRestore));
  form.reset();

  WriteFileBytes(BackUpName(path), {5});
  Start(path);
  EXPECT_FALSE(Grayed(kRestore));
}

TEST_F(RestoreTest, WithoutABackupRestoreSaysSoAndTouchesNothing) {
  const std::wstring path = StartOn({1, 2, 3});
  Choose(kRestore);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, L"バックアップファイルが存在しません。");
  EXPECT_EQ(messages.shown()[0].icon, MsgIcon::None);
  EXPECT_EQ(ReadFileBytes(path), (Bytes{1, 2, 3}));
}

TEST_F(RestoreTest, RestorePutsTheFirstContentBackAndStartsAfresh) {
  const std::wstring path = StartOn({1, 2, 3});
  PageKey(VK_INSERT);
  PageKey(VK_DELETE);
  PageKey(VK_INSERT);
  ASSERT_EQ(ReadFileBytes(path), (Bytes{0, 1, 2, 3}));
  ASSERT_FALSE(Grayed(kRestore));

  Choose(kRestore);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, L"復元しました。");
  EXPECT_EQ(ReadFileBytes(path), (Bytes{1, 2, 3}));
  EXPECT_EQ(view().file_size(), 3);
  EXPECT_NE(ControlText(view().size_label()).find(L"000,000,003"), std::wstring::npos);
  EXPECT_EQ(view().page_bytes().at(0), 1);
  EXPECT_FALSE(view().changed());
  EXPECT_TRUE(Grayed(kRestore));
  EXPECT_TRUE(Grayed(kUndo));

  // The next change backs up the restored content.
  messages.Clear();
  view().GoTo(2);
  PageKey(VK_DELETE);
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(ReadFileBytes(path), (Bytes{1, 2}));
  EXPECT_EQ(ReadFileBytes(BackUpName(path)), (Bytes{1, 2, 3}));
  EXPECT_FALSE(Grayed(kRestore));
}

TEST_F(RestoreTest, AFailedRestoreLeavesBothTheFileAndTheBackup) {
  const std::wstring path = StartOn({1, 2, 3});
  PageKey(VK_INSERT);
  FileLock lock(path);
  ASSERT_TRUE(lock.held());
  Choose(kRestore);
  lock.Release();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, L"復元に失敗しました。");
  EXPECT_EQ(messages.shown()[0].icon, MsgIcon::Critical);
  EXPECT_EQ(ReadFileBytes(path), (Bytes{0, 1, 2, 3}));
  EXPECT_EQ(ReadFileBytes(BackUpName(path)), (Bytes{1, 2, 3}));
  // Nothing was restored: the changes can still be undone.
  EXPECT_FALSE(Grayed(kUndo));
  EXPECT_TRUE(view().changed());
}

}  // namespace
}  // namespace vx::test

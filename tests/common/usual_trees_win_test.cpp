// The folder listings let the window's waiting messages run.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/usual.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(UsualGetFilesWin, LetsWaitingMessagesRunBetweenEntries) {
  test::TempFolder dir;
  test::WriteFileBytes(dir / L"a", {1});
  test::WriteFileBytes(dir / L"b", {1});
  ASSERT_TRUE(PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0));
  std::vector<std::wstring> names;
  EXPECT_EQ(Usual().GetFiles(dir.path(), names, 0, false), 1);
  MSG left;
  EXPECT_FALSE(PeekMessageW(&left, nullptr, WM_APP, WM_APP, PM_REMOVE));
}

}  // namespace
}  // namespace vx

// The folder listings let the window's waiting messages run.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/folder_tree.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(ListOneLevelWin, LetsWaitingMessagesRunBetweenEntries) {
  test::TempFolder dir;
  test::WriteFileBytes(dir / L"a", {1});
  test::WriteFileBytes(dir / L"b", {1});
  ASSERT_TRUE(PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0));
  EXPECT_EQ(ListOneLevel(dir.path(), Listed::Files, Naming::Relative).size(), 2u);
  MSG left;
  EXPECT_FALSE(PeekMessageW(&left, nullptr, WM_APP, WM_APP, PM_REMOVE));
}

}  // namespace
}  // namespace vx

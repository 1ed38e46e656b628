// What a real shell link holds beyond its target.
#include <gtest/gtest.h>

#include "common/shortcuts.h"
#include "tests/support/shell_link_reader.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(MakeShortcutWin, TheLinkStartsItsTargetInTheTargetsFolderWithoutArguments) {
  test::TempFolder dir;
  const std::wstring target = dir / L"Vantelox.exe";
  test::WriteFileBytes(target, {1});
  ASSERT_TRUE(MakeShortcut(dir / L"送る\\", L"Vantelox", target));
  const test::ShellLinkContents link = test::ReadShellLink(dir / L"送る\\Vantelox.lnk");
  EXPECT_EQ(link.target, target);
  EXPECT_EQ(link.arguments, L"");
  EXPECT_EQ(link.working_folder, dir.path().substr(0, dir.path().size() - 1));
}

}  // namespace
}  // namespace vx

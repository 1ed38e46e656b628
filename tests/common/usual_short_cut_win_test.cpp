// What a real shell link holds beyond its target.
#include <gtest/gtest.h>

#include "common/usual.h"
#include "tests/support/shell_link_reader.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(UsualMakeShortCutWin, TheLinkStartsItsTargetWithTheArgumentsInTheTargetsFolder) {
  test::TempFolder dir;
  const Usual usual;
  const std::wstring target = dir / L"Vantelox.exe";
  test::WriteFileBytes(target, {1});
  ASSERT_EQ(usual.MakeShortCut(dir / L"送る\\", L"Vantelox", target, false, L"/x \"a b\""), 0);
  const test::ShellLinkContents link = test::ReadShellLink(dir / L"送る\\Vantelox.lnk");
  EXPECT_EQ(link.target, target);
  EXPECT_EQ(link.arguments, L"/x \"a b\"");
  EXPECT_EQ(link.working_folder, dir.path().substr(0, dir.path().size() - 1));
}

}  // namespace
}  // namespace vx

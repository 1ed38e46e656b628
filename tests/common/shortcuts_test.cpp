#include "common/shortcuts.h"

#include <gtest/gtest.h>

#include "common/file_operations.h"
#include "common/file_seam.h"
#include "tests/support/shell_link_reader.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(MakeShortcut, WritesTheLinkInItsFolderMakingItWhenMissing) {
  test::TempFolder dir;
  const std::wstring target = dir / L"Vantelox\\Vantelox.exe";
  test::WriteFileBytes(dir / L"Vantelox.exe", {1});
  ASSERT_TRUE(MakeFolders(dir / L"Vantelox\\"));
  test::WriteFileBytes(target, {1});
  const std::wstring menu = dir / L"Programs\\Morvane Soft\\Vantelox";
  EXPECT_TRUE(MakeShortcut(menu, L"Vanteloxのヘルプ", target));
  EXPECT_EQ(test::ReadShellLink(menu + L"\\Vanteloxのヘルプ.lnk").target, target);
  // A second setup replaces the link.
  EXPECT_TRUE(MakeShortcut(menu, L"Vanteloxのヘルプ", dir / L"Vantelox.exe"));
  EXPECT_EQ(test::ReadShellLink(menu + L"\\Vanteloxのヘルプ.lnk").target, dir / L"Vantelox.exe");

  test::WriteFileBytes(dir / L"file", {1});
  EXPECT_FALSE(MakeShortcut(dir / L"file\\sub\\", L"Vantelox", target));
  EXPECT_FALSE(MakeShortcut(dir.path(), L"", target));
  EXPECT_FALSE(MakeShortcut(L"", L"Vantelox", target));
}

}  // namespace
}  // namespace vx

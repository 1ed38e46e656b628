#include <gtest/gtest.h>

#include "common/file_seam.h"
#include "common/usual.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/shell_link_reader.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(ShortCutFolderArgument, GoesSixLevelsUpThenDownThePathWithoutItsDrive) {
  const struct {
    const wchar_t* Path;
    bool InProgramMenu;
    const wchar_t* argument;
  } cases[] = {
      {L"C:\\Tools\\", false, L"..\\..\\..\\..\\..\\..\\Tools"},
      {L"D:\\a\\b", false, L"..\\..\\..\\..\\..\\..\\a\\b"},
      {L"a\\b\\", false, L"..\\..\\..\\..\\..\\..\\a\\b"},
      {L"C:\\Tools\\", true, L"\\Tools"},
      {L"\\Morvane Soft\\Vantelox\\", true, L"\\Morvane Soft\\Vantelox"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShortCutFolderArgument(c.Path, c.InProgramMenu), c.argument) << c.Path;
  }
}

TEST(UsualMakeShortCut, WritesTheLinkAtTheAbsoluteFolderMakingItWhenMissing) {
  test::TempFolder dir;
  const Usual usual;
  const std::wstring target = dir / L"Vantelox\\Vantelox.exe";
  test::WriteFileBytes(dir / L"Vantelox.exe", {1});
  ASSERT_EQ(usual.MakeDir(dir / L"Vantelox\\", false), 0);
  test::WriteFileBytes(target, {1});
  const std::wstring menu = dir / L"Programs\\Morvane Soft\\Vantelox\\";
  EXPECT_EQ(usual.MakeShortCut(menu, L"Vanteloxのヘルプ", target, false, L""), 0);
  EXPECT_EQ(test::ReadShellLink(menu + L"Vanteloxのヘルプ.lnk").target, target);
  // A second setup replaces the link.
  EXPECT_EQ(usual.MakeShortCut(menu, L"Vanteloxのヘルプ", dir / L"Vantelox.exe", false, L""), 0);
  EXPECT_EQ(test::ReadShellLink(menu + L"Vanteloxのヘルプ.lnk").target, dir / L"Vantelox.exe");

  test::WriteFileBytes(dir / L"file", {1});
  EXPECT_EQ(usual.MakeShortCut(dir / L"file\\sub\\", L"Vantelox", target, false, L""), -1);
  EXPECT_EQ(usual.MakeShortCut(dir.path(), L"", target, false, L""), -1);
}

}  // namespace
}  // namespace vx

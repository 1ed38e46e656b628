// The maker's folder goes with the product only when nothing else is left in
// it, on the real file system.
#include <gtest/gtest.h>

#include "common/file_operations.h"
#include "common/file_seam.h"
#include "tests/support/temp_folder.h"
#include "uninstall/removal_rules.h"

namespace vx::uninstall {
namespace {

TEST(RemoveMakerFolderIfEmpty, GoesWhenEmptyAndStaysWhenItHoldsAnything) {
  test::TempFolder dir;
  const std::wstring maker = dir / L"Morvane Soft\\";
  const struct {
    const wchar_t* content;  // a file, or a folder ending in "\"
    bool goes;
  } cases[] = {{L"", true}, {L"Other.dat", false}, {L"Other\\", false}};
  for (const auto& c : cases) {
    ASSERT_TRUE(MakeFolders(maker + c.content));
    if (!std::wstring(c.content).empty() && !std::wstring(c.content).ends_with(L'\\')) {
      test::WriteFileBytes(maker + c.content, {1});
    }
    EXPECT_EQ(RemoveMakerFolderIfEmpty(maker), c.goes) << c.content;
    EXPECT_EQ(fs::FolderExists(maker), !c.goes) << c.content;
    if (!c.goes) {
      EXPECT_TRUE(fs::FileExists(maker + c.content) || fs::FolderExists(maker + c.content));
    }
    test::RemoveTree(maker);
  }
  EXPECT_FALSE(RemoveMakerFolderIfEmpty(maker)) << "not there";
  EXPECT_FALSE(RemoveMakerFolderIfEmpty(L"Morvane Soft\\")) << "not a full name";
}

}  // namespace
}  // namespace vx::uninstall

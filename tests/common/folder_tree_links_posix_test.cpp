// Links inside a tree, made here the POSIX way.
#include <gtest/gtest.h>
#include <unistd.h>

#include "common/file_operations.h"
#include "common/folder_tree.h"
#include "common/posix_names.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(FolderTreeWithLinks, ListsALinkedFolderWithoutEnteringIt) {
  test::TempFolder dir;
  ASSERT_TRUE(MakeFolders(dir / L"outside\\"));
  test::WriteFileBytes(dir / L"outside\\keep.txt", {1});
  ASSERT_TRUE(MakeFolders(dir / L"tree\\"));
  ASSERT_EQ(::symlink(PosixPath(dir / L"outside").c_str(), PosixPath(dir / L"tree\\link").c_str()),
            0);
  // A link back up would make the walk endless if it were followed.
  ASSERT_EQ(::symlink(PosixPath(dir.path()).c_str(), PosixPath(dir / L"tree\\up").c_str()), 0);

  EXPECT_EQ(ListWholeTree(dir / L"tree", Listed::Folders, Naming::Relative).size(), 2u);
  EXPECT_TRUE(ListWholeTree(dir / L"tree", Listed::Files, Naming::Relative).empty());
}

}  // namespace
}  // namespace vx

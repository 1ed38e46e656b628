// Links inside a tree, made here the POSIX way.
#include <gtest/gtest.h>
#include <unistd.h>

#include "common/file_seam.h"
#include "common/posix_names.h"
#include "common/usual.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(UsualTreesWithLinks, ListAndEraseALinkedFolderWithoutEnteringIt) {
  test::TempFolder dir;
  const Usual usual;
  ASSERT_EQ(usual.MakeDir(dir / L"outside\\", false), 0);
  test::WriteFileBytes(dir / L"outside\\keep.txt", {1});
  ASSERT_EQ(usual.MakeDir(dir / L"tree\\", false), 0);
  ASSERT_EQ(::symlink(PosixPath(dir / L"outside").c_str(), PosixPath(dir / L"tree\\link").c_str()),
            0);
  // A link back up would make the walk endless if it were followed.
  ASSERT_EQ(::symlink(PosixPath(dir.path()).c_str(), PosixPath(dir / L"tree\\up").c_str()), 0);

  std::vector<std::wstring> folders;
  EXPECT_EQ(usual.GetAllFiles(dir / L"tree", folders, kDirectoryAttribute, false), 2);
  std::vector<std::wstring> files;
  EXPECT_EQ(usual.GetAllFiles(dir / L"tree", files, kAllFileAttributes, false), 0);

  usual.EraseDir(dir / L"tree\\");
  EXPECT_FALSE(fs::FolderExists(dir / L"tree"));
  EXPECT_TRUE(fs::FileExists(dir / L"outside\\keep.txt"));
}

}  // namespace
}  // namespace vx

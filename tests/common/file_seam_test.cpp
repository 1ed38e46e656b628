#include "common/file_seam.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace vx::fs {
namespace {

TEST(FileSeam, ReadsShortAtTheEndAndNothingBeyondIt) {
  test::TempFolder dir;
  test::WriteFileBytes(dir / L"a.bin", {1, 2, 3});
  File f = OpenFile(dir / L"a.bin", false, Share::ReadWrite);
  ASSERT_TRUE(f);
  uint8_t buf[8] = {};
  EXPECT_EQ(f.ReadAt(1, buf, 8), 2);
  EXPECT_EQ(buf[0], 2);
  EXPECT_EQ(buf[1], 3);
  EXPECT_EQ(f.ReadAt(10, buf, 8), 0);
}

TEST(FileSeam, WritesPastTheEndAndChangesLength) {
  test::TempFolder dir;
  File f = OpenFile(dir / L"b.bin", true, Share::ReadWrite);
  ASSERT_TRUE(f);
  const uint8_t v = 7;
  EXPECT_TRUE(f.WriteAt(4, &v, 1));
  EXPECT_EQ(f.Length(), 5);
  EXPECT_TRUE(f.SetLength(2));
  EXPECT_EQ(f.Length(), 2);
  EXPECT_TRUE(f.SetLength(9));
  EXPECT_EQ(f.Length(), 9);
}

TEST(FileSeam, OpensNoMissingFileWithoutCreateAndNoFolderAsFile) {
  test::TempFolder dir;
  EXPECT_FALSE(OpenFile(dir / L"none.bin", false, Share::ReadWrite));
  EXPECT_FALSE(FileExists(dir / L"none.bin"));
  EXPECT_FALSE(OpenFile(dir.path(), true, Share::ReadWrite));
  EXPECT_FALSE(OpenFile(dir / L"no\\such\\x.bin", true, Share::ReadWrite));
}

TEST(FileSeam, FoldersAreMadeListedAndRemoved) {
  test::TempFolder dir;
  EXPECT_TRUE(MakeFolder(dir / L"sub"));
  EXPECT_TRUE(FolderExists(dir / L"sub\\"));
  EXPECT_FALSE(FileExists(dir / L"sub"));
  test::WriteFileBytes(dir / L"sub\\ファイル.txt", {65});
  const auto entries = ListFolder(dir / L"sub");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, L"ファイル.txt");
  EXPECT_FALSE(entries[0].is_folder);
  EXPECT_FALSE(RemoveFolder(dir / L"sub"));
  EXPECT_TRUE(RenameFile(dir / L"sub\\ファイル.txt", dir / L"moved.txt"));
  EXPECT_TRUE(RemoveFolder(dir / L"sub"));
  EXPECT_TRUE(RemoveFile(dir / L"moved.txt"));
  EXPECT_FALSE(RemoveFile(dir / L"moved.txt"));
}

}  // namespace
}  // namespace vx::fs

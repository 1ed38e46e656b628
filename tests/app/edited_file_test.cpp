#include "app/file/edited_file.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(EditedFileRead, ReadsFromAnOffsetAndZeroFillsBehindTheEnd) {
  test::TempFolder dir;
  const EditedFile file(dir / L"a.bin");
  test::WriteFileBytes(file.path(), {1, 2, 3});
  Bytes bytes(4, 9);
  EXPECT_EQ(file.Read(1, bytes), ReadResult::Read);
  EXPECT_EQ(bytes, (Bytes{2, 3, 0, 0}));
  bytes.assign(2, 9);
  EXPECT_EQ(file.Read(99, bytes), ReadResult::Read);
  EXPECT_EQ(bytes, (Bytes{0, 0}));
  EXPECT_EQ(file.Read(-1, bytes), ReadResult::NotRead);
  EXPECT_EQ(test::ReadFileBytes(file.path()), (Bytes{1, 2, 3}));
}

TEST(EditedFileRead, AMissingFileIsMadeEmptyWithItsFolders) {
  test::TempFolder dir;
  const EditedFile file(dir / L"new\\b.bin");
  Bytes bytes(3, 9);
  EXPECT_EQ(file.Read(0, bytes), ReadResult::Read);
  EXPECT_EQ(bytes, (Bytes{0, 0, 0}));
  EXPECT_EQ(file.Length(), 0);
}

TEST(EditedFileRead, ANameThatCannotBeOpenedLeavesTheBytesAsTheyWere) {
  test::TempFolder dir;
  Bytes bytes(2, 9);
  EXPECT_EQ(EditedFile(L"bare.bin").Read(0, bytes), ReadResult::NotOpened);
  // A folder where the file should be.
  ASSERT_TRUE(fs::MakeFolder(dir / L"folder"));
  EXPECT_EQ(EditedFile(dir / L"folder").Read(0, bytes), ReadResult::NotOpened);
  EXPECT_EQ(bytes, (Bytes{9, 9}));
  EXPECT_FALSE(fs::FileExists(L"bare.bin"));
}

TEST(EditedFileOverwrite, GivesTheOldByteAndLengthensOnlyJustBehindTheEnd) {
  test::TempFolder dir;
  const EditedFile file(dir / L"a.bin");
  test::WriteFileBytes(file.path(), {0x10, 0xFF});
  EXPECT_EQ(file.Overwrite(1, 0x20), std::optional<uint8_t>(0xFF));
  EXPECT_EQ(file.Overwrite(2, 0x30), std::optional<uint8_t>(0));
  EXPECT_EQ(file.Overwrite(4, 0x40), std::nullopt);
  EXPECT_EQ(file.Overwrite(-1, 0x40), std::nullopt);
  EXPECT_EQ(test::ReadFileBytes(file.path()), (Bytes{0x10, 0x20, 0x30}));
}

TEST(EditedFileOverwrite, NeverMakesAFileThatIsGone) {
  test::TempFolder dir;
  const EditedFile file(dir / L"gone.bin");
  EXPECT_EQ(file.Overwrite(0, 1), std::nullopt);
  EXPECT_FALSE(fs::FileExists(file.path()));
}

TEST(EditedFileOpen, MakesMissingFoldersButCanOpenNever) {
  test::TempFolder dir;
  EXPECT_FALSE(EditedFile(dir / L"p\\q.bin").CanOpen());
  EXPECT_FALSE(fs::FolderExists(dir / L"p"));
  EXPECT_TRUE(EditedFile(dir / L"q.bin").CanOpen());
  EXPECT_TRUE(fs::FileExists(dir / L"q.bin"));
  EXPECT_FALSE(EditedFile(L"").CanOpen());

  EXPECT_TRUE(EditedFile(dir / L"x\\y\\z.bin").Open());
  EXPECT_TRUE(fs::FileExists(dir / L"x\\y\\z.bin"));
  EXPECT_FALSE(EditedFile(L"z.bin").Open());
  EXPECT_FALSE(fs::FileExists(L"z.bin"));
}

TEST(EditedFileOpen, AMoveNeedsTheFileToBeThere) {
  test::TempFolder dir;
  const EditedFile file(dir / L"a.bin");
  EXPECT_FALSE(file.OpenToMove());
  EXPECT_FALSE(fs::FileExists(file.path()));
  test::WriteFileBytes(file.path(), {1});
  EXPECT_TRUE(file.OpenToMove());
}

TEST(EditedFileCopy, CopiesAndIsReplacedWhole) {
  test::TempFolder dir;
  const EditedFile file(dir / L"a.bin");
  test::WriteFileBytes(file.path(), {1, 2, 3});
  ASSERT_TRUE(file.CopyTo(dir / L"copy.bin", {}));
  EXPECT_EQ(test::ReadFileBytes(dir / L"copy.bin"), (Bytes{1, 2, 3}));
  test::WriteFileBytes(dir / L"other.bin", {7});
  ASSERT_TRUE(file.ReplaceBy(dir / L"other.bin"));
  EXPECT_EQ(test::ReadFileBytes(file.path()), (Bytes{7}));
  EXPECT_FALSE(fs::FileExists(dir / L"other.bin"));
}

}  // namespace
}  // namespace vx

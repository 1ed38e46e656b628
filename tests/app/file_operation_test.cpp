#include "app/file/file_operation.h"

#include <gtest/gtest.h>

#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;

const FileOperation files;

TEST(FileOperationGets, ReadsFromASeekPositionAndZeroFillsBeyondTheEnd) {
  test::TempFolder dir;
  const std::wstring name = dir / L"a.bin";
  test::WriteFileBytes(name, {1, 2, 3});
  Bytes bytes;
  EXPECT_EQ(files.Gets(name, 2, 4, bytes), 0);
  EXPECT_EQ(bytes, (Bytes{2, 3, 0, 0}));
  EXPECT_EQ(files.Gets(name, 100, 2, bytes), 0);
  EXPECT_EQ(bytes, (Bytes{0, 0}));
  EXPECT_EQ(test::ReadFileBytes(name), (Bytes{1, 2, 3}));
}

TEST(FileOperationGets, AMissingFileIsMadeEmpty) {
  test::TempFolder dir;
  Bytes bytes{9};
  EXPECT_EQ(files.Gets(dir / L"new\\b.bin", 1, 3, bytes), 0);
  EXPECT_EQ(bytes, (Bytes{0, 0, 0}));
  EXPECT_TRUE(fs::FileExists(dir / L"new\\b.bin"));
  EXPECT_TRUE(test::ReadFileBytes(dir / L"new\\b.bin").empty());
}

TEST(FileOperation, RefusesPositionsAndSizesOutsideTheFile) {
  test::TempFolder dir;
  const std::wstring name = dir / L"a.bin";
  test::WriteFileBytes(name, {1, 2});
  Bytes bytes;
  EXPECT_EQ(files.Gets(name, 0, 1, bytes), -1);
  EXPECT_EQ(files.Gets(name, 1, -1, bytes), -1);
  EXPECT_EQ(files.RePlaceU(name, 0, 7), -1);
  EXPECT_EQ(files.RePlaceU(name, INT32_MIN, 7), -1);
  EXPECT_EQ(test::ReadFileBytes(name), (Bytes{1, 2}));
}

TEST(FileOperationRePlaceU, ReturnsTheOldByteAndLengthensJustBehindTheEnd) {
  test::TempFolder dir;
  const std::wstring name = dir / L"a.bin";
  test::WriteFileBytes(name, {0x10, 0xFF});
  EXPECT_EQ(files.RePlaceU(name, 2, 0x20), 0xFF);
  EXPECT_EQ(files.RePlaceU(name, 3, 0x30), 0);
  EXPECT_EQ(test::ReadFileBytes(name), (Bytes{0x10, 0x20, 0x30}));
}

TEST(FileOperationOpenBinary, MakesMissingFoldersAndRefusesBareNames) {
  test::TempFolder dir;
  EXPECT_TRUE(files.OpenBinary(dir / L"x\\y\\z.bin"));
  EXPECT_TRUE(fs::FolderExists(dir / L"x\\y"));
  EXPECT_TRUE(fs::FileExists(dir / L"x\\y\\z.bin"));
  EXPECT_FALSE(files.OpenBinary(L"z.bin"));
  EXPECT_FALSE(files.OpenBinary(L""));
  EXPECT_FALSE(fs::FileExists(L"z.bin"));
}

TEST(FileOperationGetLongPath, KeepsANameTheSystemDoesNotKnow) {
  test::TempFolder dir;
  EXPECT_EQ(files.GetLongPath(dir / L"missing.bin"), dir / L"missing.bin");
  test::WriteFileBytes(dir / L"long name.bin", {1});
  EXPECT_EQ(test::ReadFileBytes(files.GetLongPath(dir / L"long name.bin")), (Bytes{1}));
}

TEST(FileOperationGetFnmFromCommand, TheNtFamilyQuotesNamesWithBlanks) {
  const test::ScopedEnvironment os(L"OS", L"Windows_nt");
  EXPECT_EQ(files.GetFnmFromCommand(L"\"C:\\vx missing\\a b.bin\""), L"C:\\vx missing\\a b.bin");
  EXPECT_EQ(files.GetFnmFromCommand(L"C:\\vx missing\\a b.bin"), L"C:\\vx missing\\a b.bin");
  EXPECT_EQ(files.GetFnmFromCommand(L"C:\\vx.bin \"x\""), L"C:\\vx.bin ");
  EXPECT_EQ(files.GetFnmFromCommand(L""), L"");
}

TEST(FileOperationGetFnmFromCommand, The95FamilyEndsTheNameAtTheFirstBlank) {
  const test::ScopedEnvironment os(L"OS", std::nullopt);
  EXPECT_EQ(files.GetFnmFromCommand(L"C:\\vx missing\\a b.bin"), L"C:\\vx");
  EXPECT_EQ(files.GetFnmFromCommand(L"C:\\vx.bin"), L"C:\\vx.bin");
}

}  // namespace
}  // namespace vx

// The setup moves its own distribution and nothing else of the folder it
// is started from.
#include "setup/distribution.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/file_operations.h"
#include "common/file_seam.h"
#include "common/path_text.h"
#include "tests/support/temp_folder.h"

namespace vx::setup {
namespace {

using Names = std::vector<std::wstring>;

TEST(Distribution, IsTheProgramAndTheHelpPages) {
  const Names files = DistributionFiles();
  EXPECT_EQ(files.front(), L"Vantelox.exe");
  EXPECT_NE(std::find(files.begin(), files.end(), L"Vanteloxヘルプ\\top.htm"), files.end());
  for (const std::wstring& file : files) {
    EXPECT_TRUE(file == L"Vantelox.exe" || file.starts_with(L"Vanteloxヘルプ\\")) << file;
  }
}

// A downloads folder: the distribution beside a person's own files.
TEST(MoveDistribution, MovesOnlyTheListedFilesAndKeepsEverythingElse) {
  test::TempFolder dir;
  const std::wstring from = dir / L"Downloads\\";
  const std::wstring to = dir / L"Apps\\Vantelox\\";
  const Names files = {L"Vantelox.exe", L"Vanteloxヘルプ\\top.htm", L"Vanteloxヘルプ\\keys.htm"};
  const Names own = {L"letter.docx", L"OtherSetup.exe", L"photos\\a.jpg",
                     L"Vanteloxヘルプ\\my notes.txt"};
  for (const Names& names : {files, own}) {
    for (const std::wstring& name : names) {
      ASSERT_TRUE(MakeFolders(FolderPart(from + name)));
      test::WriteFileBytes(from + name, {7});
    }
  }
  test::WriteFileBytes(from + L"SetUpVantelox.exe", {1});
  const DistributionMove move = MoveDistribution(from, to, files, {});
  ASSERT_TRUE(move.complete);

  EXPECT_EQ(move.copied, (Names{to + files[0], to + files[1], to + files[2]}));
  for (const std::wstring& name : files) {
    EXPECT_TRUE(fs::FileExists(to + name)) << name;
    EXPECT_FALSE(fs::FileExists(from + name)) << name;
  }
  for (const std::wstring& name : own) {
    EXPECT_EQ(test::ReadFileBytes(from + name), std::vector<uint8_t>{7}) << name;
    EXPECT_FALSE(fs::FileExists(to + name)) << name;
  }
  EXPECT_FALSE(fs::FileExists(from + L"SetUpVantelox.exe"));
  EXPECT_EQ(fs::ListFolder(to).size(), 2u) << "the program and the help folder only";
}

TEST(MoveDistribution, EmptiesTheSetupFolderThatHeldOnlyTheDistribution) {
  test::TempFolder dir;
  const std::wstring from = dir / L"setup\\";
  const Names files = {L"Vantelox.exe", L"Vanteloxヘルプ\\top.htm"};
  ASSERT_TRUE(MakeFolders(from + L"Vanteloxヘルプ\\"));
  for (const std::wstring& name : files) test::WriteFileBytes(from + name, {1});
  ASSERT_TRUE(MoveDistribution(from, dir / L"to\\", files, {}).complete);
  EXPECT_FALSE(fs::FolderExists(from));
}

TEST(MoveDistribution, AMissingFileFailsAndKeepsTheSetupFolderWhole) {
  test::TempFolder dir;
  const std::wstring from = dir / L"setup\\";
  ASSERT_TRUE(MakeFolders(from));
  test::WriteFileBytes(from + L"Vantelox.exe", {1});
  const DistributionMove move =
      MoveDistribution(from, dir / L"to\\", {L"Vantelox.exe", L"gone.htm"}, {});
  EXPECT_FALSE(move.complete);
  EXPECT_TRUE(fs::FileExists(from + L"Vantelox.exe"));
  EXPECT_EQ(move.copied, (Names{dir / L"to\\Vantelox.exe"})) << "what did arrive is listed";
  const DistributionMove inside = MoveDistribution(from, from + L"sub\\", {L"Vantelox.exe"}, {});
  EXPECT_FALSE(inside.complete);
  EXPECT_TRUE(inside.copied.empty());
  EXPECT_FALSE(fs::FolderExists(from + L"sub\\"));
}

// A large file is copied in blocks with the caller's work between them.
TEST(MoveDistribution, LetsTheCallerRunBetweenTheBlocksOfALargeFile) {
  test::TempFolder dir;
  const std::wstring from = dir / L"setup\\";
  ASSERT_TRUE(MakeFolders(from));
  const std::vector<uint8_t> big(5 * (1 << 20) + 3, 0x5a);
  test::WriteFileBytes(from + L"Vantelox.exe", big);
  int between = 0;
  ASSERT_TRUE(
      MoveDistribution(from, dir / L"to\\", {L"Vantelox.exe"}, [&] { ++between; }).complete);
  EXPECT_EQ(between, 5) << "once between each two of the six blocks";
  EXPECT_EQ(test::ReadFileBytes(dir / L"to\\Vantelox.exe"), big);
}

}  // namespace
}  // namespace vx::setup

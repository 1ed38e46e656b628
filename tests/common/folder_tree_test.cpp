#include "common/folder_tree.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/file_operations.h"
#include "common/file_seam.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

using Names = std::vector<std::wstring>;

// A setup folder: SetUpVantelox.exe and Vantelox.exe at the top, a help
// folder with its own SetUpVantelox.exe, top.htm and images\a.png, and an
// empty folder.
void MakeSetupTree(const std::wstring& setup) {
  for (const wchar_t* folder : {L"", L"help\\", L"help\\images\\", L"empty\\"}) {
    ASSERT_TRUE(fs::MakeFolder(setup + folder));
  }
  for (const wchar_t* file : {L"SetUpVantelox.exe", L"Vantelox.exe", L"help\\SetUpVantelox.exe",
                              L"help\\top.htm", L"help\\images\\a.png"}) {
    test::WriteFileBytes(setup + file, {static_cast<uint8_t>(file[0]), 1, 2});
  }
}

// The names sorted: listing order is the file system's own.
Names Sorted(Names names) {
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ListOneLevel, ListsTheFilesOrTheFoldersWithTheirMark) {
  test::TempFolder dir;
  MakeSetupTree(dir / L"setup\\");
  EXPECT_EQ(Sorted(ListOneLevel(dir / L"setup", Listed::Files, Naming::Relative)),
            (Names{L"SetUpVantelox.exe", L"Vantelox.exe"}));
  EXPECT_EQ(Sorted(ListOneLevel(dir / L"setup\\", Listed::Folders, Naming::Full)),
            (Names{dir / L"setup\\empty\\", dir / L"setup\\help\\"}));
  EXPECT_TRUE(ListOneLevel(dir / L"setup\\empty\\", Listed::Files, Naming::Relative).empty());
}

TEST(ListWholeTree, GivesEachFoldersEntriesBeforeThoseOfItsSubfolders) {
  test::TempFolder dir;
  MakeSetupTree(dir / L"setup\\");
  const Names files = ListWholeTree(dir / L"setup\\", Listed::Files, Naming::Relative);
  ASSERT_EQ(files.size(), 5u);
  EXPECT_EQ(Sorted({files[0], files[1]}), (Names{L"SetUpVantelox.exe", L"Vantelox.exe"}));
  EXPECT_EQ(Sorted({files[2], files[3]}), (Names{L"help\\SetUpVantelox.exe", L"help\\top.htm"}));
  EXPECT_EQ(files[4], L"help\\images\\a.png");

  const Names folders = ListWholeTree(dir / L"setup", Listed::Folders, Naming::Full);
  ASSERT_EQ(folders.size(), 3u);
  EXPECT_EQ(Sorted({folders[0], folders[1]}),
            (Names{dir / L"setup\\empty\\", dir / L"setup\\help\\"}));
  EXPECT_EQ(folders[2], dir / L"setup\\help\\images\\");
}

TEST(CopyTree, CopiesEveryFolderAndFileOverAnOlderCopyKeepingItsTime) {
  test::TempFolder dir;
  const std::wstring setup = dir / L"setup\\";
  const std::wstring target = dir / L"Program Files\\Morvane Soft\\Vantelox\\";
  MakeSetupTree(setup);
  const int64_t old_time = fs::LastWriteTime(setup + L"Vantelox.exe") - 36'000'000'000;
  ASSERT_TRUE(fs::SetLastWriteTime(setup + L"Vantelox.exe", old_time));
  ASSERT_TRUE(MakeFolders(target));
  test::WriteFileBytes(target + L"Vantelox.exe", {9, 9, 9, 9, 9, 9});  // the older install

  const std::optional<Names> copied = CopyTree(setup, target);
  ASSERT_TRUE(copied);
  ASSERT_EQ(copied->size(), 5u);
  EXPECT_EQ(Sorted(*copied), (Names{target + L"SetUpVantelox.exe", target + L"Vantelox.exe",
                                    target + L"help\\SetUpVantelox.exe",
                                    target + L"help\\images\\a.png", target + L"help\\top.htm"}));
  EXPECT_EQ(copied->back(), target + L"help\\images\\a.png") << "subfolders after their parent";
  EXPECT_EQ(test::ReadFileBytes(target + L"Vantelox.exe"), (std::vector<uint8_t>{'V', 1, 2}));
  EXPECT_EQ(fs::LastWriteTime(target + L"Vantelox.exe"), old_time);
  EXPECT_TRUE(fs::FolderExists(target + L"empty"));
  EXPECT_TRUE(fs::FileExists(setup + L"Vantelox.exe")) << "a copy keeps its source";
}

TEST(CopyTree, NeverCopiesATreeIntoItself) {
  test::TempFolder dir;
  const std::wstring setup = dir / L"setup\\";
  MakeSetupTree(setup);
  for (const std::wstring& to :
       {setup, dir / L"SETUP\\.\\", setup + L"Vantelox\\", setup + L"help\\..\\install"}) {
    EXPECT_FALSE(CopyTree(setup, to)) << to;
    EXPECT_EQ(fs::ListFolder(setup).size(), 4u) << to;
  }
  EXPECT_FALSE(fs::FolderExists(setup + L"Vantelox"));
  EXPECT_FALSE(fs::FolderExists(setup + L"install"));
}

TEST(CopyTree, AFailedCopyStopsThere) {
  test::TempFolder dir;
  MakeSetupTree(dir / L"setup\\");
  // A folder where a file should go cannot be replaced by the copy.
  ASSERT_TRUE(MakeFolders(dir / L"target\\Vantelox.exe\\"));
  test::WriteFileBytes(dir / L"target\\Vantelox.exe\\keep.txt", {1});
  EXPECT_FALSE(CopyTree(dir / L"setup", dir / L"target"));
  EXPECT_TRUE(fs::FileExists(dir / L"target\\Vantelox.exe\\keep.txt"));
}

}  // namespace
}  // namespace vx

#include <gtest/gtest.h>

#include <algorithm>

#include "common/file_seam.h"
#include "common/usual.h"
#include "tests/support/message_recorder.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

using Names = std::vector<std::wstring>;

const Usual usual;

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

TEST(UsualGetFiles, ListsOneLevelOfFilesOrOfFoldersWithTheirMark) {
  test::TempFolder dir;
  MakeSetupTree(dir / L"setup\\");
  Names names;
  EXPECT_EQ(usual.GetFiles(dir / L"setup", names, 0, false), 1);
  EXPECT_EQ(Sorted(names), (Names{L"SetUpVantelox.exe", L"Vantelox.exe"}));
  EXPECT_EQ(usual.GetFiles(dir / L"setup\\", names, kDirectoryAttribute, true), 1);
  EXPECT_EQ(Sorted(names), (Names{dir / L"setup\\empty\\", dir / L"setup\\help\\"}));
  EXPECT_EQ(usual.GetFiles(dir / L"setup\\empty\\", names, 0, false), -1);
  EXPECT_TRUE(names.empty());
}

TEST(UsualGetAllFiles, GivesEachFoldersEntriesBeforeThoseOfItsSubfolders) {
  test::TempFolder dir;
  MakeSetupTree(dir / L"setup\\");
  Names files;
  ASSERT_EQ(usual.GetAllFiles(dir / L"setup\\", files, kAllFileAttributes, false), 5);
  EXPECT_EQ(files[0], L"");
  EXPECT_EQ(Sorted({files[1], files[2]}), (Names{L"SetUpVantelox.exe", L"Vantelox.exe"}));
  EXPECT_EQ(Sorted({files[3], files[4]}), (Names{L"help\\SetUpVantelox.exe", L"help\\top.htm"}));
  EXPECT_EQ(files[5], L"help\\images\\a.png");

  Names folders;
  ASSERT_EQ(usual.GetAllFiles(dir / L"setup", folders, kDirectoryAttribute, true), 3);
  EXPECT_EQ(Sorted({folders[1], folders[2]}),
            (Names{dir / L"setup\\empty\\", dir / L"setup\\help\\"}));
  EXPECT_EQ(folders[3], dir / L"setup\\help\\images\\");
}

TEST(UsualMoveAllFilesEx, CopiesTheTreeButTheTopFoldersNoMoveFileAndErasesTheSource) {
  test::TempFolder dir;
  const std::wstring setup = dir / L"setup\\";
  const std::wstring target = dir / L"Program Files\\Morvane Soft\\Vantelox\\";
  MakeSetupTree(setup);
  const int64_t old_time = fs::LastWriteTime(setup + L"Vantelox.exe") - 36'000'000'000;
  ASSERT_TRUE(fs::SetLastWriteTime(setup + L"Vantelox.exe", old_time));
  ASSERT_EQ(usual.MakeDir(target, false), 0);
  test::WriteFileBytes(target + L"Vantelox.exe", {9, 9, 9, 9, 9, 9});  // the older install

  Names copied;
  ASSERT_EQ(usual.MoveAllFilesEx(setup, target, kMoveMethod, copied, false, L"SetUpVantelox.exe"),
            0);
  ASSERT_EQ(copied.size(), 5u);
  EXPECT_EQ(copied[0], L"");
  EXPECT_EQ(Sorted({copied.begin() + 1, copied.end()}),
            (Names{target + L"Vantelox.exe", target + L"help\\SetUpVantelox.exe",
                   target + L"help\\images\\a.png", target + L"help\\top.htm"}));
  EXPECT_EQ(copied[4], target + L"help\\images\\a.png");  // subfolders after their parent
  EXPECT_FALSE(fs::FileExists(target + L"SetUpVantelox.exe"));
  EXPECT_EQ(test::ReadFileBytes(target + L"Vantelox.exe"), (std::vector<uint8_t>{'V', 1, 2}));
  EXPECT_EQ(test::ReadFileBytes(target + L"help\\images\\a.png"),
            (std::vector<uint8_t>{'h', 1, 2}));
  EXPECT_EQ(fs::LastWriteTime(target + L"Vantelox.exe"), old_time);
  EXPECT_TRUE(fs::FolderExists(target + L"empty"));
  EXPECT_FALSE(fs::FolderExists(setup));
}

TEST(UsualMoveAllFilesEx, ANewDirStartsFromAnEmptyTargetAndACopyKeepsTheSource) {
  test::TempFolder dir;
  MakeSetupTree(dir / L"setup\\");
  test::WriteFileBytes(dir / L"old.txt", {1});
  ASSERT_EQ(usual.MakeDir(dir / L"target\\stale\\", false), 0);
  test::WriteFileBytes(dir / L"target\\stale\\x.txt", {1});
  Names copied;
  ASSERT_EQ(usual.MoveAllFilesEx(dir / L"setup", dir / L"target", 1, copied, true, L""), 0);
  EXPECT_EQ(copied.size(), 6u);
  EXPECT_FALSE(fs::FolderExists(dir / L"target\\stale"));
  EXPECT_TRUE(fs::FileExists(dir / L"target\\SetUpVantelox.exe"));
  EXPECT_TRUE(fs::FileExists(dir / L"setup\\SetUpVantelox.exe"));
}

TEST(UsualMoveAllFilesEx, NeverCopiesATreeIntoItselfNorErasesASourceInsideItsTarget) {
  test::TempFolder dir;
  const std::wstring setup = dir / L"setup\\";
  MakeSetupTree(setup);
  const struct {
    std::wstring to;
    bool NewDir;
  } refused[] = {
      {setup, false},
      {dir / L"SETUP\\.\\", false},
      {setup + L"Vantelox\\", false},
      {setup + L"help\\..\\install", false},
      {dir.path(), true},  // erasing the target first would erase the source
  };
  for (const auto& r : refused) {
    Names copied = {L"stale"};
    EXPECT_EQ(usual.MoveAllFilesEx(setup, r.to, kMoveMethod, copied, r.NewDir, L""), -1) << r.to;
    EXPECT_EQ(copied, Names{L""}) << r.to;
    EXPECT_EQ(fs::ListFolder(setup).size(), 4u) << r.to;
    EXPECT_FALSE(fs::FolderExists(setup + L"Vantelox"));
    EXPECT_FALSE(fs::FolderExists(setup + L"install"));
  }
  EXPECT_TRUE(fs::FileExists(setup + L"help\\images\\a.png"));
}

TEST(UsualMoveAllFilesEx, AFailedCopyStopsAndSaysSo) {
  test::TempFolder dir;
  MakeSetupTree(dir / L"setup\\");
  // A folder where a file should go cannot be replaced by the copy.
  ASSERT_EQ(usual.MakeDir(dir / L"target\\Vantelox.exe\\", false), 0);
  test::WriteFileBytes(dir / L"target\\Vantelox.exe\\keep.txt", {1});
  Names copied;
  EXPECT_EQ(usual.MoveAllFilesEx(dir / L"setup", dir / L"target", kMoveMethod, copied, false,
                                 L"SetUpVantelox.exe"),
            -1);
  EXPECT_TRUE(fs::FileExists(dir / L"setup\\Vantelox.exe"));  // no erase after a failure
  EXPECT_TRUE(fs::FileExists(dir / L"target\\Vantelox.exe\\keep.txt"));
}

TEST(UsualEraseDir, ErasesTheWholeTreeAndNothingBesideIt) {
  test::TempFolder dir;
  MakeSetupTree(dir / L"setup\\");
  test::WriteFileBytes(dir / L"setup-beside.txt", {1});
  test::MessageRecorder messages;
  usual.EraseDir(dir / L"setup\\");
  EXPECT_FALSE(fs::FolderExists(dir / L"setup"));
  EXPECT_TRUE(fs::FileExists(dir / L"setup-beside.txt"));
  usual.EraseDir(dir / L"setup\\");  // gone already: nothing to do, nothing said
  EXPECT_TRUE(messages.shown().empty());
}

TEST(UsualEraseDir, RefusesTheUsersProfileAndWhatHoldsItWithError) {
  test::TempFolder dir;
  const std::wstring profile = dir / L"profile";
  MakeSetupTree(profile + L"\\");
  // The profile as the Win32 build and as the native build learn it.
  const test::ScopedEnvironment windows_profile(L"USERPROFILE", profile);
  const test::ScopedEnvironment home(L"HOME", profile);
  test::MessageRecorder messages;
  for (const std::wstring& name : {profile + L"\\", profile + L"\\help\\..", dir.path()}) {
    usual.EraseDir(name);
    EXPECT_TRUE(fs::FileExists(profile + L"\\help\\top.htm")) << name;
  }
  ASSERT_EQ(messages.shown().size(), 3u);
  EXPECT_EQ(messages.shown()[0].text, L"Error!");
  EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::Ok);
  usual.EraseDir(profile + L"\\help\\");  // a folder inside the profile may go
  EXPECT_FALSE(fs::FolderExists(profile + L"\\help"));
}

}  // namespace
}  // namespace vx

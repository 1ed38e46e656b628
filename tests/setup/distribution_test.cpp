// The setup copies its own distribution and nothing else of the folder it
// is started from, takes back what a failed copy made, and empties the
// setup folder of the distribution only.
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

// A downloads folder: the distribution beside a person's own files. The
// copy leaves the setup folder as it was; emptying it afterwards takes the
// distribution, the uninstaller and the setup program only.
TEST(CopyDistribution, CopiesOnlyTheListedFilesAndTheEmptyingKeepsEverythingElse) {
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
  test::WriteFileBytes(from + L"UnInstallVantelox.exe", {2});
  const DistributionCopy copy = CopyDistribution(from, to, files, {});
  ASSERT_TRUE(copy.complete);
  EXPECT_EQ(copy.copied, (Names{to + files[0], to + files[1], to + files[2]}));
  for (const std::wstring& name : files) {
    EXPECT_TRUE(fs::FileExists(to + name)) << name;
    EXPECT_TRUE(fs::FileExists(from + name)) << name;
  }
  EXPECT_EQ(fs::ListFolder(to).size(), 2u) << "the program and the help folder only";

  ASSERT_TRUE(EmptySetupFolder(from, files));
  for (const std::wstring& name : files) EXPECT_FALSE(fs::FileExists(from + name)) << name;
  for (const std::wstring& name : own) {
    EXPECT_EQ(test::ReadFileBytes(from + name), std::vector<uint8_t>{7}) << name;
    EXPECT_FALSE(fs::FileExists(to + name)) << name;
  }
  EXPECT_FALSE(fs::FileExists(from + L"SetUpVantelox.exe"));
  EXPECT_FALSE(fs::FileExists(from + L"UnInstallVantelox.exe"));
}

TEST(EmptySetupFolder, RemovesTheSetupFolderThatHeldOnlyTheDistribution) {
  test::TempFolder dir;
  const std::wstring from = dir / L"setup\\";
  const Names files = {L"Vantelox.exe", L"Vanteloxヘルプ\\top.htm"};
  ASSERT_TRUE(MakeFolders(from + L"Vanteloxヘルプ\\"));
  for (const std::wstring& name : files) test::WriteFileBytes(from + name, {1});
  ASSERT_TRUE(CopyDistribution(from, dir / L"to\\", files, {}).complete);
  ASSERT_TRUE(EmptySetupFolder(from, files));
  EXPECT_FALSE(fs::FolderExists(from));
}

// A failed copy takes back what it made, leaves an earlier install's file
// whole, and names where it stopped; into the setup folder nothing is done.
TEST(CopyDistribution, AFailedCopyTakesBackWhatItMade) {
  test::TempFolder dir;
  const std::wstring from = dir / L"setup\\";
  const std::wstring to = dir / L"to\\";
  ASSERT_TRUE(MakeFolders(from + L"help\\"));
  ASSERT_TRUE(MakeFolders(to));
  test::WriteFileBytes(from + L"Vantelox.exe", {1});
  test::WriteFileBytes(from + L"help\\a.htm", {2});
  test::WriteFileBytes(to + L"Vantelox.exe", {9});
  const DistributionCopy copy =
      CopyDistribution(from, to, {L"Vantelox.exe", L"help\\a.htm", L"gone.htm"}, {});
  EXPECT_FALSE(copy.complete);
  EXPECT_EQ(copy.failed_at, from + L"gone.htm");
  EXPECT_NE(copy.system_error, 0);
  EXPECT_TRUE(copy.copied.empty());
  EXPECT_EQ(test::ReadFileBytes(to + L"Vantelox.exe"), std::vector<uint8_t>{9});
  EXPECT_EQ(fs::ListFolder(to).size(), 1u) << "the help folder and the fresh copies are gone";
  EXPECT_TRUE(fs::FileExists(from + L"Vantelox.exe"));

  const DistributionCopy inside = CopyDistribution(from, from + L"sub\\", {L"Vantelox.exe"}, {});
  EXPECT_FALSE(inside.complete);
  EXPECT_TRUE(inside.copied.empty());
  EXPECT_FALSE(fs::FolderExists(from + L"sub\\"));
}

// A reinstall over an earlier install that fails at any file's turn, or in
// a later step after the whole copy, leaves the earlier install as it was:
// each file already replaced gets its earlier bytes back, and nothing of
// the run stays beside them. The file in turn fails because a folder of the
// person's stands in its place.
TEST(CopyDistribution, AReinstallThatFailsAnywherePutsBackTheEarlierInstall) {
  const Names files = {L"Vantelox.exe", L"help\\a.htm", L"new.htm", L"help\\b.htm"};
  const auto is_earlier = [](const std::wstring& file) { return file != L"new.htm"; };
  const auto listing = [](const std::wstring& folder) {
    Names names;
    for (const fs::FolderEntry& entry : fs::ListFolder(folder)) names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
  };
  const auto bytes = [](uint8_t kind, size_t i) {
    return std::vector<uint8_t>{kind, static_cast<uint8_t>(i)};
  };
  // Past the files, a round that a later step takes back, then one that is kept.
  const size_t taken_back = files.size();
  const size_t kept = files.size() + 1;
  for (size_t round = 0; round <= kept; ++round) {
    SCOPED_TRACE(round);
    test::TempFolder dir;
    const std::wstring from = dir / L"setup\\";
    const std::wstring to = dir / L"to\\";
    ASSERT_TRUE(MakeFolders(from + L"help\\"));
    ASSERT_TRUE(MakeFolders(to + L"help\\"));
    for (size_t i = 0; i < files.size(); ++i) {
      test::WriteFileBytes(from + files[i], bytes(1, i));
      if (i == round) {
        ASSERT_TRUE(MakeFolders(to + files[i] + L"\\"));
        test::WriteFileBytes(to + files[i] + L"\\keep.txt", {5});
      } else if (is_earlier(files[i])) {
        test::WriteFileBytes(to + files[i], bytes(9, i));
      }
    }
    const Names top_before = listing(to);
    const Names help_before = listing(to + L"help\\");

    const DistributionCopy copy = CopyDistribution(from, to, files, {});
    if (round >= taken_back) {
      ASSERT_TRUE(copy.complete);
      for (size_t i = 0; i < files.size(); ++i)
        EXPECT_EQ(test::ReadFileBytes(to + files[i]), bytes(1, i));
    }
    if (round == kept) {
      KeepInstall(copy.moved_aside);
      EXPECT_EQ(listing(to), (Names{L"Vantelox.exe", L"help", L"new.htm"}));
      EXPECT_EQ(listing(to + L"help\\"), (Names{L"a.htm", L"b.htm"}));
      continue;
    }
    if (round == taken_back) {
      TakeBackInstall(copy.moved_aside, copy.made);
    } else {
      EXPECT_FALSE(copy.complete);
      EXPECT_EQ(copy.failed_at, to + files[round]);
      EXPECT_TRUE(copy.copied.empty());
      EXPECT_EQ(test::ReadFileBytes(to + files[round] + L"\\keep.txt"), std::vector<uint8_t>{5});
    }
    for (size_t i = 0; i < files.size(); ++i) {
      if (i != round && is_earlier(files[i])) {
        EXPECT_EQ(test::ReadFileBytes(to + files[i]), bytes(9, i)) << files[i];
      }
    }
    EXPECT_EQ(listing(to), top_before);
    EXPECT_EQ(listing(to + L"help\\"), help_before);
  }
}

// A whole copy that a later step undoes: what was not there before goes.
// What a setup stopped half way left: a new copy beside its place goes, an
// earlier file whose place the stop left empty returns to it, and one whose
// new file already stands goes; then the copy runs as ever.
TEST(CopyDistribution, TakesBackWhatAStoppedSetupLeft) {
  test::TempFolder dir;
  const std::wstring from = dir / L"setup\\";
  const std::wstring to = dir / L"Vantelox\\";
  const Names files = {L"Vantelox.exe", L"help\\a.htm", L"help\\b.htm"};
  for (const std::wstring& file : files) {
    ASSERT_TRUE(MakeFolders(FolderPart(from + file)));
    test::WriteFileBytes(from + file, {'n'});
  }
  ASSERT_TRUE(MakeFolders(to + L"help\\"));
  test::WriteFileBytes(to + L"Vantelox.exe.VXNew", {'x'});  // copied, not placed
  test::WriteFileBytes(to + L"help\\a.htm.VXOld", {'o'});   // stepped aside, place empty
  test::WriteFileBytes(to + L"help\\b.htm", {'n'});         // placed...
  test::WriteFileBytes(to + L"help\\b.htm.VXOld", {'o'});   // ...not yet kept
  const DistributionCopy copy = CopyDistribution(from, to, files, {});
  ASSERT_TRUE(copy.complete);
  // The earlier a.htm was back in its place, so it steps aside again.
  EXPECT_EQ(copy.moved_aside, (Names{to + L"help\\a.htm", to + L"help\\b.htm"}));
  EXPECT_EQ(test::ReadFileBytes(to + L"help\\a.htm.VXOld"), std::vector<uint8_t>{'o'});
  EXPECT_TRUE(KeepInstall(copy.moved_aside).empty());
  for (const std::wstring& file : files) {
    EXPECT_EQ(test::ReadFileBytes(to + file), std::vector<uint8_t>{'n'}) << file;
    EXPECT_FALSE(fs::FileExists(to + file + L".VXNew")) << file;
    EXPECT_FALSE(fs::FileExists(to + file + L".VXOld")) << file;
  }
}

TEST(RemoveMade, TakesBackOnlyWhatWasNotThereBefore) {
  test::TempFolder dir;
  const std::wstring from = dir / L"setup\\";
  const std::wstring to = dir / L"Apps\\Vantelox\\";
  ASSERT_TRUE(MakeFolders(from + L"help\\"));
  ASSERT_TRUE(MakeFolders(dir / L"Apps\\"));
  test::WriteFileBytes(dir / L"Apps\\other.txt", {5});
  for (const wchar_t* name : {L"Vantelox.exe", L"help\\a.htm"})
    test::WriteFileBytes(from + name, {1});
  const DistributionCopy copy = CopyDistribution(from, to, {L"Vantelox.exe", L"help\\a.htm"}, {});
  ASSERT_TRUE(copy.complete);
  std::vector<std::wstring> made = copy.made;
  EXPECT_FALSE(CopyReplacing(from + L"Vantelox.exe", dir / L"Win\\x.exe", made).ok)
      << "no folder is made for it";
  ASSERT_TRUE(CopyReplacing(from + L"Vantelox.exe", dir / L"Apps\\copy.exe", made).ok);
  RemoveMade(made);
  EXPECT_FALSE(fs::FolderExists(to));
  EXPECT_FALSE(fs::FileExists(dir / L"Apps\\copy.exe"));
  EXPECT_EQ(test::ReadFileBytes(dir / L"Apps\\other.txt"), std::vector<uint8_t>{5});
}

TEST(MissingDistributionFiles, NamesWhatTheSetupFolderLacks) {
  test::TempFolder dir;
  const Names files = DistributionFiles();
  for (const std::wstring& name : files) {
    ASSERT_TRUE(MakeFolders(FolderPart(dir.path() + name)));
    test::WriteFileBytes(dir.path() + name, {1});
  }
  EXPECT_EQ(MissingDistributionFiles(dir.path()), Names{L"UnInstallVantelox.exe"});
  test::WriteFileBytes(dir / L"UnInstallVantelox.exe", {1});
  EXPECT_TRUE(MissingDistributionFiles(dir.path()).empty());
  ASSERT_TRUE(EmptySetupFolder(dir.path(), files));
  EXPECT_EQ(MissingDistributionFiles(dir.path()).size(), files.size() + 1);
}

// A large file is copied in blocks with the caller's work between them.
TEST(CopyDistribution, LetsTheCallerRunBetweenTheBlocksOfALargeFile) {
  test::TempFolder dir;
  const std::wstring from = dir / L"setup\\";
  ASSERT_TRUE(MakeFolders(from));
  const std::vector<uint8_t> big(5 * (1 << 20) + 3, 0x5a);
  test::WriteFileBytes(from + L"Vantelox.exe", big);
  int between = 0;
  ASSERT_TRUE(
      CopyDistribution(from, dir / L"to\\", {L"Vantelox.exe"}, [&] { ++between; }).complete);
  EXPECT_EQ(between, 5) << "once between each two of the six blocks";
  EXPECT_EQ(test::ReadFileBytes(dir / L"to\\Vantelox.exe"), big);
}

}  // namespace
}  // namespace vx::setup

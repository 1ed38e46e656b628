// Walking a folder entry by entry, with links and hostile names made here
// the POSIX way: a link is never entered, a name that cannot be joined is
// set apart.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "common/file_operations.h"
#include "common/file_seam.h"
#include "common/folder_clearing.h"
#include "common/posix_names.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

void Link(const std::wstring& target, const std::wstring& link) {
  ASSERT_EQ(::symlink(PosixPath(target).c_str(), PosixPath(link).c_str()), 0);
}

bool Holds(const std::vector<std::wstring>& names, const std::wstring& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// An install folder with a person's folder and file linked into it, at the
// top and below, and the person's files outside.
struct LinkedTree {
  test::TempFolder dir;
  std::wstring tree = dir / L"tree\\";
  void Make() {
    ASSERT_TRUE(MakeFolders(dir / L"keep\\photos\\"));
    test::WriteFileBytes(dir / L"keep\\photos\\a.jpg", {1});
    test::WriteFileBytes(dir / L"keep\\budget.xls", {2});
    ASSERT_TRUE(MakeFolders(tree + L"help\\"));
    test::WriteFileBytes(tree + L"Vantelox.exe", {3});
    test::WriteFileBytes(tree + L"help\\Top.htm", {4});
    Link(dir / L"keep\\photos", tree + L"photos");
    Link(dir / L"keep\\budget.xls", tree + L"help\\budget.xls");
  }
  void ExpectPersonsFilesWhole() const {
    EXPECT_EQ(test::ReadFileBytes(dir / L"keep\\photos\\a.jpg"), std::vector<uint8_t>{1});
    EXPECT_EQ(test::ReadFileBytes(dir / L"keep\\budget.xls"), std::vector<uint8_t>{2});
  }
};

TEST(FolderClearing, SurveySortsEntriesWithoutEnteringLinks) {
  LinkedTree t;
  t.Make();
  const FolderSurvey survey = SurveyFolder(t.tree);
  EXPECT_EQ(survey.files.size(), 2u);
  EXPECT_TRUE(Holds(survey.files, t.tree + L"help\\Top.htm"));
  EXPECT_EQ(survey.links.size(), 2u);
  EXPECT_TRUE(Holds(survey.links, t.tree + L"photos"));
  EXPECT_TRUE(Holds(survey.links, t.tree + L"help\\budget.xls"));
  EXPECT_EQ(survey.folders, std::vector<std::wstring>{t.tree + L"help\\"});
  EXPECT_TRUE(survey.refused.empty());
}

// A file whose own name holds "\" reads, once joined, as a way out of the
// folder: it is never joined, so the file it seems to name stays.
TEST(FolderClearing, NamesThatCannotBeJoinedAreLeftAlone) {
  LinkedTree t;
  t.Make();
  test::WriteFileBytes(t.dir / L"outside.txt", {6});
  ASSERT_TRUE(MakeFolders(t.tree + L"deep\\"));
  // Made by POSIX itself: the seam would read the "\" as a mark.
  const std::string odd = PosixPath(t.tree + L"deep") + "/..\\..\\outside.txt";
  std::FILE* file = std::fopen(odd.c_str(), "w");
  ASSERT_NE(file, nullptr);
  std::fclose(file);
  const FolderSurvey survey = SurveyFolder(t.tree);
  ASSERT_EQ(survey.refused.size(), 1u);
  EXPECT_FALSE(Holds(survey.files, t.dir / L"outside.txt"));
  EXPECT_EQ(test::ReadFileBytes(t.dir / L"outside.txt"), std::vector<uint8_t>{6});
  for (const wchar_t* name : {L"a\\b", L"a/b", L"a:b", L"..", L"."}) {
    EXPECT_FALSE(IsJoinableName(name)) << name;
  }
  EXPECT_TRUE(IsJoinableName(L"Vanteloxヘルプ"));
}

// A link goes as itself; a name reached through a link reads as the place
// it leads to, which is how the system names what a handle opened.
TEST(FolderClearing, RemoveEntryTakesTheLinkItself) {
  LinkedTree t;
  t.Make();
  EXPECT_EQ(fs::EntryFinalName(t.tree + L"photos\\a.jpg"),
            fs::FinalPathName(t.dir / L"keep\\photos") + L"\\a.jpg");
  EXPECT_TRUE(fs::RemoveEntry(t.tree + L"photos"));
  EXPECT_TRUE(fs::RemoveEntry(t.tree + L"help\\budget.xls"));
  EXPECT_FALSE(fs::RemoveEntry(t.tree + L"help\\gone.htm"));
  t.ExpectPersonsFilesWhole();
}

}  // namespace
}  // namespace vx

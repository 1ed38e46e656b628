#include "common/file_operations.h"

#include <gtest/gtest.h>

#include "common/code_page.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(OpenOrMakeFile, MakesMissingFoldersAndAnEmptyFile) {
  test::TempFolder dir;
  fs::File file = OpenOrMakeFile(dir / L"outer\\inner\\a.bin");
  ASSERT_TRUE(file);
  EXPECT_TRUE(fs::FolderExists(dir / L"outer\\inner"));
  EXPECT_EQ(file.Length(), 0);
  const uint8_t byte = 0x5A;
  EXPECT_TRUE(file.WriteAt(0, &byte, 1));
  file.Close();
  EXPECT_EQ(test::ReadFileBytes(dir / L"outer\\inner\\a.bin"), std::vector<uint8_t>{0x5A});
}

// None of them tells the person anything: that is for the caller.
TEST(OpenOrMakeFile, FailsSilentlyForABareOrEmptyName) {
  test::MessageRecorder messages;
  EXPECT_FALSE(OpenOrMakeFile(L"a.bin"));
  EXPECT_FALSE(OpenOrMakeFile(L""));
  EXPECT_TRUE(messages.shown().empty());
}

TEST(MakeEmptyFile, EmptiesAnExistingFile) {
  test::TempFolder dir;
  test::WriteFileBytes(dir / L"old.bin", {1, 2, 3});
  fs::File file = MakeEmptyFile(dir / L"old.bin");
  ASSERT_TRUE(file);
  EXPECT_EQ(file.Length(), 0);
}

TEST(MakeFolders, MakesTheLastFolderOnlyWithATrailingMark) {
  test::TempFolder dir;
  EXPECT_TRUE(MakeFolders(dir / L"p\\q\\r"));
  EXPECT_TRUE(fs::FolderExists(dir / L"p\\q"));
  EXPECT_FALSE(fs::FolderExists(dir / L"p\\q\\r"));
  EXPECT_TRUE(MakeFolders(dir / L"p\\q\\r\\"));
  EXPECT_TRUE(fs::FolderExists(dir / L"p\\q\\r"));
}

TEST(MakeFolders, FailsForTheEmptyNameAndWhereAFileStandsInTheWay) {
  test::TempFolder dir;
  test::MessageRecorder messages;
  test::WriteFileBytes(dir / L"f", {1});
  EXPECT_FALSE(MakeFolders(dir / L"f\\g\\"));
  EXPECT_FALSE(MakeFolders(L""));
  EXPECT_TRUE(messages.shown().empty());
}

// A delete takes exactly the file it names: never a pattern, never the
// file before a NUL, never what a name spoilt by code page 932 would match.
TEST(DeleteExactFile, DeletesOnlyTheOneFileNamedExactly) {
  test::TempFolder dir;
  for (const wchar_t* name : {L"a.tmp", L"bb.TMP", L"x\u0e01.tmp", L"xa.tmp"}) {
    test::WriteFileBytes(dir / name, {1});
  }
  // "ก" is not in code page 932, nor near anything there: a name read back from it holds a "?".
  const std::wstring spoilt = FromShiftJis(ToShiftJis(dir / L"x\u0e01.tmp"));
  ASSERT_NE(spoilt.find(L'?'), std::wstring::npos);
  for (const std::wstring& name :
       {dir / L"*.tmp", dir / L"?.tmp", dir / L"*.*", spoilt,
        dir / L"a.tmp" + std::wstring(1, L'\0') + L"x", dir / L"none.tmp"}) {
    EXPECT_FALSE(DeleteExactFile(name)) << name;
  }
  EXPECT_EQ(fs::ListFolder(dir.path()).size(), 4u) << "nothing was deleted";
  EXPECT_TRUE(DeleteExactFile(dir / L"a.tmp"));
  EXPECT_FALSE(fs::FileExists(dir / L"a.tmp"));
  EXPECT_TRUE(fs::FileExists(dir / L"xa.tmp"));
}

}  // namespace
}  // namespace vx

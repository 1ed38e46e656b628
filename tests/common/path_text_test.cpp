#include "common/path_text.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(PathText, FolderMarksAreAddedAndTakenOffOnce) {
  EXPECT_EQ(WithFolderMark(L"C:\\a"), L"C:\\a\\");
  EXPECT_EQ(WithFolderMark(L"C:\\a\\"), L"C:\\a\\");
  EXPECT_EQ(WithFolderMark(L""), L"\\");
  EXPECT_EQ(WithoutFolderMark(L"C:\\a\\\\"), L"C:\\a\\");
  EXPECT_EQ(WithoutFolderMark(L"C:\\a"), L"C:\\a");
  EXPECT_EQ(WithoutFolderMark(L""), L"");
}

TEST(PathText, FileNameAndFolderSplitAtTheLastMark) {
  const struct {
    const wchar_t* path;
    const wchar_t* name;
    const wchar_t* folder;
  } cases[] = {
      {L"C:\\a\\b.txt", L"b.txt", L"C:\\a\\"},
      {L"b.txt", L"b.txt", L""},
      {L"C:\\a\\", L"", L"C:\\a\\"},
      {L"", L"", L""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileNamePart(c.path), c.name) << c.path;
    EXPECT_EQ(FolderPart(c.path), c.folder) << c.path;
    EXPECT_EQ(FolderPart(c.path) + FileNamePart(c.path), c.path) << "the two parts make the path";
  }
}

TEST(PathText, TheExtensionStartsAfterTheLastDotInLowerCase) {
  EXPECT_EQ(LowerCaseExtension(L"Archive.Tar.GZ"), L"gz");
  EXPECT_EQ(LowerCaseExtension(L"ＤＡＴＡ.ＢＩＮ"), L"ｂｉｎ");
  EXPECT_EQ(LowerCaseExtension(L"README"), L"");
  EXPECT_EQ(LowerCaseExtension(L"name."), L"");
}

}  // namespace
}  // namespace vx

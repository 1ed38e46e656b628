// What the uninstaller takes from the record and the list of copied files.
#include "uninstall/removal_rules.h"

#include <gtest/gtest.h>

namespace vx::uninstall {
namespace {

using Names = std::vector<std::wstring>;

TEST(FilesInsideFolder, KeepsOnlyFilesOfTheInstallFolder) {
  const std::wstring folder = L"C:\\Program Files\\Morvane Soft\\Vantelox\\";
  const Names listed = {
      folder + L"Vantelox.exe",
      folder + L"Vanteloxヘルプ\\top.htm",
      L"c:\\PROGRAM FILES\\morvane soft\\vantelox\\Readme.txt",
      L"C:\\Windows\\system32\\kernel32.dll",
      L"C:\\Program Files\\Morvane Soft\\VanteloxOld\\keep.txt",
      folder + L"..\\..\\..\\Windows\\win.ini",
      folder + L"*.*",
      folder + L"sub\\?.txt",
      folder,
      L"C:\\Program Files\\Morvane Soft\\Vantelox",
      L"Vantelox.exe",
      L"",
  };
  EXPECT_EQ(FilesInsideFolder(folder, listed), (Names{listed[0], listed[1], listed[2]}));
  EXPECT_EQ(FilesInsideFolder(L"C:\\Program Files\\Morvane Soft\\Vantelox", listed),
            (Names{listed[0], listed[1], listed[2]}));
  // No recorded folder, or one not named from a root: nothing at all.
  EXPECT_TRUE(FilesInsideFolder(L"", listed).empty());
  EXPECT_TRUE(FilesInsideFolder(L"Vantelox\\", {L"Vantelox\\a.txt"}).empty());
  EXPECT_TRUE(FilesInsideFolder(L"\\Vantelox\\", {L"\\Vantelox\\a.txt"}).empty());
}

TEST(IsAbsoluteFolder, WantsADriveRootOrAShare) {
  for (const wchar_t* yes : {L"C:\\", L"d:\\x\\", L"\\\\server\\share\\x\\"}) {
    EXPECT_TRUE(IsAbsoluteFolder(yes)) << yes;
  }
  for (const wchar_t* no : {L"", L"C:", L"C:x\\", L"\\x\\", L"x\\", L"1:\\"}) {
    EXPECT_FALSE(IsAbsoluteFolder(no)) << no;
  }
}

TEST(ResultMessages, ReportSuccessOrTheListThenTheSummary) {
  EXPECT_EQ(ResultMessages({L""}), (Names{L"アンインストールは正常に終了しました。"}));
  const Names messages = ResultMessages({L"", L"a", L"b"});
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], L"\r\na\r\nb");
  EXPECT_EQ(messages[1],
            L"いくつかの項目が削除できませんでした。\r\n"
            L"すでに削除されているか、使用中の可能性があります。\r\n"
            L"削除できなかった項目は手動で削除してください。");
}

}  // namespace
}  // namespace vx::uninstall

// What the uninstaller takes from the record and the list of copied files.
#include "uninstall/removal_rules.h"

#include <gtest/gtest.h>

namespace vx::uninstall {
namespace {

using Names = std::vector<std::wstring>;

TEST(RemovableListedFiles, KeepOnlyPlainFilesOfTheInstallFolderOnce) {
  const std::wstring folder = L"C:\\Program Files\\Morvane Soft\\Vantelox\\";
  const Names listed = {
      folder + L"Vantelox.exe",
      folder + L"Vanteloxヘルプ\\top.htm",
      L"c:\\PROGRAM FILES\\morvane soft\\vantelox\\Readme.txt",
      L"C:\\Program Files\\Morvane Soft\\Vantelox\\vantelox.EXE",  // listed twice
      L"C:\\Windows\\system32\\kernel32.dll",
      L"C:\\Program Files\\Morvane Soft\\VanteloxOld\\keep.txt",
      folder + L"..\\..\\..\\Windows\\win.ini",
      folder + L"*.*",
      folder + L"sub\\?.txt",
      folder + L"x.txt:stream",
      std::wstring(L"C:\\Windows\\win.ini\0", 19) + folder,
      L"\\\\?\\" + folder + L"x",
      folder,
      L"C:\\Program Files\\Morvane Soft\\Vantelox",
      L"Vantelox.exe",
      L"",
  };
  EXPECT_EQ(RemovableListedFiles(folder, listed), (Names{listed[0], listed[1], listed[2]}));
  EXPECT_TRUE(RemovableListedFiles(L"Vantelox\\", {L"Vantelox\\a.txt"}).empty());
  EXPECT_TRUE(RemovableListedFiles(L"\\Vantelox\\", {L"\\Vantelox\\a.txt"}).empty());
}

// Only what the setup put there and what the program keeps beside itself
// goes without asking; a document saved in the folder is named.
TEST(UnlistedFiles, AreThoseNeitherListedNorTheProgramsOwn) {
  const std::wstring folder = L"C:\\Apps\\Vantelox\\";
  FolderSurvey survey;
  survey.files = {
      folder + L"Vantelox.exe",
      folder + L"UNINSTALLDATA.DAT",
      folder + L"VXSetting\\Setting.dat",
      folder + L"VXSetting\\sub\\fonts.dat",
      folder + L"Vanteloxヘルプ\\top.htm",
      folder + L"thesis.txt",
      folder + L"Vanteloxヘルプ\\notes.txt",
      folder + L"VXSetting.txt",
      folder + L"VXSetting\\Recovery12-1.old",
      folder + L"VXSetting\\Recovery12-1.txt",
  };
  const Names listed = {L"c:\\apps\\vantelox\\VANTELOX.EXE", folder + L"Vanteloxヘルプ\\top.htm"};
  EXPECT_EQ(UnlistedFiles(folder, survey, listed),
            (Names{survey.files[5], survey.files[6], survey.files[7], survey.files[8],
                   survey.files[9]}));
  EXPECT_EQ(UnlistedFiles(folder, survey, {}).size(), 7u);
}

TEST(UnlistedQuestion, NamesEachFileOnItsOwnLine) {
  const std::wstring text = UnlistedQuestion({L"C:\\A\\x.txt", L"C:\\A\\y.txt"});
  EXPECT_NE(text.find(L"\r\nC:\\A\\x.txt\r\nC:\\A\\y.txt\r\n"), std::wstring::npos) << text;
}

TEST(JudgeShortcut, DeletesOnlyTheProgramsOwnShortcut) {
  const std::wstring program = L"C:\\Apps\\Vantelox\\Vantelox.exe";
  const std::wstring link = L"C:\\Users\\a\\Desktop\\Vantelox.lnk";
  const struct {
    std::wstring value;
    bool exists;
    std::wstring target;
    ShortcutAction action;
  } cases[] = {
      {L"", false, L"", ShortcutAction::None},
      {std::wstring(1, L'\0'), false, L"", ShortcutAction::None},
      {link, true, program, ShortcutAction::Delete},
      {link, false, L"", ShortcutAction::Missing},
      {link, true, L"C:\\Windows\\notepad.exe", ShortcutAction::Refuse},
      {L"C:\\keep\\x.txt", true, L"", ShortcutAction::Refuse},
      {L"C:\\Windows\\win.ini", true, L"", ShortcutAction::Refuse},
      {L"C:\\keep\\*.*", false, L"", ShortcutAction::Refuse},
      {L"C:\\Windows\\*.ini", false, L"", ShortcutAction::Refuse},
      {L"..\\Desktop\\Vantelox.lnk", true, program, ShortcutAction::Refuse},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JudgeShortcut(c.value, c.exists, c.target, program), c.action) << c.value;
  }
}

TEST(MakerFolderAbove, IsTheFolderAboveOnlyWhenTheMakerNamesIt) {
  const struct {
    const wchar_t* folder;
    const wchar_t* maker;
  } cases[] = {
      {L"C:\\Program Files\\Morvane Soft\\Vantelox\\", L"C:\\Program Files\\Morvane Soft\\"},
      {L"C:\\Program Files\\MORVANE SOFT\\Vantelox", L"C:\\Program Files\\MORVANE SOFT\\"},
      {L"D:\\Morvane Soft\\Vantelox\\", L"D:\\Morvane Soft\\"},
      {L"C:\\Apps\\Vantelox\\", L""},
      {L"C:\\Morvane Softer\\Vantelox\\", L""},
      {L"C:\\Vantelox\\", L""},
      {L"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(MakerFolderAbove(c.folder), c.maker) << c.folder;
}

TEST(ResultMessages, ReportSuccessOrTheListThenTheSummary) {
  EXPECT_EQ(ResultMessages({}), (Names{L"アンインストールは正常に終了しました。"}));
  const Names messages = ResultMessages({L"a", L"b"});
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], L"\r\na\r\nb");
  EXPECT_EQ(messages[1],
            L"いくつかの項目が削除できませんでした。\r\n"
            L"すでに削除されているか、使用中の可能性があります。\r\n"
            L"削除できなかった項目は手動で削除してください。");
}

}  // namespace
}  // namespace vx::uninstall

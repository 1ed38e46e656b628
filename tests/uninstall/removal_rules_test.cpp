// What the uninstaller takes from the record and the list of copied files.
#include "uninstall/removal_rules.h"

#include <gtest/gtest.h>

#include "common/installer/own_entries.h"

namespace vx::uninstall {
namespace {

using Names = std::vector<std::wstring>;

TEST(ListedInside, KeepsOnlyPlainNamesInsideTheInstallFolderOnce) {
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
  EXPECT_EQ(ListedInside(folder, listed),
            (Names{L"Vantelox.exe", L"Vanteloxヘルプ\\top.htm", L"Readme.txt"}));
  EXPECT_TRUE(ListedInside(L"Vantelox\\", {L"Vantelox\\a.txt"}).empty());
  EXPECT_TRUE(ListedInside(L"\\Vantelox\\", {L"\\Vantelox\\a.txt"}).empty());
}

// Only what the setup puts there and what the program keeps beside itself
// is its own: everything else, a listed name of the person's included, is
// named and asked about.
TEST(IsOwnInstallEntry, IsWhatTheSetupAndTheProgramMakeThere) {
  using installed_names::IsOwnInstallEntry;
  const Names listed = {L"VANTELOX.EXE", L"Vanteloxヘルプ\\top.htm", L"thesis.txt"};
  const struct {
    const wchar_t* relative;
    bool own;          // with the list whole
    bool own_no_list;  // with the list lost
  } cases[] = {
      {L"Vantelox.exe", true, true},
      {L"UNINSTALLDATA.DAT", true, true},
      {L"Vanteloxヘルプ\\top.htm", true, true},
      {L"Vanteloxヘルプ\\undo.htm", false, true},  // not listed
      {L"thesis.txt", false, false},               // listed, but no file of the setup's
      {L"Vantelox.exe.VXNew", true, true},
      {L"Vanteloxヘルプ\\top.htm.vxold", true, true},
      {L"thesis.txt.VXOld", false, false},
      {L"Vantelox.exe.VXOld.txt", false, false},
      {L"VXSetting\\Setting.dat", true, true},
      {L"VXSetting\\FontData.dat", true, true},
      {L"VXSetting\\Dummy.dat", true, true},
      {L"VXSetting\\ViewSetting.ini", true, true},
      {L"VXSetting\\Bookmarks.dat", true, true},
      // What a write cut short by a power cut leaves beside a file written whole.
      {L"VXSetting\\Setting.dat.tmp", true, true},
      {L"VXSetting\\bookmarks.DAT.TMP", true, true},
      {L"UnInstallData.Dat.tmp", true, true},
      {L"VXSetting\\mynotes.txt.tmp", false, false},
      {L"VXSetting\\Setting.dat.tmp.txt", false, false},
      {L"thesis.txt.tmp", false, false},
      {L"VXSetting\\Journal12-1.dat", true, true},
      {L"VXSetting\\Recovery12-1.dat", true, true},
      {L"VXSetting\\Recovery12-1.old", false, false},  // set aside: a person's bytes
      {L"VXSetting\\Recovery12-1.txt", false, false},
      {L"VXSetting\\mynotes.txt", false, false},
      {L"VXSetting\\backup\\Setting.dat", false, false},
      {L"VXSetting\\", true, true},
      {L"Vanteloxヘルプ\\", true, true},
      {L"VXSetting\\backup\\", false, false},
      {L"photos\\", false, false},
      {L"Setting.dat", false, false},
      {L"VXSetting.txt", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsOwnInstallEntry(c.relative, listed, true), c.own) << c.relative;
    EXPECT_EQ(IsOwnInstallEntry(c.relative, {}, false), c.own_no_list) << c.relative;
  }
}

TEST(UnlistedQuestion, NamesEachFileOnItsOwnLine) {
  const std::wstring text = UnlistedQuestion({L"C:\\A\\x.txt", L"C:\\A\\y.txt"});
  EXPECT_NE(text.find(L"\r\nC:\\A\\x.txt\r\nC:\\A\\y.txt\r\n"), std::wstring::npos) << text;
}

// Only the setup's own name in its own place, a plain file that leads to
// the program; one already gone is nothing to do.
TEST(JudgeShortcut, DeletesOnlyTheProgramsOwnShortcut) {
  const std::wstring program = L"C:\\Apps\\Vantelox\\Vantelox.exe";
  const std::wstring link = L"C:\\Users\\a\\Desktop\\Vantelox.lnk";
  const ShortcutFacts own{true, true, program};
  const struct {
    std::wstring value;
    ShortcutFacts facts;
    ShortcutAction action;
  } cases[] = {
      {L"", {}, ShortcutAction::None},
      {std::wstring(1, L'\0'), {}, ShortcutAction::None},
      {link, own, ShortcutAction::Delete},
      {L"c:\\users\\A\\desktop\\VANTELOX.LNK", own, ShortcutAction::Delete},
      {link, {}, ShortcutAction::Missing},
      {link, {true, true, L"C:\\Windows\\notepad.exe"}, ShortcutAction::Refuse},
      {link, {true, false, program}, ShortcutAction::Refuse},  // a link, or a second name
      {L"C:\\Users\\a\\Desktop\\Mine.lnk", own, ShortcutAction::Refuse},
      {L"C:\\Users\\a\\Documents\\Vantelox.lnk", own, ShortcutAction::Refuse},
      {L"C:\\keep\\x.txt", {true, true, L""}, ShortcutAction::Refuse},
      {L"C:\\keep\\*.*", {}, ShortcutAction::Refuse},
      {L"..\\Desktop\\Vantelox.lnk", own, ShortcutAction::Refuse},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JudgeShortcut(c.value, link, c.facts, program), c.action) << c.value;
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

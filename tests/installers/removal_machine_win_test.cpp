// The setup and the uninstaller, tried as a hostile user would: tampered
// record values written with reg.exe and the registry, a setup started from
// a folder of a person's own files, a running program, a reinstall.
// Whatever the record says, only what the setup installed goes.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "common/environment.h"
#include "common/file_operations.h"
#include "common/file_seam.h"
#include "common/installer/special_folder_win.h"
#include "common/path_text.h"
#include "common/shell_link.h"
#include "common/text_case.h"
#include "common/ui/controls_win.h"
#include "common/uninstall_data.h"
#include "setup/distribution.h"
#include "uninstall/recycle_bin_win.h"
#include "tests/installers/installer_machine_win.h"
#include "tests/installers/installer_runs_win.h"
#include "tests/installers/removal_fixture_win.h"
#include "tests/support/program_driver_win.h"
#include "tests/support/registry_view_win.h"

namespace vx::test {
namespace {

// The install folder as recorded: anything else named there, however it is
// written, is left untouched and named; the run ends in the summary.
TEST_F(RemovalMachineTest, ATamperedInstallFolderIsLeftAndNamed) {
  Install(MakeSetupFolder(), {false, false});
  Keepsake keep{L"C:\\vxkeep\\", {L"letter.txt", L"data\\sub\\table.csv"}};
  keep.Make();
  // A setup folder as the download left it: the distribution and more.
  const std::wstring setup = MakeSetupFolder();
  Keepsake downloads{setup, {L"photo.jpg"}};
  downloads.Make();
  const std::wstring installed = DefaultInstallFolder();
  const Texts install_files = FolderContents(installed);
  const std::wstring maker = FolderPart(WithoutFolderMark(installed));
  const struct {
    std::wstring value;
    bool raw;  // written through the registry, NUL and all
    std::wstring named;
  } cases[] = {
      {keep.folder, false, keep.folder},
      {keep.folder + L"data\\", false, keep.folder + L"data\\"},
      {installed + L"..\\..\\..\\vxkeep\\", false, installed + L"..\\..\\..\\vxkeep\\"},
      {setup, false, setup},
      {maker, false, maker},
      {L"\\\\?\\C:\\vxkeep\\", false, L"\\\\?\\C:\\vxkeep\\"},
      {L"C:vxkeep\\", false, L"C:vxkeep\\"},
      {std::wstring(L"C:\\\0", 4) + installed, true, L"C:\\"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.named);
    if (c.raw) {
      RegSetRaw(L"InstallDir", c.value);
    } else {
      RegAdd(L"InstallDir", c.value);
    }
    const Texts said = Uninstall();
    ASSERT_GE(said.size(), 4u);
    EXPECT_TRUE(Holds(said[2], L"インストールフォルダ「" + c.named + L"」")) << said[2];
    EXPECT_EQ(said.back(), kSomeLeft);
    keep.ExpectWhole();
    downloads.ExpectWhole();
    EXPECT_TRUE(fs::FileExists(setup + L"Vantelox.exe"));
    EXPECT_EQ(FolderContents(installed), install_files) << "the real install stays";
  }
  // Only the product's menu folder went into the recycle bin.
  for (const std::wstring& name : FolderContents(TrashFiles())) {
    EXPECT_TRUE(name.starts_with(L"Vantelox")) << name;
  }
  // Recorded truly again, it goes (the other values are long gone).
  RegAdd(L"InstallDir", installed);
  const Texts said = Uninstall();
  ASSERT_GE(said.size(), 3u);
  EXPECT_FALSE(Holds(said[2], L"インストールフォルダ「")) << said[2];
  EXPECT_FALSE(fs::FolderExists(installed));
  RemoveTree(keep.folder);
}

// The install folder and the shortcuts recorded in their short spelling
// are the same files as the system reads them: they go, and the record
// with them.
TEST_F(RemovalMachineTest, AShortSpellingOfTheInstallIsTheInstall) {
  Install(MakeSetupFolder(), {true, false});
  const auto short_name = [](const std::wstring& name) {
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetShortPathNameW(name.c_str(), buffer, MAX_PATH);
    return std::wstring(buffer, length < MAX_PATH ? length : 0);
  };
  const std::wstring installed = short_name(DefaultInstallFolder());
  ASSERT_FALSE(installed.empty());
  ASSERT_NE(LowerCase(installed), LowerCase(DefaultInstallFolder())) << "a short spelling";
  RegAdd(L"InstallDir", installed);
  RegAdd(L"DeskTopShortCutFileName", short_name(DesktopShortcut()));
  EXPECT_EQ(Uninstall().back(), kUninstalled);
  EXPECT_FALSE(fs::FolderExists(DefaultInstallFolder()));
  EXPECT_FALSE(fs::FileExists(DesktopShortcut()));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kRecordKey));
}

// A refused install folder keeps the record, and the entry that starts the
// uninstaller, so that the uninstall can be run again.
TEST_F(RemovalMachineTest, TheRecordStaysWhileWhatItNamesStays) {
  Install(MakeSetupFolder(), {false, false});
  Keepsake keep{L"C:\\vxkeep\\", {L"letter.txt"}};
  keep.Make();
  RegAdd(L"InstallDir", keep.folder);
  const Texts said = Uninstall();
  ASSERT_GE(said.size(), 4u);
  EXPECT_TRUE(Holds(said[2], L"インストール情報は残しました")) << said[2];
  EXPECT_EQ(RegQueryValues(kRecordKeyPath).size(), 4u);
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kProgramEntryKey));
  EXPECT_TRUE(fs::FileExists(InstalledUninstaller()));
  keep.ExpectWhole();
  RemoveTree(keep.folder);
}

// Shortcut values naming other files, patterns or another program's
// shortcut delete nothing; the program's own shortcuts do go.
TEST_F(RemovalMachineTest, OnlyTheProgramsOwnShortcutsGo) {
  Keepsake keep{L"C:\\vxkeep\\", {L"x.txt", L"a.ini", L"b.dat"}};
  keep.Make();
  const std::wstring windows = WithFolderMark(GetEnvironmentText(L"WINDIR"));
  const std::vector<uint8_t> win_ini = ReadFileBytes(windows + L"win.ini");
  ASSERT_FALSE(win_ini.empty());
  const std::wstring other_link = SpecialFolderPath(nullptr, kDesktopFolderId) + L"Notepad.lnk";
  ASSERT_TRUE(WriteShellLink(other_link, windows + L"notepad.exe"));
  Install(MakeSetupFolder(), {true, true});
  const std::wstring installed = DefaultInstallFolder();
  const struct {
    std::wstring desktop, send_to;
  } cases[] = {
      {keep.folder + L"x.txt", windows + L"win.ini"},
      {windows + L"*.ini", keep.folder + L"*.*"},
      {other_link, keep.folder + L"?.ini"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.desktop);
    RegAdd(L"InstallDir", installed);
    RegAdd(L"DeskTopShortCutFileName", c.desktop);
    RegAdd(L"RightOn", c.send_to);
    const Texts said = Uninstall();
    ASSERT_GE(said.size(), 4u);
    for (const std::wstring& named : {c.desktop, c.send_to}) {
      EXPECT_TRUE(Holds(said[2], L"「" + named + L"」はVanteloxのショートカットではない"))
          << said[2];
    }
    EXPECT_EQ(said.back(), kSomeLeft);
    keep.ExpectWhole();
    EXPECT_EQ(ReadFileBytes(windows + L"win.ini"), win_ini);
    EXPECT_TRUE(fs::FileExists(other_link));
  }
  fs::RemoveFile(other_link);
  RemoveTree(keep.folder);

  // The true values: both shortcuts lead to the program and go.
  Install(MakeSetupFolder(), {true, true});
  EXPECT_EQ(Uninstall().back(), kUninstalled);
  EXPECT_FALSE(fs::FileExists(DesktopShortcut()));
  EXPECT_FALSE(fs::FileExists(SendToShortcut()));
}

// Started from a downloads folder, the setup takes its own files only.
TEST_F(RemovalMachineTest, ASetupFolderOfAPersonsFilesLosesNothing) {
  const std::wstring setup = MakeSetupFolder();
  Keepsake own{setup, {L"letter.docx", L"OtherSetup.exe", L"photos\\2026\\a.jpg"}};
  own.Make();
  Install(setup, {false, false});
  own.ExpectWhole();
  const std::wstring installed = DefaultInstallFolder();
  EXPECT_EQ(FolderContents(installed),
            (Texts{L"UnInstallData.Dat", L"Vantelox.exe", L"Vanteloxヘルプ\\"}));
  const UninstallData list = ReadUninstallData(installed + L"UnInstallData.Dat");
  EXPECT_EQ(list.paths.size(), setup::DistributionFiles().size());
  for (const std::wstring& path : list.paths) {
    EXPECT_TRUE(LowerCase(path).starts_with(LowerCase(installed))) << path;
  }
  EXPECT_EQ(FolderContents(setup), (Texts{L"OtherSetup.exe", L"letter.docx", L"photos\\"}));
  EXPECT_EQ(Uninstall().back(), kUninstalled);
  own.ExpectWhole();
}

// A running program is found before anything is removed: stopping changes
// nothing, retrying once it has closed removes everything; the user's own
// settings folder goes with it, its parents only when empty.
TEST_F(RemovalMachineTest, ARunningProgramStopsTheUninstallBeforeItChangesAnything) {
  const std::wstring appdata = SpecialFolderPath(nullptr, kAppDataFolderId);
  Keepsake settings{appdata + L"Morvane Soft\\Vantelox\\VXSetting\\", {L"Setting.dat"}};
  settings.Make();
  Keepsake sibling{appdata + L"Morvane Soft\\Other\\", {L"keep.dat"}};
  sibling.Make();
  Install(MakeSetupFolder(), {true, false});
  const std::wstring installed = DefaultInstallFolder();
  const std::wstring program = installed + L"Vantelox.exe";
  const Texts listed = ReadUninstallData(installed + L"UnInstallData.Dat").paths;
  // A read-only file is not in use: it must not hold the run up.
  const std::wstring read_only = installed + setup::DistributionFiles().back();
  ASSERT_TRUE(SetFileAttributesW(read_only.c_str(), FILE_ATTRIBUTE_READONLY));
  Handle running = StartProgram(L"\"" + program + L"\"");
  ASSERT_TRUE(running);
  ASSERT_TRUE(Eventually([&] { return !fs::CanRemoveFile(program); }, kProgramPatienceMs));

  on_message = [](const MessageRequest& request) {
    return Holds(request.text, L"使用中") ? MsgAnswer::No : MsgAnswer::Yes;
  };
  Texts said = Uninstall();
  ASSERT_EQ(said.size(), 4u);
  EXPECT_TRUE(Holds(said[2], program)) << said[2];
  EXPECT_FALSE(Holds(said[2], read_only)) << said[2];
  EXPECT_EQ(said[3], L"アンインストールを中止しました。何も削除していません。");
  for (const std::wstring& file : listed) EXPECT_TRUE(fs::FileExists(file)) << file;
  EXPECT_TRUE(fs::FileExists(installed + L"UnInstallData.Dat"));
  EXPECT_EQ(RegQueryValues(kRecordKeyPath).size(), 4u);
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kProgramEntryKey));
  EXPECT_TRUE(fs::FileExists(DesktopShortcut()));
  EXPECT_EQ(FolderContents(ProgramMenuMakerFolder() + L"Vantelox\\").size(), 3u);
  settings.ExpectWhole();
  // Writable again, so that the trash the folder goes to can be emptied for
  // the next test.
  SetFileAttributesW(read_only.c_str(), FILE_ATTRIBUTE_NORMAL);

  // Closed while the question waits, then retried: the run finishes.
  on_message = [&](const MessageRequest& request) {
    if (Holds(request.text, L"使用中")) {
      TerminateProcess(running.get(), 0);
      WaitForEnd(running.get());
    }
    return MsgAnswer::Yes;
  };
  said = Uninstall();
  EXPECT_EQ(said.back(), kUninstalled);
  EXPECT_FALSE(fs::FolderExists(installed));
  EXPECT_FALSE(fs::FileExists(DesktopShortcut()));
  EXPECT_FALSE(fs::FolderExists(appdata + L"Morvane Soft\\Vantelox\\"));
  sibling.ExpectWhole();
  RemoveTree(appdata + L"Morvane Soft\\");
}

// Links a person placed in the install folder, its help folder and both
// settings folders lead to the person's own files, and so does a listed
// file replaced by a link: those files stay whole. A link goes as a link
// where the system can remove one as itself; where it cannot (Wine), it
// stays and is named, or its folder is.
TEST_F(RemovalMachineTest, LinksAreNeverFollowed) {
  Install(MakeSetupFolder(), {false, false});
  const std::wstring installed = DefaultInstallFolder();
  const std::wstring help = installed + L"Vanteloxヘルプ\\";
  const std::wstring appdata = SpecialFolderPath(nullptr, kAppDataFolderId);
  const std::wstring user_settings = appdata + L"Morvane Soft\\Vantelox\\VXSetting\\";
  Keepsake keep{L"C:\\vxkeep\\",
                {L"photos\\a.jpg", L"budget.xls", L"dotfile", L"notes\\n.txt", L"page.htm"}};
  keep.Make();
  ASSERT_TRUE(MakeFolders(user_settings));
  ASSERT_TRUE(MakeFolders(installed + L"VXSetting\\"));
  ASSERT_TRUE(fs::RemoveFile(help + L"Top.htm"));
  const struct {
    std::wstring link, target;
  } links[] = {
      {installed + L"photos", keep.folder + L"photos"},
      {help + L"budget.xls", keep.folder + L"budget.xls"},
      {help + L"Top.htm", keep.folder + L"page.htm"},
      {installed + L"VXSetting\\notes", keep.folder + L"notes"},
      {installed + L"VXSetting\\Setting.dat", keep.folder + L"dotfile"},
      {user_settings + L"Setting.dat", keep.folder + L"dotfile"},
      {user_settings + L"notes", keep.folder + L"notes"},
  };
  for (const auto& l : links) MakePosixLink(l.target, l.link);
  // Yes to everything, the unlisted files included: a link is never one
  // the recycle bin takes.
  on_message = [](const MessageRequest&) { return MsgAnswer::Yes; };
  const Texts said = Uninstall();
  keep.ExpectWhole();
  ASSERT_GE(said.size(), 3u);
  for (const auto& l : links) {
    if (fs::FileExists(l.link) || fs::FolderExists(l.link)) {
      EXPECT_TRUE(Holds(said[2], FolderPart(l.link))) << l.link << said[2];
      RemovePosixLink(l.link);
    }
  }
  keep.ExpectWhole();
  RemoveTree(keep.folder);
  RemoveTree(appdata + L"Morvane Soft\\");
}

// A document saved in the install folder is named in the second question
// and kept unless the person agrees; then it goes into the recycle bin,
// or, where the bin cannot take it, stays and is named: never deleted for
// good. The installed files go either way.
TEST_F(RemovalMachineTest, ADocumentInTheInstallFolderIsKeptUnlessAgreed) {
  const struct {
    MsgAnswer answer;
    bool bin_takes;
    bool kept;
    const wchar_t* result;
  } cases[] = {
      {MsgAnswer::No, true, true, kUninstalled},
      {MsgAnswer::Yes, false, true, kSomeLeft},
      {MsgAnswer::Yes, true, false, kUninstalled},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.answer) * 2 + c.bin_takes);
    Install(MakeSetupFolder(), {false, false});
    const std::wstring installed = DefaultInstallFolder();
    Keepsake own{installed, {L"thesis.txt", L"Vanteloxヘルプ\\memo.txt"}};
    own.Make();
    uninstall::SetRecycleBinCheck([&](const std::wstring&) { return c.bin_takes; });
    on_message = [&](const MessageRequest& request) {
      return request.buttons == MsgButtons::YesNoCancel ? c.answer : MsgAnswer::Yes;
    };
    const Texts said = Uninstall();
    uninstall::SetRecycleBinCheck({});
    ASSERT_GE(said.size(), 3u);
    for (const std::wstring& file : own.files) {
      EXPECT_TRUE(Holds(said[1], installed + file)) << said[1];
    }
    EXPECT_EQ(said.back(), c.result);
    EXPECT_FALSE(fs::FileExists(installed + L"Vantelox.exe"));
    EXPECT_FALSE(fs::FileExists(installed + L"Vanteloxヘルプ\\Top.htm"));
    if (c.kept) {
      own.ExpectWhole();
      if (c.answer == MsgAnswer::Yes) {
        EXPECT_TRUE(Holds(said[2], installed + L"thesis.txt")) << said[2];
      }
      RemoveTree(ProgramFilesMakerFolder());
    } else {
      EXPECT_FALSE(fs::FolderExists(installed));
      const Texts trash = FolderContents(TrashFiles());
      EXPECT_NE(std::find(trash.begin(), trash.end(), L"thesis.txt"), trash.end());
    }
  }
  // Cancel leaves everything as it was.
  Install(MakeSetupFolder(), {false, false});
  Keepsake own{DefaultInstallFolder(), {L"thesis.txt"}};
  own.Make();
  on_message = [](const MessageRequest& request) {
    return request.buttons == MsgButtons::YesNoCancel ? MsgAnswer::Cancel : MsgAnswer::Yes;
  };
  EXPECT_EQ(Uninstall().size(), 2u);
  own.ExpectWhole();
  EXPECT_TRUE(fs::FileExists(DefaultInstallFolder() + L"Vantelox.exe"));
  EXPECT_EQ(RegQueryValues(kRecordKeyPath).size(), 4u);
}

// A recovery record, beside the program or in the user's settings, holds
// an edit that the next start of Vantelox repairs: the uninstall stops at
// once with nothing changed and says so. Once repaired, it runs.
TEST_F(RemovalMachineTest, APendingRepairStopsTheUninstallWithNothingChanged) {
  Install(MakeSetupFolder(), {true, false});
  const std::wstring installed = DefaultInstallFolder();
  const std::wstring appdata = SpecialFolderPath(nullptr, kAppDataFolderId);
  for (const std::wstring& folder :
       {installed + L"VXSetting\\", appdata + L"Morvane Soft\\Vantelox\\VXSetting\\"}) {
    SCOPED_TRACE(folder);
    Keepsake record{folder, {L"Recovery12-1.dat"}};
    record.Make();
    const Texts said = Uninstall();
    ASSERT_EQ(said.size(), 2u);
    EXPECT_TRUE(Holds(said[1], L"一度Vanteloxを起動して")) << said[1];
    record.ExpectWhole();
    EXPECT_TRUE(fs::FileExists(installed + L"Vantelox.exe"));
    EXPECT_TRUE(fs::FileExists(DesktopShortcut()));
    EXPECT_EQ(RegQueryValues(kRecordKeyPath).size(), 4u);
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kProgramEntryKey));
    ASSERT_TRUE(fs::RemoveFile(folder + record.files[0]));
  }
  // A record set aside holds bytes on their way: it is the person's, named
  // in the second question and kept.
  Keepsake set_aside{appdata + L"Morvane Soft\\Vantelox\\VXSetting\\", {L"Recovery12-1.old"}};
  set_aside.Make();
  on_message = [](const MessageRequest& request) {
    return request.buttons == MsgButtons::YesNoCancel ? MsgAnswer::No : MsgAnswer::Yes;
  };
  const Texts said = Uninstall();
  ASSERT_EQ(said.size(), 3u);
  EXPECT_TRUE(Holds(said[1], set_aside.folder + set_aside.files[0])) << said[1];
  EXPECT_EQ(said.back(), kUninstalled);
  set_aside.ExpectWhole();
  EXPECT_FALSE(fs::FolderExists(installed));
  RemoveTree(appdata + L"Morvane Soft\\");
}

// The maker's folders in the program files and in the program menu go with
// the product only when nothing else of the maker's is left in them.
TEST_F(RemovalMachineTest, TheMakersFoldersStayWhileTheyHoldAnything) {
  Install(MakeSetupFolder(), {false, false});
  Keepsake programs{ProgramFilesMakerFolder(), {L"Other\\other.exe"}};
  programs.Make();
  Keepsake menu{ProgramMenuMakerFolder(), {L"Other.txt"}};
  menu.Make();
  EXPECT_EQ(Uninstall().back(), kUninstalled);
  EXPECT_FALSE(fs::FolderExists(DefaultInstallFolder()));
  EXPECT_FALSE(fs::FolderExists(ProgramMenuMakerFolder() + L"Vantelox\\"));
  programs.ExpectWhole();
  menu.ExpectWhole();
  EXPECT_EQ(FolderContents(ProgramFilesMakerFolder()), Texts{L"Other\\"});
  EXPECT_EQ(FolderContents(ProgramMenuMakerFolder()), Texts{L"Other.txt"});
}

// One install at a time: the same folder is replaced and drops the
// shortcuts no longer wanted; another folder is refused by name.
TEST_F(RemovalMachineTest, ReinstallingKeepsOneInstall) {
  Install(MakeSetupFolder(), {true, true});
  ASSERT_TRUE(fs::FileExists(DesktopShortcut()));
  Install(MakeSetupFolder(), {false, false});
  EXPECT_FALSE(fs::FileExists(DesktopShortcut()));
  EXPECT_FALSE(fs::FileExists(SendToShortcut()));
  auto record = RegQueryValues(kRecordKeyPath);
  EXPECT_EQ(record[L"DeskTopShortCutFileName"], L"");
  EXPECT_EQ(record[L"RightOn"], L"");

  {
    const WizardRun wizard(registry, MakeSetupFolder());
    browser_answer = scratch / L"Elsewhere";
    wizard.No();
    shown.clear();
    wizard.Yes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0],
              L"Vanteloxは「" + DefaultInstallFolder() +
                  L"」にインストールされています。\r\n"
                  L"別のフォルダにインストールするには、先にアンインストールしてください。");
    EXPECT_EQ(ControlText(wizard.view().folder_text()), scratch / L"Elsewhere\\Vantelox\\")
        << "still on page 1";
    on_message = [](const MessageRequest&) { return MsgAnswer::Yes; };
    wizard.Abort();
  }
  EXPECT_EQ(Uninstall().back(), kUninstalled);
  EXPECT_FALSE(fs::FolderExists(DefaultInstallFolder()));
  EXPECT_FALSE(fs::FolderExists(scratch / L"Elsewhere\\"));
}

// A folder of a person's own, chosen in the browser, is refused on the
// first page with its name: nothing is installed into it.
TEST_F(RemovalMachineTest, APersonsFolderIsNeverMadeTheInstallFolder) {
  Keepsake thesis{scratch / L"work\\vantelox\\", {L"thesis.txt"}};
  thesis.Make();
  {
    const WizardRun wizard(registry, MakeSetupFolder());
    browser_answer = scratch / L"work\\vantelox";
    wizard.No();
    shown.clear();
    wizard.Yes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].starts_with(L"「" + thesis.folder + L"」には、")) << shown[0];
    EXPECT_EQ(ControlText(wizard.view().folder_text()), thesis.folder) << "still on page 1";
    on_message = [](const MessageRequest&) { return MsgAnswer::Yes; };
    wizard.Abort();
  }
  EXPECT_EQ(FolderContents(thesis.folder), Texts{L"thesis.txt"});
  thesis.ExpectWhole();
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kRecordKey));
}

// The wizard answers the system while a large file is copied: the timer's
// frames go on between the copy's blocks. A copy that kept the queue waiting
// would see at most the one frame due when it began; how many more come
// depends on the machine, so the check asks only for more than that.
TEST_F(RemovalMachineTest, TheWizardAnswersWhileItCopiesALargeFile) {
  const std::wstring setup = MakeSetupFolder();
  std::vector<uint8_t> large = ReadFileBytes(setup + L"Vantelox.exe");
  large.resize(96u << 20);
  WriteFileBytes(setup + L"Vantelox.exe", large);
  int copy_started = -1;
  int copy_ended = -1;
  Install(setup, {false, false}, [&](const std::wstring& status, int frames) {
    if (status == L"ファイルのコピー中") copy_started = frames;
    if (status == L"コピーしたファイルの情報を保存中") copy_ended = frames;
  });
  ASSERT_GE(copy_started, 0);
  EXPECT_GE(copy_ended - copy_started, 2) << "frames drawn while the copy ran";
  EXPECT_EQ(fs::FileLength(DefaultInstallFolder() + L"Vantelox.exe"),
            static_cast<int64_t>(large.size()));
}

}  // namespace
}  // namespace vx::test

// The install steps and the uninstall steps, run through the two windows on
// the machine, checked from outside: files, the registry as reg.exe reads
// it, the installed-programs list, shortcuts resolved back, the trash.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/environment.h"
#include "common/file_copy.h"
#include "common/file_operations.h"
#include "common/file_seam.h"
#include "common/folder_tree.h"
#include "common/install_record.h"
#include "common/install_record_win.h"
#include "common/path_text.h"
#include "common/text_case.h"
#include "common/ui/controls_win.h"
#include "common/uninstall_data.h"
#include "setup/distribution.h"
#include "setup/wizard.h"
#include "tests/installers/installer_machine_win.h"
#include "tests/installers/installer_runs_win.h"
#include "tests/support/current_folder_win.h"
#include "tests/support/registry_view_win.h"
#include "tests/support/shell_link_reader.h"

namespace vx::test {
namespace {

using Texts = std::vector<std::wstring>;

// The install folder is recorded first, so that a setup stopped later is
// found by the uninstaller and by a second setup run.
const Texts kInstallStatuses = {
    L"インストールを開始します。",
    L"レジストリにインストールフォルダを登録中",
    L"アプリケーションの追加と削除に登録中",
    L"ファイルのコピー中",
    L"コピーしたファイルの情報を保存中",
    L"アンインストールフォルダを登録中",
    L"インストール情報１を登録中",
    L"インストール情報２を登録中",
    L"デスクトップにショートカットを作成中",
    L"スタートメニューにショートカットを作成中",
};

const Texts kUninstallStatuses = {
    L"アンインストールを開始します。",
    L"削除するフォルダを検索しています。",
    L"インストール時の情報を取り込んでいます。",
    L"デスクトップのショートカットを削除しています。",
    L"スタートメニューのショートカットを削除しています。",
    L"インストールした全てのファイルを削除しています。",
    L"Vanteloxショートカットフォルダを削除しています。",
    L"Vanteloxフォルダを削除しています。",
    L"Vanteloxフォルダを完全削除しています。",
    L"レジストリのインストール情報を削除しています。",
    L"レジストリのアンインストール情報を削除しています。",
    L"レジストリのインストール時の情報を削除しています。",
    L"アプリケーションの追加と削除の情報を削除しています。",
    L"Vanteloxレジストリを削除しています。",
};

const wchar_t kFirstQuestion[] = L"Vanteloxをアンインストールします。よろしいですか？";
const wchar_t kUninstalled[] = L"アンインストールは正常に終了しました。";
const wchar_t kSomeLeft[] =
    L"いくつかの項目が削除できませんでした。\r\n"
    L"すでに削除されているか、使用中の可能性があります。\r\n"
    L"削除できなかった項目は手動で削除してください。";

Texts Without(Texts texts, const std::wstring& left_out) {
  std::erase(texts, left_out);
  return texts;
}

class InstallRunTest : public InstallerMachineTest {
 protected:
  struct InstallResult {
    Texts statuses;
    int bar_filled = 0;
    int progress_frames = 0;
  };

  // The wizard from its first page to its end, with the recorded or default folder.
  InstallResult Install(const std::wstring& setup_folder, WizardAnswers answers) {
    Texts statuses;
    const InstallRun run =
        RunInstall(registry, setup_folder, answers,
                   [&](const std::wstring& status, int) { statuses.push_back(status); });
    EXPECT_TRUE(run.ended) << "the wizard ends with the install";
    return {statuses, run.bar_filled, run.progress_frames};
  }

  // The uninstaller from its start to its end; the status texts it showed.
  Texts Uninstall() {
    Texts statuses;
    MessageHook status_hook;
    bool watching = false;
    RunUninstaller(registry, [&](uninstall::UninstallWindow& uninstaller) {
      // The label is there once the questions are asked.
      SetMessageHandler([&](const MessageRequest& request) {
        if (!watching) {
          WatchStatus(status_hook, uninstaller,
                      [&](const std::wstring& status, int) { statuses.push_back(status); });
          watching = true;
        }
        shown.push_back(request.text);
        return request.buttons == MsgButtons::YesNo ? uninstall_answer : MsgAnswer::Ok;
      });
    });
    SetMessageHandler({});
    return statuses;
  }

  // What the uninstaller showed, and how it answers its questions.
  Texts shown;
  MsgAnswer uninstall_answer = MsgAnswer::Yes;
};

std::wstring Lower(const std::wstring& text) { return LowerCase(text); }

TEST_F(InstallRunTest, InstallPutsEverythingInPlace) {
  const std::wstring setup = MakeSetupFolder();
  const std::vector<uint8_t> uninstaller = ReadFileBytes(setup + L"UnInstallVantelox.exe");
  Texts installed = FolderContents(setup);
  std::erase(installed, L"SetUpVantelox.exe");
  std::erase(installed, L"UnInstallVantelox.exe");

  const InstallResult run = Install(setup, {});
  EXPECT_EQ(run.statuses, kInstallStatuses);
  EXPECT_EQ(run.bar_filled, InstallerWindow::kPanelWidth) << "the bar fills before the end";
  EXPECT_GT(run.progress_frames, 35);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text,
            L"インストールが終了しました。\r\nVantelox Ver1.1.0を起動しますか？");
  EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::YesNo);
  const std::wstring folder = DefaultInstallFolder();
  const std::wstring exe = folder + L"Vantelox.exe";
  ASSERT_EQ(started.size(), 1u) << "Yes starts the installed program";
  EXPECT_EQ(started[0].file, exe);
  EXPECT_EQ(started[0].show, SW_SHOWNORMAL);

  // The files: moved into the install folder, the uninstaller into the
  // Windows folder, the setup folder erased.
  installed.push_back(L"UnInstallData.Dat");
  std::sort(installed.begin(), installed.end());
  EXPECT_EQ(FolderContents(folder), installed);
  EXPECT_EQ(ReadFileBytes(InstalledUninstaller()), uninstaller);
  EXPECT_FALSE(fs::FolderExists(setup));
  const UninstallData list = ReadUninstallData(folder + L"UnInstallData.Dat");
  EXPECT_TRUE(list.complete);
  EXPECT_TRUE(std::find(list.paths.begin(), list.paths.end(), exe) != list.paths.end());
  for (const std::wstring& path : list.paths) EXPECT_TRUE(fs::FileExists(path)) << path;

  // The record and the installed-programs entry.
  auto record = RegQueryValues(L"HKCU\\SoftWare\\MorvaneSoft\\Vantelox");
  EXPECT_EQ(record[L"InstallDir"], folder);
  EXPECT_EQ(record[L"UnInstallFileName"], InstalledUninstaller());
  EXPECT_EQ(record[L"DeskTopShortCutFileName"], DesktopShortcut());
  EXPECT_EQ(record[L"RightOn"], SendToShortcut());
  auto entry = RegQueryValues(L"HKLM\\" + std::wstring(kProgramEntryKey));
  EXPECT_EQ(entry[L"DisplayName"], L"Vantelox1.1.0");
  EXPECT_EQ(entry[L"UnInstallString"], InstalledUninstaller());
  EXPECT_NE(InstalledProgramsList().find(L"Vantelox1.1.0"), std::wstring::npos);

  // The shortcuts lead where they should.
  const std::wstring menu = ProgramMenuMakerFolder() + L"Vantelox\\";
  const struct {
    std::wstring link, target;
  } shortcuts[] = {
      {DesktopShortcut(), exe},
      {SendToShortcut(), exe},
      {menu + L"Vantelox.lnk", exe},
      {menu + L"Vanteloxのヘルプ.lnk", folder + L"Vanteloxヘルプ\\Top.htm"},
      {menu + L"Vanteloxのアンインストール.lnk", InstalledUninstaller()},
  };
  for (const auto& s : shortcuts) {
    EXPECT_EQ(Lower(ReadShellLink(s.link).target), Lower(s.target)) << s.link;
    EXPECT_TRUE(fs::FileExists(s.target)) << s.target;
  }
}

TEST_F(InstallRunTest, UninstallRemovesWhatTheInstallMadeIntoTheTrash) {
  Install(MakeSetupFolder(), {});
  const Texts uninstall = Uninstall();
  EXPECT_EQ(uninstall, kUninstallStatuses);
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0], kFirstQuestion);
  EXPECT_EQ(
      shown[1],
      L"Vanteloxフォルダの中のファイルは全て削除されます。\r\n"
      L"残しておきたいファイルがVanteloxフォルダにある場合は\r\n"
      L"中止して必要ファイルを別の場所に移した後、もう一度アンインストールを実行してください。\r\n"
      L"本当に削除してよろしいですか？");
  EXPECT_EQ(shown[2], kUninstalled);

  EXPECT_FALSE(fs::FolderExists(DefaultInstallFolder()));
  EXPECT_FALSE(fs::FileExists(DesktopShortcut()));
  EXPECT_FALSE(fs::FileExists(SendToShortcut()));
  // The maker's folders, left empty, go too.
  EXPECT_FALSE(fs::FolderExists(ProgramMenuMakerFolder()));
  EXPECT_FALSE(fs::FolderExists(ProgramFilesMakerFolder()));
  EXPECT_FALSE(fs::FileExists(InstalledUninstaller())) << "the uninstaller goes too";
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kRecordKey));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kProgramEntryKey));
  EXPECT_EQ(InstalledProgramsList().find(L"Vantelox1.1.0"), std::wstring::npos);
  // Nothing the setup did not install was there, so nothing went into the
  // trash: the listed files were deleted, each folder once it was empty.
  EXPECT_TRUE(FolderContents(TrashFiles()).empty());
}

TEST_F(InstallRunTest, SecondUninstallReportsWhatWasNotThere) {
  Install(MakeSetupFolder(), {});
  Uninstall();
  shown.clear();
  Uninstall();
  ASSERT_EQ(shown.size(), 4u);
  // Shortcuts already gone are no failure; the record's values are told
  // missing, as they are.
  EXPECT_EQ(shown[2],
            L"\r\nインストールフォルダ情報が存在しません。"
            L"\r\nアンインストールフォルダ情報が存在しません。"
            L"\r\nデスクトップのショートカット情報が存在しません。"
            L"\r\nico,curファイルコマンド情報が存在しません。");
  EXPECT_EQ(shown[3], kSomeLeft);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kRecordKey)) << "made again by the reads, erased again";
}

TEST_F(InstallRunTest, WithoutShortcutsTheirValuesAreEmptyAndNothingIsReported) {
  const InstallResult run = Install(MakeSetupFolder(), {false, false});
  EXPECT_EQ(run.statuses, Without(kInstallStatuses, L"デスクトップにショートカットを作成中"));
  auto record = RegQueryValues(L"HKCU\\SoftWare\\MorvaneSoft\\Vantelox");
  ASSERT_EQ(record.count(L"DeskTopShortCutFileName"), 1u);
  ASSERT_EQ(record.count(L"RightOn"), 1u);
  EXPECT_EQ(record[L"DeskTopShortCutFileName"], L"");
  EXPECT_EQ(record[L"RightOn"], L"");
  EXPECT_FALSE(fs::FileExists(DesktopShortcut()));
  EXPECT_FALSE(fs::FileExists(SendToShortcut()));

  EXPECT_EQ(Uninstall(),
            Without(kUninstallStatuses, L"デスクトップのショートカットを削除しています。"));
  EXPECT_EQ(shown.back(), kUninstalled);
}

// Run again from the folder an install emptied, the setup says on its
// first page what the folder lacks and ends with nothing changed.
TEST_F(InstallRunTest, SetupFromItsEmptiedFolderSaysSoAndChangesNothing) {
  const std::wstring setup = MakeSetupFolder();
  const std::wstring setup_program = scratch / L"SetUpVantelox.exe";
  ASSERT_TRUE(CopyFileFresh(setup + L"SetUpVantelox.exe", setup_program));
  Install(setup, {});
  const std::vector<uint8_t> uninstaller = ReadFileBytes(InstalledUninstaller());
  ASSERT_FALSE(uninstaller.empty());
  const auto record = RegQueryValues(L"HKCU\\SoftWare\\MorvaneSoft\\Vantelox");
  const Texts installed = FolderContents(DefaultInstallFolder());
  // What stays in a setup folder after the install: the running setup program.
  ASSERT_TRUE(fs::MakeFolder(setup));
  ASSERT_TRUE(CopyFileFresh(setup_program, setup + L"SetUpVantelox.exe"));
  messages.Clear();

  const InstallResult run = Install(setup, {});
  EXPECT_TRUE(run.statuses.empty());
  ASSERT_EQ(messages.shown().size(), 1u);
  const std::wstring& said = messages.shown()[0].text;
  EXPECT_TRUE(said.starts_with(L"セットアップのフォルダ「" + setup + L"」に、")) << said;
  for (const std::wstring& file : setup::MissingDistributionFiles(setup)) {
    EXPECT_NE(said.find(L"\r\n" + file + L"\r\n"), std::wstring::npos) << file;
  }
  EXPECT_EQ(ReadFileBytes(InstalledUninstaller()), uninstaller);
  EXPECT_EQ(FolderContents(setup), Texts{L"SetUpVantelox.exe"});
  EXPECT_EQ(RegQueryValues(L"HKCU\\SoftWare\\MorvaneSoft\\Vantelox"), record);
  EXPECT_EQ(FolderContents(DefaultInstallFolder()), installed);
}

// A copy that fails (a file another program holds) leaves the machine as
// it was: no install folder, record, entry, shortcut or uninstaller, the
// setup folder whole; the message names the file and the system's reason.
// Run again once the file is free, the setup installs.
TEST_F(InstallRunTest, AFailedCopyLeavesTheMachineAsItWasAndASecondRunWorks) {
  const std::wstring setup = MakeSetupFolder();
  const Texts distribution = FolderContents(setup);
  const std::wstring locked = setup + setup::DistributionFiles().back();
  {
    const FileLock lock(locked, GENERIC_READ | GENERIC_WRITE, 0);
    ASSERT_TRUE(lock.held());
    const InstallResult run = Install(setup, {true, true});
    EXPECT_EQ(run.statuses.back(), L"ファイルのコピー中");
    ASSERT_EQ(messages.shown().size(), 2u);
    const std::wstring& said = messages.shown()[0].text;
    EXPECT_TRUE(said.starts_with(L"インストール中にエラーが発生しました。\r\n「" + locked + L"」\r\n"))
        << said;
    EXPECT_GT(said.size(), std::wstring(L"インストール中にエラーが発生しました。\r\n「" + locked +
                                        L"」\r\n").size())
        << "the system's reason follows";
    EXPECT_EQ(messages.shown()[1].text, L"インストールを中止します。");
  }
  EXPECT_FALSE(fs::FolderExists(DefaultInstallFolder()));
  EXPECT_FALSE(fs::FolderExists(ProgramFilesMakerFolder()));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kRecordKey));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kProgramEntryKey));
  EXPECT_FALSE(fs::FileExists(DesktopShortcut()));
  EXPECT_FALSE(fs::FileExists(SendToShortcut()));
  EXPECT_FALSE(fs::FolderExists(ProgramMenuMakerFolder()));
  EXPECT_FALSE(fs::FileExists(InstalledUninstaller()));
  EXPECT_EQ(FolderContents(setup), distribution);

  messages.Clear();
  Install(setup, {true, true});
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, setup::FinishedQuestion());
  EXPECT_TRUE(fs::FileExists(DefaultInstallFolder() + L"Vantelox.exe"));
  EXPECT_TRUE(fs::FileExists(InstalledUninstaller()));
  Uninstall();
  EXPECT_EQ(shown.back(), kUninstalled);
  EXPECT_FALSE(fs::FolderExists(DefaultInstallFolder()));
}

// A reinstall whose last failing step fails (the installed uninstaller held
// open) after its files took their places puts the earlier install's files
// back, with nothing of the run beside them.
TEST_F(InstallRunTest, AFailedReinstallPutsBackTheEarlierFiles) {
  Install(MakeSetupFolder(), {false, false});
  const std::wstring program = DefaultInstallFolder() + L"Vantelox.exe";
  const std::vector<uint8_t> earlier = ReadFileBytes(program);
  const Texts installed = FolderContents(DefaultInstallFolder());
  const std::wstring again = MakeSetupFolder();
  std::vector<uint8_t> newer = earlier;
  newer.push_back(0);
  WriteFileBytes(again + L"Vantelox.exe", newer);
  {
    const FileLock lock(InstalledUninstaller(), GENERIC_READ, 0);
    ASSERT_TRUE(lock.held());
    messages.Clear();
    Install(again, {false, false});
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[1].text, L"インストールを中止します。");
  }
  EXPECT_TRUE(ReadFileBytes(program) == earlier) << "the earlier program is back";
  EXPECT_EQ(FolderContents(DefaultInstallFolder()), installed);
}

// On a full disk the install fails with the system's reason and leaves
// the drive as it was; once there is room, the same setup folder installs.
TEST_F(InstallRunTest, AFullDiskFailsWithItsReasonAndASecondRunWorksOnceThereIsRoom) {
  SmallDrive drive(L'T', scratch / L"small", 64);
  if (!drive.ready()) GTEST_SKIP() << "no small drive can be mounted on this machine";
  const std::wstring setup = MakeSetupFolder();
  const Texts distribution = FolderContents(setup);
  const std::wstring folder = drive.root() + L"Vantelox\\";
  const auto install_on_drive = [&] {
    const WizardRun wizard(registry, setup);
    browser_answer = drive.root();
    wizard.No();
    ASSERT_EQ(ControlText(wizard.view().folder_text()), folder);
    wizard.Install({true, false});
  };
  install_on_drive();
  ASSERT_EQ(messages.shown().size(), 2u);
  const std::wstring& said = messages.shown()[0].text;
  EXPECT_TRUE(said.starts_with(L"インストール中にエラーが発生しました。\r\n「" + folder)) << said;
  EXPECT_NE(said.find(L"」\r\n"), std::wstring::npos) << "the system's reason follows: " << said;
  EXPECT_TRUE(FolderContents(drive.root()).empty());
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kRecordKey));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kProgramEntryKey));
  EXPECT_FALSE(fs::FileExists(DesktopShortcut()));
  EXPECT_FALSE(fs::FileExists(InstalledUninstaller()));
  EXPECT_EQ(FolderContents(setup), distribution);

  ASSERT_TRUE(drive.Resize(64 * 1024));
  messages.Clear();
  install_on_drive();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, setup::FinishedQuestion());
  EXPECT_TRUE(fs::FileExists(folder + L"Vantelox.exe"));
  EXPECT_EQ(RegQueryValues(L"HKCU\\SoftWare\\MorvaneSoft\\Vantelox")[L"InstallDir"], folder);
  Uninstall();
  EXPECT_EQ(shown.back(), kUninstalled);
  EXPECT_TRUE(FolderContents(drive.root()).empty());
}

TEST_F(InstallRunTest, DeclinedUninstallTouchesNothing) {
  Install(MakeSetupFolder(), {});
  const Texts before = FolderContents(DefaultInstallFolder());
  for (const int yes_answers : {0, 1}) {
    shown.clear();
    int asked = 0;
    SetMessageHandler([&](const MessageRequest& request) {
      shown.push_back(request.text);
      return asked++ < yes_answers ? MsgAnswer::Yes : MsgAnswer::No;
    });
    RunUninstaller(registry);
    SetMessageHandler({});
    EXPECT_EQ(shown.size(), static_cast<size_t>(yes_answers + 1));
    EXPECT_EQ(FolderContents(DefaultInstallFolder()), before);
    EXPECT_EQ(RegQueryValues(L"HKCU\\SoftWare\\MorvaneSoft\\Vantelox").size(), 4u);
    EXPECT_TRUE(fs::FileExists(DesktopShortcut()));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kProgramEntryKey));
  }
}

// The record and the list are input: what they name outside the install
// folder, or with no usable install folder, stays.
TEST_F(InstallRunTest, ATamperedRecordDeletesNothingOutsideTheInstallFolder) {
  const std::wstring windows = WithFolderMark(GetEnvironmentText(L"WINDIR"));
  const std::wstring app = scratch / L"App\\Vantelox\\";
  const std::wstring current = scratch / L"current\\";
  const struct {
    std::wstring recorded;  // empty: none recorded
    std::wstring list_folder;
    std::wstring victim;
    bool refused;
  } cases[] = {
      {app, app, scratch / L"victim.txt", true},
      {L"", current, current + L"victim.txt", false},
      {windows, windows, windows + L"vx-victim.txt", true},
  };
  ASSERT_TRUE(MakeFolders(app));
  ASSERT_TRUE(MakeFolders(current));
  WriteFileBytes(app + L"Vantelox.exe", {1});
  const CurrentFolder in_current(current);
  ASSERT_TRUE(in_current.changed());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.recorded);
    shown.clear();
    WriteFileBytes(c.victim, {1});
    const std::wstring list = c.list_folder + L"UnInstallData.Dat";
    ASSERT_TRUE(WriteUninstallData(
        list, {c.victim, app + L"..\\..\\victim.txt", c.list_folder + L"Vantelox.exe"}));
    if (!c.recorded.empty()) {
      install_record::WriteRecordValue(registry, install_record::kInstallFolderValue, c.recorded);
    }
    Uninstall();
    EXPECT_TRUE(fs::FileExists(c.victim));
    EXPECT_TRUE(fs::FileExists(scratch / L"victim.txt"));
    ASSERT_GE(shown.size(), 3u);
    const std::wstring refusal = L"インストールフォルダ「" + c.recorded +
                                 L"」は削除してはならないフォルダのため、削除しませんでした。";
    EXPECT_EQ(shown[2].find(refusal) != std::wstring::npos, c.refused) << shown[2];
    if (c.list_folder != app) {
      EXPECT_TRUE(fs::FileExists(list));
      fs::RemoveFile(list);
      fs::RemoveFile(c.victim);
    }
  }
  // No installed-programs entry names it: a folder of a list and a program
  // is not the setup's for that alone.
  EXPECT_TRUE(fs::FileExists(app + L"Vantelox.exe"));
}

}  // namespace
}  // namespace vx::test

// SetUpVantelox.exe and UnInstallVantelox.exe as they ship, each in its own
// process, driven through their windows and message boxes.
#include <windows.h>

#include <string>
#include <vector>

#include "common/file_copy.h"
#include "common/file_seam.h"
#include "common/installer/installer_resources.h"
#include "common/product_version.h"
#include "common/text_case.h"
#include "setup/setup_texts.h"
#include "setup/wizard.h"
#include "tests/installers/installer_machine_win.h"
#include "tests/support/program_driver_win.h"
#include "tests/support/program_file_win.h"
#include "tests/support/registry_view_win.h"

namespace vx::test {
namespace {

// The names the system removes or renames at its next start, one text.
std::wstring PendingRenames() {
  wchar_t names[4096] = {};
  DWORD size = sizeof names - sizeof(wchar_t);
  RegGetValueW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Session Manager",
               L"PendingFileRenameOperations", RRF_RT_REG_MULTI_SZ, nullptr, names, &size);
  std::wstring text(names, size / sizeof(wchar_t));
  for (wchar_t& c : text) {
    if (c == L'\0') c = L'|';
  }
  return text;
}

const wchar_t kWizard[] = L"Vantelox1.1.0のInstall";
const wchar_t kSetupTitle[] = L"SetUpVantelox";
const wchar_t kUninstallTitle[] = L"UnInstallVantelox";

class RealProgramsTest : public InstallerMachineTest {
 protected:
  // Runs the setup program of `setup` through its pages: a desktop
  // shortcut, no send-to entry; the messages it ended with.
  std::vector<std::wstring> RunSetup(const std::wstring& setup, const std::vector<int>& answers) {
    std::vector<std::wstring> texts;
    const Handle program = StartProgram(L"\"" + setup + L"SetUpVantelox.exe\"");
    if (!program) {
      ADD_FAILURE() << "SetUpVantelox.exe did not start: " << GetLastError();
      return texts;
    }
    const HWND wizard = WaitForWindow(kWizard);
    EXPECT_NE(wizard, nullptr);
    EXPECT_TRUE(WaitForChildText(wizard, setup::FolderQuestion(setup::InstallType::Fresh)));
    PressButton(wizard, L"はい");
    EXPECT_TRUE(WaitForChildText(wizard, setup_texts::kDesktopQuestion));
    PressButton(wizard, L"はい");
    EXPECT_TRUE(WaitForChildText(wizard, setup_texts::kSendToQuestion));
    PressButton(wizard, L"いいえ");
    EXPECT_TRUE(
        WaitForChildText(wizard, setup::SummaryText(setup::InstallType::Fresh, true, false)));
    PressButton(wizard, L"はい");
    for (const int answer : answers) texts.push_back(AnswerMessageBox(kSetupTitle, answer));
    EXPECT_TRUE(WaitForEnd(program.get()));
    return texts;
  }
};

TEST_F(RealProgramsTest, InstallUninstallAndInstallAgainFromTheEmptiedFolder) {
  const std::wstring setup = MakeSetupFolder();
  const std::wstring setup_program = scratch / L"SetUpVantelox.exe";
  ASSERT_TRUE(CopyFileFresh(setup + L"SetUpVantelox.exe", setup_program));

  EXPECT_EQ(RunSetup(setup, {IDNO}), (std::vector<std::wstring>{setup::FinishedQuestion()}));
  EXPECT_TRUE(fs::FileExists(DefaultInstallFolder() + L"Vantelox.exe"));
  EXPECT_TRUE(fs::FileExists(DefaultInstallFolder() + L"UnInstallData.Dat"));
  EXPECT_TRUE(fs::FileExists(DesktopShortcut()));
  EXPECT_FALSE(fs::FileExists(SendToShortcut()));
  EXPECT_EQ(TextValue(HKEY_LOCAL_MACHINE, kProgramEntryKey, L"UnInstallString"),
            InstalledUninstaller());
  // Only the running setup program may be left of the setup folder.
  for (const std::wstring& name : FolderContents(setup)) EXPECT_EQ(name, L"SetUpVantelox.exe");

  // Started from the installed-programs list, as a person would.
  const Handle list = StartProgram(L"uninstaller.exe --remove Vantelox");
  ASSERT_TRUE(list);
  EXPECT_EQ(AnswerMessageBox(kUninstallTitle, IDYES),
            L"Vanteloxをアンインストールします。よろしいですか？");
  EXPECT_TRUE(AnswerMessageBox(kUninstallTitle, IDYES).starts_with(L"Vanteloxフォルダの中の"));
  EXPECT_EQ(AnswerMessageBox(kUninstallTitle, IDOK), L"アンインストールは正常に終了しました。");
  EXPECT_TRUE(WaitForNoWindow(L"Vanteloxのアンインストール"));
  EXPECT_TRUE(WaitForEnd(list.get()));
  EXPECT_FALSE(fs::FolderExists(DefaultInstallFolder()));
  EXPECT_FALSE(fs::FileExists(DesktopShortcut()));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kRecordKey));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kProgramEntryKey));
  // The running uninstaller's own file goes at the next restart.
  const std::vector<uint8_t> uninstaller = ReadFileBytes(InstalledUninstaller());
  EXPECT_FALSE(uninstaller.empty());
  EXPECT_NE(LowerCase(PendingRenames()).find(LowerCase(InstalledUninstaller())),
            std::wstring::npos);

  // Again from what is left of the setup folder: the uninstaller to move is
  // gone, so the install fails, and the installed one is kept.
  if (!fs::FileExists(setup + L"SetUpVantelox.exe")) {
    ASSERT_TRUE(fs::FolderExists(setup) || fs::MakeFolder(setup));
    ASSERT_TRUE(CopyFileFresh(setup_program, setup + L"SetUpVantelox.exe"));
  }
  const Handle again = StartProgram(L"\"" + setup + L"SetUpVantelox.exe\"");
  ASSERT_TRUE(again);
  EXPECT_TRUE(AnswerMessageBox(kSetupTitle, IDOK).starts_with(L"セットアップのフォルダ「" + setup))
      << "on the first page";
  EXPECT_TRUE(WaitForEnd(again.get()));
  EXPECT_EQ(ReadFileBytes(InstalledUninstaller()), uninstaller);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kRecordKey));
}

// What the system reads from the two program files: their version, their
// manifest asking for the administrator, the icon and the artwork.
TEST_F(RealProgramsTest, CarryTheirVersionManifestIconAndArtwork) {
  const std::wstring setup = MakeSetupFolder();
  for (const wchar_t* name : {L"SetUpVantelox.exe", L"UnInstallVantelox.exe"}) {
    SCOPED_TRACE(name);
    const std::wstring file = setup + name;
    const VersionBlock version = ReadVersionBlock(file);
    ASSERT_TRUE(version.found);
    EXPECT_EQ(version.fixed.dwFileVersionMS, 0x00010001u);
    EXPECT_EQ(version.fixed.dwFileVersionLS, 0u);
    EXPECT_EQ(version.Text(L"FileVersion"), L"1.1.0");
    EXPECT_EQ(version.Text(L"ProductName"), L"Vantelox");
    EXPECT_EQ(version.Text(L"OriginalFilename"), name);

    const HMODULE program = LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    EXPECT_NE(ManifestOf(program).find("level=\"requireAdministrator\""), std::string::npos);
    EXPECT_NE(FindResourceW(program, MAKEINTRESOURCEW(VX_PROGRAM_ICON), RT_GROUP_ICON), nullptr);
    EXPECT_NE(FindResourceW(program, MAKEINTRESOURCEW(VX_ARTWORK_BITMAP), RT_BITMAP), nullptr);
    FreeLibrary(program);
  }
}

}  // namespace
}  // namespace vx::test

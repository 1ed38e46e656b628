// The installers' tests work on the machine itself: the registry, the
// Windows folder, the desktop, the program menu and the trash of the Wine
// prefix they run in (one of their own, see cmake/installer-prefix). Each
// test starts and ends with no trace of an install on it.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "common/folder_browser_win.h"
#include "common/registry_win.h"
#include "common/shell_execute_win.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_driver_win.h"

namespace vx::test {

// Where an install puts things on this machine.
std::wstring InstalledUninstaller();     // the Windows folder's UnInstallVantelox.exe
std::wstring ProgramFilesMakerFolder();  // program files + "Morvane Soft\"
std::wstring DefaultInstallFolder();     // program files + "Morvane Soft\Vantelox\"
std::wstring ProgramMenuMakerFolder();   // the program menu's "Morvane Soft\"
std::wstring DesktopShortcut();          // the desktop's Vantelox.lnk
std::wstring SendToShortcut();           // the send-to menu's Vantelox.lnk
// The files folder of the trash that a delete into the recycle bin reaches.
std::wstring TrashFiles();

// The record key below HKEY_CURRENT_USER and the installed-programs entry
// below HKEY_LOCAL_MACHINE.
inline constexpr wchar_t kRecordKey[] = L"SoftWare\\MorvaneSoft\\Vantelox";
inline constexpr wchar_t kProgramEntryKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vantelox";

// The names of a folder's files and folders, sorted; folders end in "\".
std::vector<std::wstring> FolderContents(const std::wstring& folder);

// Runs a console program of the prefix and gives back what it printed.
std::wstring ConsoleOutput(const std::wstring& command_line);
// The text values of a key as "reg query" prints them ("HKCU\...").
std::map<std::wstring, std::wstring> RegQueryValues(const std::wstring& key);
// What "uninstaller --list" prints: the installed programs' names.
std::wstring InstalledProgramsList();

// A symbolic link made by the prefix's own file system, as a person would
// place one (Wine makes none): from `link` to `target`, Windows names.
void MakePosixLink(const std::wstring& target, const std::wstring& link);
// Removes such a link itself, never what it leads to.
void RemovePosixLink(const std::wstring& link);

// A drive of the prefix on a small file system of its own (POSIX tmpfs,
// which needs the administrator of the machine), to fill on purpose.
class SmallDrive {
 public:
  // Mounts `kb` kilobytes on `folder` (a Windows name) and maps it as the
  // drive `letter`; ready() says whether that worked.
  SmallDrive(wchar_t letter, const std::wstring& folder, int kb);
  ~SmallDrive();
  SmallDrive(const SmallDrive&) = delete;
  SmallDrive& operator=(const SmallDrive&) = delete;

  bool ready() const { return ready_; }
  std::wstring root() const { return std::wstring(1, letter_) + L":\\"; }
  // Gives the file system `kb` kilobytes; true once the drive shows them.
  bool Resize(int kb);

 private:
  wchar_t letter_;
  std::wstring folder_;
  bool ready_ = false;
};

class InstallerMachineTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A fresh copy of the setup folder the build assembled, ending in "\".
  std::wstring MakeSetupFolder();

  // What the shell was asked to start.
  std::vector<ShellRequest> started;
  // What the folder browser was asked, and the answer it gives.
  std::vector<FolderBrowserRequest> browsed;
  std::wstring browser_answer;

  Registry registry;
  TempFolder scratch;
  MessageRecorder messages;
};

}  // namespace vx::test

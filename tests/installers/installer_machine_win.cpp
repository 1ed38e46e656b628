#include "tests/installers/installer_machine_win.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>

#include "common/code_page.h"
#include "common/environment.h"
#include "common/file_operations.h"
#include "common/file_seam.h"
#include "common/folder_tree.h"
#include "common/installer/special_folder_win.h"
#include "common/path_text.h"
#include "common/program_folder_win.h"
#include "tests/support/command_output_win.h"
#include "tests/support/program_driver_win.h"

namespace vx::test {
namespace {

std::wstring ProgramFilesFolder() {
  Registry registry;
  return WithFolderMark(registry.ReadText(RegistryRoot::LocalMachine,
                                          L"Software\\Microsoft\\Windows\\CurrentVersion",
                                          L"ProgramFilesDir"));
}

void ForgetInstall() {
  RegDeleteTreeW(HKEY_CURRENT_USER, L"SoftWare\\MorvaneSoft");
  RegDeleteKeyW(HKEY_CURRENT_USER, L"SoftWare\\MorvaneSoft");
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, kProgramEntryKey);
  RegDeleteKeyW(HKEY_LOCAL_MACHINE, kProgramEntryKey);
  for (const std::wstring& file : {InstalledUninstaller(), DesktopShortcut(), SendToShortcut()}) {
    fs::RemoveFile(file);
  }
  for (const std::wstring& folder :
       {ProgramMenuMakerFolder(), ProgramFilesMakerFolder(), TrashFiles()}) {
    if (fs::FolderExists(folder)) RemoveTree(folder);
  }
}

// The prefix's own name of a Windows name, in UTF-16, quoted for a command line.
std::wstring QuotedPosixName(const std::wstring& name) {
  using UnixName = char* (*)(const wchar_t*);
  const auto unix_name = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"),
                                             "wine_get_unix_file_name")));
  if (unix_name == nullptr) return {};
  char* bytes = unix_name(WithoutFolderMark(name).c_str());
  if (bytes == nullptr) return {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, bytes, -1, nullptr, 0);
  std::wstring wide(length > 0 ? length - 1 : 0, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, bytes, -1, wide.data(), length);
  HeapFree(GetProcessHeap(), 0, bytes);
  return L"\"" + wide + L"\"";
}

}  // namespace

void MakePosixLink(const std::wstring& target, const std::wstring& link) {
  // The POSIX program runs on after its Windows stand-in has ended.
  CommandOutput(L"/bin/ln -s " + QuotedPosixName(target) + L" " + QuotedPosixName(link));
  ASSERT_TRUE(Eventually([&] { return fs::FileExists(link) || fs::FolderExists(link); },
                         kProgramPatienceMs))
      << link;
}

void RemovePosixLink(const std::wstring& link) {
  CommandOutput(L"/bin/rm -f " + QuotedPosixName(link));
  EXPECT_TRUE(Eventually([&] { return !fs::FileExists(link) && !fs::FolderExists(link); },
                         kProgramPatienceMs))
      << link;
}

namespace {

std::wstring DriveLink(wchar_t letter) {
  return L"\"" + GetEnvironmentText(L"WINEPREFIX") + L"/dosdevices/" +
         static_cast<wchar_t>(towlower(letter)) + L":\"";
}

int64_t FreeKb(const std::wstring& root) {
  ULARGE_INTEGER free{};
  return GetDiskFreeSpaceExW(root.c_str(), &free, nullptr, nullptr)
             ? static_cast<int64_t>(free.QuadPart / 1024)
             : -1;
}

}  // namespace

SmallDrive::SmallDrive(wchar_t letter, const std::wstring& folder, int kb)
    : letter_(letter), folder_(WithFolderMark(folder)) {
  if (GetEnvironmentText(L"WINEPREFIX").empty() || !MakeFolders(folder_)) return;
  // Hidden once the file system is mounted over it.
  const std::wstring marker = folder_ + L"unmounted";
  WriteFileBytes(marker, {1});
  CommandOutput(L"/bin/mount -t tmpfs -o size=" + std::to_wstring(kb) + L"k tmpfs " +
                QuotedPosixName(folder_));
  if (!Eventually([&] { return !fs::FileExists(marker); }, 5000)) return;
  CommandOutput(L"/bin/ln -s " + QuotedPosixName(folder_) + L" " + DriveLink(letter_));
  ready_ = Eventually([&] { return fs::FolderExists(root()); }, 5000);
}

SmallDrive::~SmallDrive() {
  CommandOutput(L"/bin/rm -f " + DriveLink(letter_));
  EXPECT_TRUE(Eventually([&] { return !fs::FolderExists(root()); }, 5000));
  if (!fs::FileExists(folder_ + L"unmounted")) {
    CommandOutput(L"/bin/umount -l " + QuotedPosixName(folder_));
    EXPECT_TRUE(Eventually([&] { return fs::FileExists(folder_ + L"unmounted"); }, 5000));
  }
}

bool SmallDrive::Resize(int kb) {
  CommandOutput(L"/bin/mount -o remount,size=" + std::to_wstring(kb) + L"k " +
                QuotedPosixName(folder_));
  return Eventually([&] { return FreeKb(root()) > kb / 2; }, 5000);
}

std::wstring InstalledUninstaller() {
  return WithFolderMark(GetEnvironmentText(L"WINDIR")) + L"UnInstallVantelox.exe";
}

std::wstring ProgramFilesMakerFolder() { return ProgramFilesFolder() + L"Morvane Soft\\"; }

std::wstring DefaultInstallFolder() { return ProgramFilesMakerFolder() + L"Vantelox\\"; }

std::wstring ProgramMenuMakerFolder() {
  return SpecialFolderPath(nullptr, kProgramMenuFolderId) + L"Morvane Soft\\";
}

std::wstring DesktopShortcut() {
  return SpecialFolderPath(nullptr, kDesktopFolderId) + L"Vantelox.lnk";
}

std::wstring SendToShortcut() {
  return SpecialFolderPath(nullptr, kSendToFolderId) + L"Vantelox.lnk";
}

std::wstring TrashFiles() {
  std::wstring data = GetEnvironmentText(L"XDG_DATA_HOME");
  std::replace(data.begin(), data.end(), L'/', L'\\');
  return L"Z:" + data + L"\\Trash\\files\\";
}

std::vector<std::wstring> FolderContents(const std::wstring& folder) {
  std::vector<std::wstring> names;
  for (const fs::FolderEntry& entry : fs::ListFolder(folder)) {
    names.push_back(entry.is_folder ? entry.name + L"\\" : entry.name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::wstring ConsoleOutput(const std::wstring& command_line) {
  return FromShiftJis(CommandOutput(command_line));
}

std::map<std::wstring, std::wstring> RegQueryValues(const std::wstring& key) {
  std::map<std::wstring, std::wstring> values;
  const std::wstring output = ConsoleOutput(L"reg.exe query \"" + key + L"\"");
  constexpr std::wstring_view kType = L"    REG_SZ";
  size_t start = 0;
  while (start < output.size()) {
    size_t end = output.find(L'\n', start);
    if (end == std::wstring::npos) end = output.size();
    std::wstring line = output.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    const size_t type = line.find(kType);
    if (!line.starts_with(L"    ") || type == std::wstring::npos) continue;
    const size_t value = std::min(line.size(), type + kType.size() + 4);
    values[line.substr(4, type - 4)] = line.substr(value);
  }
  return values;
}

std::wstring InstalledProgramsList() { return ConsoleOutput(L"uninstaller.exe --list"); }

void InstallerMachineTest::SetUp() {
  ForgetInstall();
  SetShellHandler([this](const ShellRequest& request) { started.push_back(request); });
  SetFolderBrowserHandler([this](const FolderBrowserRequest& request) {
    browsed.push_back(request);
    return browser_answer;
  });
}

void InstallerMachineTest::TearDown() {
  SetShellHandler({});
  SetFolderBrowserHandler({});
  ForgetInstall();
}

std::wstring InstallerMachineTest::MakeSetupFolder() {
  const std::wstring setup = scratch / L"setup\\";
  const auto copied = CopyTree(ProgramFileFolder() + L"..\\dist\\", setup);
  EXPECT_TRUE(copied);
  EXPECT_GE(copied ? copied->size() : 0, 3u) << "the setup folder holds the three programs";
  return setup;
}

}  // namespace vx::test

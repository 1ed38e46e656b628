// The names of what the setup puts on the machine and the uninstaller takes
// away again, shared by both so that they always mean the same files.
#pragma once

#include <string>

namespace vx::installed_names {

// The setup program itself, left in the setup folder by the copy.
inline constexpr wchar_t kSetupFile[] = L"SetUpVantelox.exe";
// The uninstaller, moved from the setup folder into the Windows folder.
inline constexpr wchar_t kUninstallerFile[] = L"UnInstallVantelox.exe";
// The maker's folder: it holds the product's folder in the program-files
// folder, in the program menu and in the user's application data, and goes
// with it when nothing else is left in it.
inline constexpr wchar_t kMakerFolder[] = L"Morvane Soft\\";
// The product's folder: appended to an install folder that does not name
// the product, and below the maker's folder elsewhere.
inline constexpr wchar_t kProductFolder[] = L"Vantelox\\";
// The product folder as it must appear in an install folder, lower case.
inline constexpr wchar_t kProductFolderMark[] = L"\\vantelox\\";

// Shortcuts: the desktop's and the send-to menu's file, and the program
// menu's folder below the current user's program menu with its three names.
inline constexpr wchar_t kShortcutFile[] = L"Vantelox.lnk";
inline constexpr wchar_t kShortcutTitle[] = L"Vantelox";
inline std::wstring MenuFolder() { return std::wstring(kMakerFolder) + kProductFolder; }
inline constexpr wchar_t kHelpShortcutTitle[] = L"Vanteloxのヘルプ";
inline constexpr wchar_t kUninstallShortcutTitle[] = L"Vanteloxのアンインストール";

// The program's settings folder for a user who cannot write beside the
// program, below the product's folder in the user's application data.
inline constexpr wchar_t kSettingsFolder[] = L"VXSetting\\";

// The help pages' first page, below the install folder.
inline constexpr wchar_t kHelpTopPage[] = L"Vanteloxヘルプ\\Top.htm";

}  // namespace vx::installed_names

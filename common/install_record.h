// The installation record: what the setup leaves behind so that a later
// setup finds the previous install and the uninstaller can undo it. Four
// values under one key of the current user, an entry in the list of
// installed programs, and the list of copied files in the install folder
// (uninstall_data.h). The registry part is written and read through
// install_record_win.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vx::install_record {

// The record key, below HKEY_CURRENT_USER.
inline constexpr wchar_t kRecordKey[] = L"\\SoftWare\\MorvaneSoft\\Vantelox\\";

// Its four values, in the order the setup writes them: the install folder
// (ending in "\"), the uninstaller, the desktop's and the send-to menu's
// shortcut (each empty when none was made).
inline constexpr wchar_t kInstallFolderValue[] = L"InstallDir";
inline constexpr wchar_t kUninstallerValue[] = L"UnInstallFileName";
inline constexpr wchar_t kDesktopShortcutValue[] = L"DeskTopShortCutFileName";
inline constexpr wchar_t kSendToShortcutValue[] = L"RightOn";

// What those values name, as read (an empty text for none): where an
// install put its folder and its shortcuts.
struct RecordedInstall {
  std::wstring install_folder;
  std::wstring desktop_shortcut;
  std::wstring send_to_shortcut;
};

// The name of the installed-programs entry.
inline constexpr wchar_t kUninstallEntryName[] = L"Vantelox";

// The list of copied files, in the install folder.
inline constexpr wchar_t kListFileName[] = L"UnInstallData.Dat";

// The name the installed-programs list shows: the product and its version.
std::wstring DisplayName();

// The text stored for `text`. The registry class refuses the empty text, so
// an empty one is stored as one NUL character, which reads back empty.
std::wstring StoredText(const std::wstring& text);

// What the files take on disk in KB, rounded up (missing files count 0).
uint32_t SizeInKb(const std::vector<std::wstring>& files);

}  // namespace vx::install_record

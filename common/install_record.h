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

// Its four values, in the order the setup writes them.
inline constexpr wchar_t kInstallDir[] = L"InstallDir";                // ends in "\"
inline constexpr wchar_t kUnInstallFileName[] = L"UnInstallFileName";  // the uninstaller
inline constexpr wchar_t kDeskTopShortCutFileName[] = L"DeskTopShortCutFileName";  // or empty
inline constexpr wchar_t kRightOn[] = L"RightOn";  // the send-to shortcut, or empty

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

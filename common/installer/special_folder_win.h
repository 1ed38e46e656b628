// The installers' way to the user's special folders (desktop, program menu,
// send-to menu, application data), as the platform names them.
#pragma once

#include <windows.h>

#include <string>

namespace vx {

// The folder identifiers the installers ask for (CSIDL values).
inline constexpr int kDesktopFolderId = 0;
inline constexpr int kProgramMenuFolderId = 2;
inline constexpr int kSendToFolderId = 9;
inline constexpr int kComputerFolderId = 17;
// The user's (roaming) application-data folder.
inline constexpr int kAppDataFolderId = 26;

// The folder with a trailing "\", or "\" alone when the platform does not
// know it. The folder is never made here.
std::wstring SpecialFolderPath(HWND owner, int folder_id);

}  // namespace vx

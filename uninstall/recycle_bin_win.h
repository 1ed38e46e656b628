// Deleting a folder into the recycle bin, from where a person can still
// take it back.
#pragma once

#include <windows.h>

#include <string>

namespace vx::uninstall {

// Moves `path` (a file or a folder, without a final "\") into the recycle
// bin without asking and without showing progress or errors. Whether it
// worked is not told: a later erase removes what stayed.
void DeleteIntoRecycleBin(HWND owner, const std::wstring& path);

}  // namespace vx::uninstall

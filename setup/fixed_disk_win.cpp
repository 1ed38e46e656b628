#include "setup/fixed_disk_win.h"

#include <windows.h>

namespace vx::setup {

bool IsFixedDisk(const std::wstring& root) { return GetDriveTypeW(root.c_str()) == DRIVE_FIXED; }

}  // namespace vx::setup

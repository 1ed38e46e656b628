// Putting a file into the recycle bin, from where a person can still take
// it back. A file the bin cannot take is never deleted for good instead.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace vx::uninstall {

// Whether the bin of the drive that holds `file` takes it whole: a fixed
// drive whose bin answers, with room for the file where the bin keeps it.
// Tests replace it to say "no bin here"; an empty function puts the real
// check back.
using RecycleBinCheck = std::function<bool(const std::wstring& file)>;
void SetRecycleBinCheck(RecycleBinCheck check);

// Moves the file `file` (no link, nothing on its way a link) into the
// recycle bin without showing progress, errors or questions; true when it
// is gone. Where the bin cannot take it whole, it stays: it is never
// deleted for good instead, and the shell never asks whether to.
bool MoveToRecycleBin(HWND owner, const std::wstring& file);

}  // namespace vx::uninstall

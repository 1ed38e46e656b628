// Cold runs: the system's page cache emptied, so that a read must come from
// the disk.
#pragma once

#include <string>

namespace vx::bench {

// Writes back and drops the caches of the whole system (Linux under Wine, as
// root); waits until that is done. `scratch` is a folder for a mark file.
// False where it cannot be done: not under Wine, not allowed.
bool DropPageCache(const std::wstring& scratch);

}  // namespace vx::bench

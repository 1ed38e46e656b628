// The fixed-disk test of the setup: it runs from, and installs to, a fixed
// disk only (not a removable disk, a CD or a network share).
#pragma once

#include <string>

namespace vx::setup {

// True when `root` ("C:\") is the root of a fixed disk.
bool IsFixedDisk(const std::wstring& root);

}  // namespace vx::setup

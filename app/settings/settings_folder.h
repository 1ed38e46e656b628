// The folder that holds the settings record, the font list and the disk-speed
// scratch file, with its trailing backslash. Everything the program keeps
// between runs goes through here, so that where it lives is decided once.
#pragma once

#include <string>

namespace vx {

std::wstring SettingsFolder();

}  // namespace vx

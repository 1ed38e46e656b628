// The folder of the running program's own file.
#pragma once

#include <string>

namespace vx {

// The folder, ending in "\".
std::wstring ProgramFileFolder();

}  // namespace vx

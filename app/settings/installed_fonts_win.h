// The fonts installed for the screen, as the system enumerates them.
#pragma once

#include <string>
#include <vector>

namespace vx {

// Every face name once, in the order of the system's enumeration, without
// the names that the settings record could not hold.
std::vector<std::wstring> InstalledFontNames();

}  // namespace vx

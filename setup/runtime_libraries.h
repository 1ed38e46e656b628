// The shared runtime libraries that the setup puts into the system folder
// when they are not there yet. The programs link their runtime statically,
// so there are none to put; the rule stays for a program that needs one.
#pragma once

#include <array>
#include <string>

namespace vx::setup {

// Library file names, taken from the setup folder.
inline constexpr std::array<const wchar_t*, 0> kRuntimeLibraries{};

// The system folder below `windir`: "system32\" on the NT family (`os`, the
// "OS" variable, holds "NT" in that case), "system\" on the others.
std::wstring RuntimeSystemFolder(const std::wstring& windir, const std::wstring& os);

}  // namespace vx::setup

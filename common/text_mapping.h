// Full-width to narrow and upper to lower case in one step, as the search
// field's byte values need it: a person typing in a Japanese input method
// often gets "４Ｄ" where "4d" was meant. The Win32 twin asks the system's
// string mapping for Japanese; the POSIX twin covers the ASCII range only.
#pragma once

#include <string>
#include <string_view>

namespace vx {

std::wstring NarrowAndLower(std::wstring_view text);

}  // namespace vx

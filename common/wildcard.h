// File-name patterns as the Windows shell reads them: "*" stands for any run
// of characters, "?" for exactly one, letters match regardless of case.
#pragma once

#include <string_view>

namespace vx {

bool HasWildcard(std::wstring_view name);

// A pattern ending in ".*" also matches the name without any extension, so
// "*.*" matches every name, as it does on Windows.
bool MatchesWildcard(std::wstring_view pattern, std::wstring_view name);

}  // namespace vx

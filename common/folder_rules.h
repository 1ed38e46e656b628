// How Windows reads the name of a folder, for telling whether a name is a
// drive root, whether two names are one folder and whether one folder holds
// another. Everything here works on the text alone.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vx {

// The name as Windows resolves it lexically: "/" read as "\", a "\\?\" or
// "\\.\" prefix dropped, doubled marks read as one, "." parts dropped, ".."
// climbing one part (never above the root), the dots and blanks that end a
// part dropped. Letter case is kept; no final "\" except on a bare root.
std::wstring CollapsePath(std::wstring_view path);

// A drive root however it is written: "C:", "c:\", "\", "\\server\share\",
// "C:\Windows\..\".
bool IsRootFolder(std::wstring_view path);

// `inner` is the folder `outer` or lies below it; letters in either case.
bool IsSameOrBelow(std::wstring_view inner, std::wstring_view outer);

// A folder that must never be erased: a drive root, one of
// `system_folders`, or a folder that holds one of them.
bool IsProtectedFolder(std::wstring_view folder, const std::vector<std::wstring>& system_folders);

}  // namespace vx

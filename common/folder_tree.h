// Whole folder trees: listed and copied. Folder names end in "\"
// (one is added where it is missing). Pending window messages run between
// the entries of every listing, so that a window stays responsive.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vx {

// What a listing gives: files (of every kind) or folders, whose names end in "\".
enum class Listed { Files, Folders };
// How a listing names them: relative to the folder listed, or in full.
enum class Naming { Relative, Full };

// One level of `folder`, in listing order.
std::vector<std::wstring> ListOneLevel(const std::wstring& folder, Listed listed, Naming naming);
// The whole tree below `folder`: each folder's own entries before those of
// its subfolders. Links to folders are listed but not entered.
std::vector<std::wstring> ListWholeTree(const std::wstring& folder, Listed listed, Naming naming);

// Copies the tree `from` into `to`: folders first, then the files, each over
// an older one, keeping its time of last change. The copied files' full
// target paths; nothing when a file could not be copied (the copy stops
// there; what was copied stays) or when `to` lies in `from` (then nothing
// is touched).
std::optional<std::vector<std::wstring>> CopyTree(const std::wstring& from, const std::wstring& to);

}  // namespace vx

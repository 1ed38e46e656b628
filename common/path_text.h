// Path texts, worked on as text alone. A folder "with a mark" ends in one "\".
#pragma once

#include <string>

namespace vx {

// `path` ending in one "\" (the empty text gives "\" alone).
std::wstring WithFolderMark(const std::wstring& path);
// `path` without its last "\", when it ends in one; only one goes.
std::wstring WithoutFolderMark(const std::wstring& path);
// The file's own name: the part after the last "\" (all of `path` when
// there is none).
std::wstring FileNamePart(const std::wstring& path);
// The folder: the part up to and including the last "\" (empty when there
// is none).
std::wstring FolderPart(const std::wstring& path);
// The text after the last ".", in lower case; empty without a dot.
std::wstring LowerCaseExtension(const std::wstring& name);

}  // namespace vx

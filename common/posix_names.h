// Name conversion for the POSIX twins of the seams: the programs speak Windows
// paths in UTF-16 terms, the native file system speaks UTF-8 with "/".
#pragma once

#include <string>
#include <string_view>

namespace vx {

std::string Utf8FromWide(std::wstring_view text);
std::wstring WideFromUtf8(std::string_view text);
// "\" becomes "/"; the text is UTF-8.
std::string PosixPath(std::wstring_view name);

}  // namespace vx

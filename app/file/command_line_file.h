// The file that Vantelox is started on, as its command line names it.
#pragma once

#include <string>

namespace vx {

// The file that the command line names, in its long form; empty for none.
std::wstring FileNameFromCommandLine(const std::wstring& command_line);

// The long form of `path`, or `path` itself when the system knows none.
std::wstring LongPathOf(const std::wstring& path);

}  // namespace vx

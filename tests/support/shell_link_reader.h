#pragma once

#include <string>

namespace vx::test {

// What a shortcut made by WriteShellLink holds, read back the platform's way
// (IShellLinkW natively on Windows; a symbolic link's target, and nothing
// else, in the native build). All empty when it cannot be read.
struct ShellLinkContents {
  std::wstring target;
  std::wstring arguments;
  std::wstring working_folder;
};
ShellLinkContents ReadShellLink(const std::wstring& link_file);

}  // namespace vx::test

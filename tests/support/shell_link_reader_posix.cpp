#include <unistd.h>

#include "common/posix_names.h"
#include "tests/support/shell_link_reader.h"

namespace vx::test {

ShellLinkContents ReadShellLink(const std::wstring& link_file) {
  char target[4096];
  const ssize_t n = ::readlink(PosixPath(link_file).c_str(), target, sizeof target);
  if (n <= 0) return {};
  ShellLinkContents contents;
  contents.target = WideFromUtf8(std::string(target, static_cast<size_t>(n)));
  for (wchar_t& c : contents.target) {
    if (c == L'/') c = L'\\';
  }
  return contents;
}

}  // namespace vx::test

#include <unistd.h>

#include "common/posix_names.h"
#include "common/shell_link.h"

namespace vx {

bool WriteShellLink(const std::wstring& link_file, const std::wstring& target) {
  const std::string link = PosixPath(link_file);
  ::unlink(link.c_str());  // an older link of the name is replaced
  return ::symlink(PosixPath(target).c_str(), link.c_str()) == 0;
}

std::wstring ReadShellLinkTarget(const std::wstring& link_file) {
  char target[4096];
  const ssize_t n = ::readlink(PosixPath(link_file).c_str(), target, sizeof target);
  if (n <= 0 || n >= static_cast<ssize_t>(sizeof target)) return {};
  std::wstring name = WideFromUtf8(std::string_view(target, static_cast<size_t>(n)));
  for (wchar_t& c : name) {
    if (c == L'/') c = L'\\';
  }
  return name;
}

}  // namespace vx

#include <unistd.h>

#include "common/posix_names.h"
#include "common/shell_link.h"

namespace vx {

// A symbolic link holds no arguments; Arguments is dropped here.
bool WriteShellLink(const std::wstring& LinkFile, const std::wstring& Target, const std::wstring&) {
  const std::string link = PosixPath(LinkFile);
  ::unlink(link.c_str());  // an older link of the name is replaced
  return ::symlink(PosixPath(Target).c_str(), link.c_str()) == 0;
}

}  // namespace vx

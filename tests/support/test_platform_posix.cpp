#include <unistd.h>

#include <cstdlib>

#include "common/posix_names.h"
#include "tests/support/test_platform.h"

namespace vx::test {

bool PlatformReadyForTests() { return true; }

std::wstring TempRoot() {
  const char* dir = std::getenv("TMPDIR");
  std::wstring root = WideFromUtf8(dir && *dir ? dir : "/tmp");
  for (wchar_t& c : root) {
    if (c == L'/') c = L'\\';
  }
  if (root.back() != L'\\') root += L'\\';
  return root;
}

unsigned long ProcessNumber() { return static_cast<unsigned long>(getpid()); }

}  // namespace vx::test

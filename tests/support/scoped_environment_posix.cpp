#include <cstdlib>

#include "common/posix_names.h"
#include "tests/support/scoped_environment.h"

namespace vx::test {

void SetEnvironmentForTest(const std::wstring& name, const std::optional<std::wstring>& value) {
  const std::string key = Utf8FromWide(name);
  if (value) {
    ::setenv(key.c_str(), Utf8FromWide(*value).c_str(), 1);
  } else {
    ::unsetenv(key.c_str());
  }
}

}  // namespace vx::test

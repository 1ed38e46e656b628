#include <windows.h>

#include "tests/support/scoped_environment.h"

namespace vx::test {

// The same process block that GetEnvironmentVariableW reads.
void SetEnvironmentForTest(const std::wstring& name, const std::optional<std::wstring>& value) {
  SetEnvironmentVariableW(name.c_str(), value ? value->c_str() : nullptr);
}

}  // namespace vx::test

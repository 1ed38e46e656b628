#pragma once

#include <optional>
#include <string>

namespace vx::test {

// Sets (or, with std::nullopt, removes) an environment variable for one test
// and puts back what was there before.
class ScopedEnvironment {
 public:
  ScopedEnvironment(std::wstring name, const std::optional<std::wstring>& value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::wstring name_;
  std::optional<std::wstring> previous_;
};

// The platform's own setter (scoped_environment_posix.cpp / _win.cpp);
// std::nullopt removes the variable.
void SetEnvironmentForTest(const std::wstring& name, const std::optional<std::wstring>& value);

}  // namespace vx::test

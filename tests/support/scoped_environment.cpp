#include "tests/support/scoped_environment.h"

#include <utility>

#include "common/environment.h"

namespace vx::test {

ScopedEnvironment::ScopedEnvironment(std::wstring name, const std::optional<std::wstring>& value)
    : name_(std::move(name)) {
  // The reader cannot tell "set but empty" from "unset"; unset is the safer guess.
  std::wstring old = GetEnvironmentText(name_);
  if (!old.empty()) previous_ = std::move(old);
  SetEnvironmentForTest(name_, value);
}

ScopedEnvironment::~ScopedEnvironment() { SetEnvironmentForTest(name_, previous_); }

}  // namespace vx::test

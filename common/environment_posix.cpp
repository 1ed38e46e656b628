#include <cstdlib>

#include "common/environment.h"
#include "common/posix_names.h"

namespace vx {

std::wstring GetEnvironmentText(const std::wstring& name) {
  const char* value = std::getenv(Utf8FromWide(name).c_str());
  return value ? WideFromUtf8(value) : std::wstring();
}

}  // namespace vx

#include <windows.h>

#include "common/environment.h"

namespace vx {

std::wstring GetEnvironmentText(const std::wstring& name) {
  const DWORD needed = GetEnvironmentVariableW(name.c_str(), nullptr, 0);
  if (needed == 0) return {};
  std::wstring value(needed, L'\0');
  const DWORD got = GetEnvironmentVariableW(name.c_str(), value.data(), needed);
  value.resize(got < needed ? got : 0);
  return value;
}

}  // namespace vx

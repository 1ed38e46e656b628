// Environment variables, for the rules that depend on them (the "OS" variable
// tells the NT family from the 95 family).
#pragma once

#include <string>

namespace vx {

// The variable's value; empty when it is not set.
std::wstring GetEnvironmentText(const std::wstring& name);

}  // namespace vx

#pragma once

#include <windows.h>

#include <string>

namespace vx::test {

// Looks at the registry directly, apart from the class under test.
bool KeyExists(HKEY root, const std::wstring& path);
// A REG_SZ value's text, or "(missing)".
std::wstring TextValue(HKEY root, const std::wstring& key, const wchar_t* name);

}  // namespace vx::test

#pragma once

#include <string>

namespace vx::test {

// False, after saying why on standard error, when the platform cannot run the
// tests faithfully (under Wine: the ANSI code page is not 932).
bool PlatformReadyForTests();

// A folder for scratch files, as a Windows path ending in "\".
std::wstring TempRoot();

// A number unique to this process, for scratch names.
unsigned long ProcessNumber();

}  // namespace vx::test

#include <windows.h>

#include <cstdio>

#include "tests/support/test_platform.h"

namespace vx::test {

bool PlatformReadyForTests() {
  if (GetACP() == 932) return true;
  std::fprintf(stderr,
               "\n*** The ANSI code page is %u, not 932. Run the tests through ./vx test:\n"
               "*** it starts Wine with LANG=ja_JP.UTF-8 (locale ja_JP.UTF-8 generated).\n\n",
               GetACP());
  return false;
}

std::wstring TempRoot() {
  wchar_t buffer[MAX_PATH + 1];
  const DWORD n = GetTempPathW(MAX_PATH + 1, buffer);
  std::wstring root(buffer, n);
  if (root.empty() || root.back() != L'\\') root += L'\\';
  return root;
}

unsigned long ProcessNumber() { return GetCurrentProcessId(); }

}  // namespace vx::test

#include "tests/support/unix_side_win.h"

#include <windows.h>

#include "common/code_page.h"

namespace vx::test {

std::string UnixName(const std::wstring& windows_name) {
  using ToUnix = char*(__cdecl*)(const wchar_t*);
  const auto to_unix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
  if (!to_unix) return {};
  char* name = to_unix(windows_name.c_str());
  if (!name) return {};
  std::string unix_name(name);
  HeapFree(GetProcessHeap(), 0, name);
  return unix_name;
}

bool StartUnix(const std::string& command) {
  std::wstring line = L"/bin/sh -c \"" + FromShiftJis(command) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(L"Z:\\bin\\sh", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace vx::test

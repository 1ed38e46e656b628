#include "tests/support/command_output_win.h"

#include <windows.h>

#include "tests/support/handle_win.h"

namespace vx::test {

std::string CommandOutput(const std::wstring& command_line) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read_raw = nullptr;
  HANDLE write_raw = nullptr;
  if (!CreatePipe(&read_raw, &write_raw, &inherit, 0)) return {};
  Handle read_end(read_raw);
  Handle write_end(write_raw);
  SetHandleInformation(read_raw, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = write_raw;
  startup.hStdError = write_raw;
  PROCESS_INFORMATION process{};
  std::wstring line = command_line;
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &startup, &process)) {
    return {};
  }
  Handle process_handle(process.hProcess);
  Handle thread_handle(process.hThread);
  write_end.reset();  // the pipe ends when the child's copy closes

  std::string output;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(read_raw, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    output.append(buffer, got);
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  return output;
}

}  // namespace vx::test

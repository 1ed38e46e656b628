// Handing a file to the shell goes through ShellOpen, so that a test can see
// what would have been started. The real one is ShellExecuteW.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace vx {

struct ShellRequest {
  HWND owner = nullptr;
  std::wstring verb;
  std::wstring file;
  std::wstring parameters;
  std::wstring folder;  // the working folder
  int show = SW_SHOWNORMAL;
};

// The result is not reported: the shell tells the person itself when the
// file or a program for it is missing.
void ShellOpen(const ShellRequest& request);

// Replaces the real shell (tests); an empty handler restores it.
void SetShellHandler(std::function<void(const ShellRequest&)> handler);

}  // namespace vx

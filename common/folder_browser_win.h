// Choosing a folder goes through BrowseForFolder, so that a test can answer
// it and see what was asked. The real one is the shell's folder browser.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace vx {

struct FolderBrowserRequest {
  HWND owner = nullptr;
  std::wstring title;
  // The folder the browser starts from, as a folder identifier (CSIDL).
  int root = 0;
  // BROWSEINFOW's flags.
  UINT flags = 0;
};

// The chosen folder's path; empty when the person cancelled.
std::wstring BrowseForFolder(const FolderBrowserRequest& request);

// Replaces the real browser (tests); an empty handler restores it.
void SetFolderBrowserHandler(std::function<std::wstring(const FolderBrowserRequest&)> handler);

}  // namespace vx

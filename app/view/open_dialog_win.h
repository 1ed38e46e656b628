// The open-file dialog goes through ShowOpenDialog, so that a test can answer
// it and see what was asked. The real one is the system's common dialog.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace vx {

struct OpenDialogRequest {
  HWND owner = nullptr;  // disabled while the dialog is shown
  std::wstring title;
  std::wstring filter;  // NUL-separated, ending in two NULs (DialogFilter)
  uint32_t flags = 0;
};

// Returns the chosen full path; empty when the person cancelled.
using OpenDialogHandler = std::function<std::wstring(const OpenDialogRequest&)>;

std::wstring ShowOpenDialog(const OpenDialogRequest& request);

// Replaces the real dialog (tests); an empty handler restores it.
void SetOpenDialogHandler(OpenDialogHandler handler);

}  // namespace vx

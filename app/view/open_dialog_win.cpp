#include "app/view/open_dialog_win.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include <algorithm>
#include <utility>

namespace vx {
namespace {

// Both buffers hold this many characters; a longer path makes the dialog fail.
constexpr DWORD kBufferLength = 2600;

OpenDialogHandler& Handler() {
  static OpenDialogHandler handler;
  return handler;
}

std::wstring SystemOpenDialog(const OpenDialogRequest& request) {
  std::wstring file(kBufferLength, L'\0');
  std::wstring file_title(kBufferLength, L'\0');
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = request.owner;
  ofn.lpstrFilter = request.filter.c_str();
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = kBufferLength;
  ofn.lpstrFileTitle = file_title.data();
  ofn.nMaxFileTitle = kBufferLength;
  ofn.lpstrTitle = request.title.c_str();
  ofn.Flags = request.flags;
  // The W entry point: a file name never passes through a narrow code page.
  if (!GetOpenFileNameW(&ofn)) return {};
  std::erase(file, L'\0');
  return file;
}

}  // namespace

std::wstring ShowOpenDialog(const OpenDialogRequest& request) {
  if (Handler()) return Handler()(request);
  return SystemOpenDialog(request);
}

void SetOpenDialogHandler(OpenDialogHandler handler) { Handler() = std::move(handler); }

}  // namespace vx

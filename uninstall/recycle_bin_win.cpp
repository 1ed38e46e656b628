#include "uninstall/recycle_bin_win.h"

#include <shellapi.h>

namespace vx::uninstall {

void DeleteIntoRecycleBin(HWND owner, const std::wstring& path) {
  // The source is a list of names ended by an empty one: two NULs at the end.
  std::wstring from = path;
  from.push_back(L'\0');
  SHFILEOPSTRUCTW operation{};
  operation.hwnd = owner;
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.pTo = nullptr;
  operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_NOERRORUI;
  operation.lpszProgressTitle = L"";
  SHFileOperationW(&operation);
}

}  // namespace vx::uninstall

#include "common/installer/special_folder_win.h"

// shlobj.h needs windows.h before it.
#include <shlobj.h>

#include "common/path_text.h"

namespace vx {

std::wstring SpecialFolderPath(HWND owner, int folder_id) {
  wchar_t path[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(owner, path, folder_id, FALSE)) path[0] = L'\0';
  return WithFolderMark(path);
}

}  // namespace vx

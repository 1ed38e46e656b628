#include "common/program_folder_win.h"

#include <windows.h>

#include <iterator>

#include "common/path_text.h"

namespace vx {

std::wstring ProgramFileFolder() {
  wchar_t path[MAX_PATH * 4];
  const DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  return FolderPart(std::wstring(path, n));
}

}  // namespace vx

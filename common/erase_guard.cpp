#include "common/erase_guard.h"

#include "common/file_seam.h"
#include "common/folder_rules.h"
#include "common/system_folders.h"

namespace vx {

bool MayEraseFolder(const std::wstring& folder, const std::vector<std::wstring>& system_folders) {
  const std::wstring full = fs::FullPathName(folder);
  for (const std::wstring& name : {folder, full, fs::LongPathName(full)}) {
    if (!name.empty() && IsProtectedFolder(name, system_folders)) return false;
  }
  return true;
}

bool MayEraseFolder(const std::wstring& folder) { return MayEraseFolder(folder, SystemFolders()); }

}  // namespace vx

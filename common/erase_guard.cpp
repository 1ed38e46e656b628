#include "common/erase_guard.h"

#include "common/file_seam.h"
#include "common/folder_rules.h"
#include "common/system_folders.h"

namespace vx {

bool MayEraseFolder(const std::wstring& DirName, const std::vector<std::wstring>& system_folders) {
  const std::wstring full = fs::FullPathName(DirName);
  for (const std::wstring& name : {DirName, full, fs::LongPathName(full)}) {
    if (!name.empty() && IsProtectedFolder(name, system_folders)) return false;
  }
  return true;
}

bool MayEraseFolder(const std::wstring& DirName) {
  return MayEraseFolder(DirName, SystemFolders());
}

}  // namespace vx

#include "uninstall/removal_rules.h"

#include "common/folder_rules.h"
#include "common/wildcard.h"
#include "uninstall/uninstall_texts.h"

namespace vx::uninstall {

bool IsAbsoluteFolder(const std::wstring& folder) {
  const bool drive =
      folder.size() >= 3 && folder[1] == L':' && folder[2] == L'\\' &&
      ((folder[0] >= L'A' && folder[0] <= L'Z') || (folder[0] >= L'a' && folder[0] <= L'z'));
  return drive || folder.starts_with(L"\\\\");
}

std::vector<std::wstring> FilesInsideFolder(const std::wstring& InstallFolder,
                                            const std::vector<std::wstring>& paths) {
  std::vector<std::wstring> inside;
  if (!IsAbsoluteFolder(InstallFolder)) return inside;
  for (const std::wstring& path : paths) {
    // The folder itself is no file of it.
    if (HasWildcard(path) || IsSameOrBelow(InstallFolder, path)) continue;
    if (IsSameOrBelow(path, InstallFolder)) inside.push_back(path);
  }
  return inside;
}

std::vector<std::wstring> ResultMessages(const std::vector<std::wstring>& ErrorList) {
  if (ErrorList.size() <= 1) return {uninstall_texts::kSucceeded};
  std::wstring joined;
  for (size_t i = 0; i < ErrorList.size(); ++i) {
    if (i > 0) joined += L"\r\n";
    joined += ErrorList[i];
  }
  return {joined, uninstall_texts::kSomeLeft};
}

}  // namespace vx::uninstall

#include "common/file_operations.h"

#include "common/missing_folders.h"
#include "common/wildcard.h"

namespace vx {

bool DeleteExactFile(const std::wstring& path) {
  // A "*" or "?" is never read as a pattern, and a name cut at a NUL would
  // delete another file than the one named.
  return !path.empty() && !HasWildcard(path) && path.find(L'\0') == std::wstring::npos &&
         fs::RemoveFile(path);
}

fs::File OpenOrMakeFile(const std::wstring& path) {
  const bool network = path.starts_with(L"\\\\");
  const bool folders_ready =
      network || (path.find(L'\\') != std::wstring::npos && MakeMissingFolders(path));
  if (path.empty() || !folders_ready) return fs::File();
  return fs::OpenFile(path, true, fs::Share::ReadWrite);
}

fs::File MakeEmptyFile(const std::wstring& path) {
  if (fs::FileExists(path) && !DeleteExactFile(path)) return fs::File();
  return OpenOrMakeFile(path);
}

bool MakeFolders(const std::wstring& path) { return !path.empty() && MakeMissingFolders(path); }

}  // namespace vx

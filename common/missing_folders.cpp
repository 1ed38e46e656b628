#include "common/missing_folders.h"

#include "common/file_seam.h"

namespace vx {

bool MakeMissingFolders(const std::wstring& path) {
  // "\\server\share\" spans the first four marks of a network path.
  const bool network = path.starts_with(L"\\\\");
  int marks_to_skip = network ? 4 : 0;
  for (size_t mark = path.find(L'\\'); mark != std::wstring::npos;
       mark = path.find(L'\\', mark + 1)) {
    if (marks_to_skip > 0) {
      --marks_to_skip;
      continue;
    }
    const std::wstring folder = path.substr(0, mark + 1);
    if (!fs::FolderExists(folder) && !fs::MakeFolder(folder)) return false;
  }
  return true;
}

}  // namespace vx

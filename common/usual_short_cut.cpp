// Usual's shortcuts.
#include "common/shell_link.h"
#include "common/system_folders.h"
#include "common/usual.h"

namespace vx {

std::wstring ShortCutFolderArgument(const std::wstring& Path, bool InProgramMenu) {
  const std::wstring prefix = InProgramMenu ? L"" : L"..\\..\\..\\..\\..\\..";
  std::wstring folder = Path.starts_with(L'\\') ? Path : L"\\" + Path;
  const size_t colon = folder.find(L':');
  if (colon != std::wstring::npos) folder.erase(0, colon + 1);
  if (folder.ends_with(L'\\')) folder.pop_back();
  return prefix + folder;
}

// Six levels up from the program menu was the drive root only before the
// user profiles moved; today (and under Wine) it is the profile, so the
// link goes straight to the absolute folder, which is what callers mean.
int Usual::MakeShortCut(const std::wstring& Path, const std::wstring& Title,
                        const std::wstring& Linkto, bool InProgramMenu,
                        const std::wstring& CommandLine) const {
  if (Title.empty() || (Path.empty() && !InProgramMenu)) return -1;
  std::wstring folder = Path;
  if (InProgramMenu) {
    const std::wstring menu = ProgramMenuFolder();
    if (menu.empty()) return -1;
    folder = EraseDirMark(menu) + ShortCutFolderArgument(Path, true);
  }
  folder = AddDirMark(folder);
  if (MakeDir(folder, false) != 0) return -1;
  return WriteShellLink(folder + Title + L".lnk", Linkto, CommandLine) ? 0 : -1;
}

}  // namespace vx

#include <windows.h>
// shlobj.h needs windows.h before it.
#include <shlobj.h>

#include "common/environment.h"
#include "common/system_folders.h"

namespace vx {
namespace {

std::wstring SpecialFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  return path;
}

constexpr int kSystemFolderIds[] = {
    CSIDL_WINDOWS,
    CSIDL_SYSTEM,
    CSIDL_SYSTEMX86,
    CSIDL_PROGRAM_FILES,
    CSIDL_PROGRAM_FILESX86,
    CSIDL_PROGRAM_FILES_COMMON,
    CSIDL_PROFILE,
    CSIDL_DESKTOPDIRECTORY,
    CSIDL_PERSONAL,
    CSIDL_PROGRAMS,
    CSIDL_STARTMENU,
    CSIDL_STARTUP,
    CSIDL_SENDTO,
    CSIDL_FAVORITES,
    CSIDL_TEMPLATES,
    CSIDL_MYMUSIC,
    CSIDL_MYPICTURES,
    CSIDL_MYVIDEO,
    CSIDL_APPDATA,
    CSIDL_LOCAL_APPDATA,
    CSIDL_FONTS,
    CSIDL_COMMON_APPDATA,
    CSIDL_COMMON_DESKTOPDIRECTORY,
    CSIDL_COMMON_DOCUMENTS,
    CSIDL_COMMON_PROGRAMS,
    CSIDL_COMMON_STARTMENU,
};

}  // namespace

std::wstring ProgramMenuFolder() {
  std::wstring folder = SpecialFolder(CSIDL_PROGRAMS);
  if (!folder.empty() && !folder.ends_with(L'\\')) folder += L'\\';
  return folder;
}

std::vector<std::wstring> SystemFolders() {
  std::vector<std::wstring> folders;
  for (const int id : kSystemFolderIds) {
    std::wstring folder = SpecialFolder(id);
    if (!folder.empty()) folders.push_back(std::move(folder));
  }
  // The profile as the environment names it, where the user's files are.
  std::wstring profile = GetEnvironmentText(L"USERPROFILE");
  if (!profile.empty()) folders.push_back(std::move(profile));
  return folders;
}

}  // namespace vx

// The native build's stand-ins: the home folder plays the user's profile,
// the XDG applications folder the program menu.
#include "common/environment.h"
#include "common/system_folders.h"

namespace vx {
namespace {

std::wstring AsWindowsName(std::wstring path) {
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

}  // namespace

std::wstring ProgramMenuFolder() {
  std::wstring data = GetEnvironmentText(L"XDG_DATA_HOME");
  if (data.empty()) {
    const std::wstring home = GetEnvironmentText(L"HOME");
    if (home.empty()) return {};
    data = home + L"/.local/share";
  }
  return AsWindowsName(data + L"/applications/");
}

std::vector<std::wstring> SystemFolders() {
  std::vector<std::wstring> folders = {L"\\bin", L"\\boot", L"\\etc", L"\\lib",
                                       L"\\usr", L"\\var",  L"\\tmp"};
  const std::wstring home = GetEnvironmentText(L"HOME");
  if (!home.empty()) folders.push_back(AsWindowsName(home));
  return folders;
}

}  // namespace vx

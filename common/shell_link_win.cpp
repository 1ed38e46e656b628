#include <windows.h>
// shlobj.h needs windows.h before it.
#include <shlobj.h>

#include "common/com_win.h"
#include "common/shell_link.h"

namespace vx {

bool WriteShellLink(const std::wstring& link_file, const std::wstring& target) {
  const ComApartment apartment;
  const ComPtr<IShellLinkW> link = MakeComObject<IShellLinkW>(CLSID_ShellLink);
  if (!link) return false;
  const size_t mark = target.rfind(L'\\');
  const std::wstring folder = mark == std::wstring::npos ? std::wstring() : target.substr(0, mark);
  if (FAILED(link->SetPath(target.c_str())) || FAILED(link->SetWorkingDirectory(folder.c_str()))) {
    return false;
  }
  const ComPtr<IPersistFile> file = QueryCom<IPersistFile>(link.get());
  return file && SUCCEEDED(file->Save(link_file.c_str(), TRUE));
}

std::wstring ReadShellLinkTarget(const std::wstring& link_file) {
  const ComApartment apartment;
  const ComPtr<IShellLinkW> link = MakeComObject<IShellLinkW>(CLSID_ShellLink);
  const ComPtr<IPersistFile> file = link ? QueryCom<IPersistFile>(link.get()) : nullptr;
  if (!file || FAILED(file->Load(link_file.c_str(), STGM_READ))) return {};
  wchar_t target[MAX_PATH] = {};
  if (link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH) != S_OK) return {};
  return target;
}

}  // namespace vx

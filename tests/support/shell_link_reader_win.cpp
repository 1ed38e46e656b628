#include <windows.h>
// shlobj.h needs windows.h before it.
#include <shlobj.h>

#include "common/com_win.h"
#include "tests/support/shell_link_reader.h"

namespace vx::test {

ShellLinkContents ReadShellLink(const std::wstring& link_file) {
  const ComApartment apartment;
  const ComPtr<IShellLinkW> link = MakeComObject<IShellLinkW>(CLSID_ShellLink);
  const ComPtr<IPersistFile> file = link ? QueryCom<IPersistFile>(link.get()) : nullptr;
  if (!file || FAILED(file->Load(link_file.c_str(), STGM_READ))) return {};
  wchar_t target[MAX_PATH] = {};
  wchar_t arguments[MAX_PATH] = {};
  wchar_t folder[MAX_PATH] = {};
  if (link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH) != S_OK ||
      FAILED(link->GetArguments(arguments, MAX_PATH)) ||
      FAILED(link->GetWorkingDirectory(folder, MAX_PATH))) {
    return {};
  }
  return {target, arguments, folder};
}

}  // namespace vx::test

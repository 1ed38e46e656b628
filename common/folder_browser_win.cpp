#include "common/folder_browser_win.h"

// shlobj.h needs windows.h before it.
#include <shlobj.h>

#include <memory>
#include <utility>

#include "common/com_win.h"

namespace vx {
namespace {

std::function<std::wstring(const FolderBrowserRequest&)>& Handler() {
  static std::function<std::wstring(const FolderBrowserRequest&)> handler;
  return handler;
}

struct ItemListDeleter {
  void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};
using ItemList = std::unique_ptr<ITEMIDLIST, ItemListDeleter>;

std::wstring ShellFolderBrowser(const FolderBrowserRequest& request) {
  const ComApartment apartment;
  ITEMIDLIST* root_list = nullptr;
  SHGetSpecialFolderLocation(request.owner, request.root, &root_list);
  const ItemList root(root_list);
  wchar_t display_name[MAX_PATH] = {};
  BROWSEINFOW info{};
  info.hwndOwner = request.owner;
  info.pidlRoot = root.get();
  info.pszDisplayName = display_name;
  info.lpszTitle = request.title.c_str();
  info.ulFlags = request.flags;
  const ItemList chosen(SHBrowseForFolderW(&info));
  if (!chosen) return {};
  wchar_t path[MAX_PATH] = {};
  if (!SHGetPathFromIDListW(chosen.get(), path)) return {};
  return path;  // up to its first NUL
}

}  // namespace

std::wstring BrowseForFolder(const FolderBrowserRequest& request) {
  return Handler() ? Handler()(request) : ShellFolderBrowser(request);
}

void SetFolderBrowserHandler(std::function<std::wstring(const FolderBrowserRequest&)> handler) {
  Handler() = std::move(handler);
}

}  // namespace vx

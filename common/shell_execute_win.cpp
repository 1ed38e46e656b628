#include "common/shell_execute_win.h"

#include <shellapi.h>

#include <utility>

namespace vx {
namespace {

std::function<void(const ShellRequest&)>& Handler() {
  static std::function<void(const ShellRequest&)> handler;
  return handler;
}

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

void ShellOpen(const ShellRequest& request) {
  if (Handler()) {
    Handler()(request);
    return;
  }
  ShellExecuteW(request.owner, OrNull(request.verb), request.file.c_str(),
                OrNull(request.parameters), OrNull(request.folder), request.show);
}

void SetShellHandler(std::function<void(const ShellRequest&)> handler) {
  Handler() = std::move(handler);
}

}  // namespace vx

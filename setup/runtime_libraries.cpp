#include "setup/runtime_libraries.h"

#include "common/path_text.h"

namespace vx::setup {

std::wstring RuntimeSystemFolder(const std::wstring& windir, const std::wstring& os) {
  return WithFolderMark(windir) +
         (os.find(L"NT") != std::wstring::npos ? L"system32\\" : L"system\\");
}

}  // namespace vx::setup

#include "setup/runtime_libraries.h"

#include "common/usual.h"

namespace vx::setup {

std::wstring RuntimeSystemFolder(const std::wstring& windir, const std::wstring& os) {
  return Usual().AddDirMark(windir) +
         (os.find(L"NT") != std::wstring::npos ? L"system32\\" : L"system\\");
}

}  // namespace vx::setup

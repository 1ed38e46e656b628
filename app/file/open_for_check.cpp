#include "app/file/open_for_check.h"

namespace vx {

fs::File OpenForCheck(const std::wstring& Fn) {
  if (Fn.empty()) return fs::File();
  return fs::OpenFile(Fn, true, fs::Share::ReadWrite);
}

}  // namespace vx

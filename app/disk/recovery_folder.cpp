#include "app/disk/recovery_folder.h"

namespace vx {
namespace {

std::wstring& Folder() {
  static std::wstring folder;
  return folder;
}

}  // namespace

void SetRecoveryFolder(const std::wstring& folder) { Folder() = folder; }

const std::wstring& RecoveryFolder() { return Folder(); }

}  // namespace vx

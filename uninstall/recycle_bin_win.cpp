#include "uninstall/recycle_bin_win.h"

#include <shellapi.h>

#include "common/file_seam.h"
#include "common/removal_rule.h"

namespace vx::uninstall {
namespace {

bool BinTakes(const std::wstring& file) {
  const std::wstring root = file.substr(0, 3);
  SHQUERYRBINFO info{};
  info.cbSize = sizeof info;
  return GetDriveTypeW(root.c_str()) == DRIVE_FIXED &&
         SUCCEEDED(SHQueryRecycleBinW(root.c_str(), &info));
}

RecycleBinCheck& Check() {
  static RecycleBinCheck check;
  return check;
}

}  // namespace

void SetRecycleBinCheck(RecycleBinCheck check) { Check() = std::move(check); }

bool MoveToRecycleBin(HWND owner, const std::wstring& file) {
  // Through a link the bin would take, or destroy, what the link leads to.
  if (!IsPlainFullName(file) ||
      !IsSamePlainName(fs::FinalPathName(file), fs::EntryFinalName(file))) {
    return false;
  }
  if (!(Check() ? Check()(file) : BinTakes(file))) return false;
  // The source is a list of names ended by an empty one: two NULs at the end.
  std::wstring from = file;
  from.push_back(L'\0');
  SHFILEOPSTRUCTW operation{};
  operation.hwnd = owner;
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.pTo = nullptr;
  // Should the bin fail after all, the system asks before it would destroy
  // the file (no silent delete for good).
  operation.fFlags =
      FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_NOERRORUI | FOF_WANTNUKEWARNING;
  operation.lpszProgressTitle = L"";
  return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted &&
         !fs::FileExists(file);
}

}  // namespace vx::uninstall

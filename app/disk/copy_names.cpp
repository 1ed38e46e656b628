#include "app/disk/copy_names.h"

#include "common/file_seam.h"
#include "common/path_text.h"
#include "common/removal_rule.h"
#include "common/text_case.h"

namespace vx {
namespace {

constexpr wchar_t kRestoreSuffix[] = L".VXRestore";
constexpr wchar_t kBackUpSuffix[] = L".VXPart";

}  // namespace

std::wstring RestoreTempPath(const std::wstring& path) { return path + kRestoreSuffix; }

std::wstring BackUpTempPath(const std::wstring& backup_path) {
  return backup_path + kBackUpSuffix;
}

bool IsPlainFileName(const std::wstring& name) {
  if (name.empty() || name.ends_with(L'\\') || fs::FullPathName(name) != name) return false;
  // The POSIX twin's names start at "\"; the parts must be plain all the same.
  return IsPlainFullName(name) || (name.starts_with(L'\\') && !name.starts_with(L"\\\\") &&
                                   IsPlainFullName(L"X:" + name));
}

bool IsOwnRestoreTemp(const std::wstring& path, const std::wstring& temp) {
  return IsPlainFileName(path) && temp == RestoreTempPath(path);
}

bool IsOwnBackUpTemp(const std::wstring& path, const std::wstring& temp) {
  const std::wstring suffix = kBackUpSuffix;
  if (!IsPlainFileName(path) || !IsPlainFileName(temp) || !temp.ends_with(suffix)) return false;
  const std::wstring backup = temp.substr(0, temp.size() - suffix.size());
  return FolderPart(backup) == FolderPart(path) && !FileNamePart(backup).empty() &&
         !SameName(backup, path) && !SameName(temp, path);
}

}  // namespace vx

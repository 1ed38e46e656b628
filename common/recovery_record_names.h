// The names of the recovery records that a long edit keeps in a settings
// folder ("Recovery<process>-<n>.dat"): the editor writes and repairs them;
// the uninstaller must leave a folder that still holds one.
#pragma once

#include <string_view>

namespace vx {

inline constexpr wchar_t kRecoveryRecordPrefix[] = L"Recovery";
inline constexpr wchar_t kRecoveryRecordExtension[] = L".dat";

inline bool IsRecoveryRecordName(std::wstring_view name) {
  const std::wstring_view prefix = kRecoveryRecordPrefix, extension = kRecoveryRecordExtension;
  return name.size() > prefix.size() + extension.size() && name.starts_with(prefix) &&
         name.ends_with(extension);
}

}  // namespace vx

// The names of the recovery records that a long edit keeps in a settings
// folder ("Recovery<process>-<n>.dat"): the editor writes and repairs them;
// the uninstaller must leave a folder that still holds one. A record that
// did not fit its file is set aside (".old", with its details in ".txt"):
// it may hold a person's bytes on their way, so it is never removed unasked.
#pragma once

#include <string_view>

namespace vx {

inline constexpr wchar_t kRecoveryRecordPrefix[] = L"Recovery";
inline constexpr wchar_t kRecoveryRecordExtension[] = L".dat";
inline constexpr wchar_t kSetAsideRecordExtension[] = L".old";
inline constexpr wchar_t kRecordDetailsExtension[] = L".txt";

// "Recovery" + something + `extension`.
inline bool IsRecoveryFileName(std::wstring_view name, std::wstring_view extension) {
  const std::wstring_view prefix = kRecoveryRecordPrefix;
  return name.size() > prefix.size() + extension.size() && name.starts_with(prefix) &&
         name.ends_with(extension);
}

inline bool IsRecoveryRecordName(std::wstring_view name) {
  return IsRecoveryFileName(name, kRecoveryRecordExtension);
}

inline bool IsSetAsideRecordName(std::wstring_view name) {
  return IsRecoveryFileName(name, kSetAsideRecordExtension) ||
         IsRecoveryFileName(name, kRecordDetailsExtension);
}

}  // namespace vx

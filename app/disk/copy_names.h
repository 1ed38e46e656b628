// The names the program gives the temporary copies of a backup and of a
// restore, and the test a left record's names must pass before the repair
// acts on them: a record is input that may say anything, so a name is used
// only when it is one the program itself would have made for that file.
#pragma once

#include <string>

namespace vx {

// Beside its target, so that the final rename stays on one volume and a
// copy cut short is never taken for a whole one.
std::wstring RestoreTempPath(const std::wstring& path);
std::wstring BackUpTempPath(const std::wstring& backup_path);

// A full name that means the same file to every reader: no relative part,
// no "." or "..", no wildcard, stream or device form, no final "\".
bool IsPlainFileName(const std::wstring& name);

// `temp` is the restore copy of `path`, or the backup copy of a backup of
// `path` (in its folder, and neither the file nor the backup itself).
bool IsOwnRestoreTemp(const std::wstring& path, const std::wstring& temp);
bool IsOwnBackUpTemp(const std::wstring& path, const std::wstring& temp);

}  // namespace vx

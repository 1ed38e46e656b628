// The folder that holds the settings record, the font list and the disk-speed
// scratch file, with its trailing backslash. Everything the program keeps
// between runs goes through here, so that where it lives is decided once.
//
// "VXSetting" beside the program when the program may write there (a copy
// run from a stick keeps its settings with it); otherwise the user's own
// "%APPDATA%\Morvane Soft\Vantelox\VXSetting", so that a standard user of an
// installed copy keeps settings too.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vx {

// Decided once for each program folder, at its first use.
std::wstring SettingsFolder();

// The two places, whether or not they are used.
std::wstring ProgramSettingsFolder();
// Empty when the user's application-data folder is unknown.
std::wstring UserSettingsFolder();

// The places where a "Setting.dat" is looked for, the one in use first: a
// readable record is read even where it cannot be written.
std::vector<std::wstring> SettingsReadFolders();

// Where the disk-speed test may write its scratch file before the first
// change of `file`: the settings folder, or the file's own folder (where
// the backup goes) when the settings cannot be written anywhere.
std::wstring SpeedTestFolder(const std::wstring& file);

// Whether the settings can be written in `folder`: it is made when missing,
// a scratch file can be made and removed in it, and a "Setting.dat" already
// there can be replaced. Tests replace it to say "cannot write here"; an
// empty function puts the real check back. Either way the decision is taken
// afresh.
using FolderWriteCheck = std::function<bool(const std::wstring& folder)>;
void SetFolderWriteCheck(FolderWriteCheck check);
bool CanWriteSettingsIn(const std::wstring& folder);

}  // namespace vx

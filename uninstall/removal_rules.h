// What the uninstaller may remove. The record and the list of copied files
// are input that anybody may have changed: nothing outside the recorded
// install folder is deleted on their word, and a folder that is relative, a
// drive root or one of the system's is not worked on at all.
#pragma once

#include <string>
#include <vector>

namespace vx::uninstall {

// A folder named from a drive root ("C:\...") or on a network share ("\\...").
bool IsAbsoluteFolder(const std::wstring& folder);

// The listed paths that name a file inside InstallFolder (below it, at any
// depth, once "." and ".." are resolved; letter case ignored) and hold no
// wildcard, in list order. Nothing when InstallFolder is not absolute.
std::vector<std::wstring> FilesInsideFolder(const std::wstring& InstallFolder,
                                            const std::vector<std::wstring>& paths);

// The message boxes that end the run: the success message when ErrorList
// (entry 0 empty, failures from 1) holds no failure; otherwise the failures
// joined with CR LF, then the summary.
std::vector<std::wstring> ResultMessages(const std::vector<std::wstring>& ErrorList);

}  // namespace vx::uninstall

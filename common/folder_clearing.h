// Walking a folder the installers made, one entry at a time, so that what a
// link leads to is never reached: the uninstaller then removes entry by
// entry what the rule lets go (uninstall/removal_rules.h), and a folder
// only once it is empty.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vx {

// A name as the file system reported it that may be joined to its folder:
// one holding "\", "/" or ":" would name another entry (or a stream).
bool IsJoinableName(std::wstring_view name);

// What a folder holds, walked without entering a link. Full names.
struct FolderSurvey {
  std::vector<std::wstring> files;    // files that are no link
  std::vector<std::wstring> links;    // links to folders or files: they go as links
  std::vector<std::wstring> folders;  // the folders below, each after its own, with a mark
  std::vector<std::wstring> refused;  // names that cannot be joined: never touched
};
FolderSurvey SurveyFolder(const std::wstring& folder);

}  // namespace vx

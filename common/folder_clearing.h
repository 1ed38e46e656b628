// Emptying a folder the installers made, one entry at a time, so that what a
// link leads to is never reached and only the files chosen go. No call here
// deletes a folder with its content: a folder goes only once it is empty.
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

// Removes every link of `survey` as a link and each of `files`, then every
// folder of the survey that is empty by then, deepest first, and `folder`
// itself when empty. What should have gone and is still there: links,
// `files` and `folder`, in that order.
std::vector<std::wstring> ClearFolder(const std::wstring& folder, const FolderSurvey& survey,
                                      const std::vector<std::wstring>& files);

}  // namespace vx

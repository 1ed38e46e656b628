// The list of copied files that the setup leaves in the install folder
// ("UnInstallData.Dat") for the uninstaller: a count line (the number in
// decimal digits), then one full path in double quotes a line; code page
// 932, every line ending in CR LF.
//
// The uninstaller deletes what the list names, so the reader takes the file
// as input that may be anything: it never allocates beyond its bounds, and
// it hands back only texts that can name a file.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// The most entries a list of the setup's may hold, far beyond any install:
// a longer one is no list of the setup's, and is not read.
inline constexpr size_t kMaxUninstallEntries = 10'000;

// The list's bytes for `files`. A name that the list could not give back exactly is left out
// (the install folder's erase removes that file all the same): one holding a
// quote, a line break or another character no file name has, or one that
// code page 932 cannot hold (it would come back with "?", a wildcard to a
// delete). The count line counts the lines that follow.
std::string FormatUninstallData(const std::vector<std::wstring>& files);

// Writes the list of `files` to `list_file`, replacing an older one; false
// when it could not be written (then no list is left there).
bool WriteUninstallData(const std::wstring& list_file, const std::vector<std::wstring>& files);

struct UninstallData {
  std::vector<std::wstring> paths;  // from index 0, in the list's order
  // False when the list was missing or unreadable, held fewer names than
  // its count, a negative count, a field longer than any path, or a field
  // that names no file (left out of `paths`).
  bool complete = false;
  // The count is over kMaxUninstallEntries: nothing was read.
  bool too_long = false;
};

// Reads a list: the first field's leading decimal number, to the nearest
// integer (0 when it starts with none), is the count; then that many fields,
// a quoted one without its quotes, an unquoted one up to a comma or the end
// of its line.
UninstallData ParseUninstallData(std::string_view bytes);
// `between_entries`, when given, runs between entries while a long list is
// read.
UninstallData ReadUninstallData(const std::wstring& list_file,
                                const std::function<void()>& between_entries = {});

}  // namespace vx

#include "common/folder_tree.h"

#include <utility>

#include "common/file_copy.h"
#include "common/file_operations.h"
#include "common/file_seam.h"
#include "common/folder_rules.h"
#include "common/path_text.h"
#include "common/pending_messages.h"

namespace vx {
namespace {

// The entries of one folder level, in listing order, with the window's
// pending messages run between them.
std::vector<fs::FolderEntry> ListLevel(const std::wstring& folder) {
  return fs::ListFolder(folder, LetPendingMessagesRun);
}

void CollectTree(const std::wstring& folder, Listed listed, std::vector<std::wstring>& names) {
  std::vector<std::wstring> own = ListOneLevel(folder, listed, Naming::Full);
  names.insert(names.end(), own.begin(), own.end());
  for (const fs::FolderEntry& entry : ListLevel(folder)) {
    if (entry.is_folder && !entry.is_link) CollectTree(folder + entry.name + L'\\', listed, names);
  }
}

// The folder as the system resolves it, for comparing two folders.
std::wstring ResolvedFolder(const std::wstring& folder) {
  std::wstring full = fs::FullPathName(folder);
  if (full.empty()) full = folder;
  const std::wstring long_name = fs::LongPathName(full);
  return long_name.empty() ? full : long_name;
}

}  // namespace

std::vector<std::wstring> ListOneLevel(const std::wstring& folder, Listed listed, Naming naming) {
  const std::wstring marked = WithFolderMark(folder);
  const bool want_folders = listed == Listed::Folders;
  std::vector<std::wstring> names;
  for (const fs::FolderEntry& entry : ListLevel(marked)) {
    if (entry.is_folder != want_folders) continue;
    std::wstring name = naming == Naming::Full ? marked + entry.name : entry.name;
    if (entry.is_folder) name += L'\\';
    names.push_back(std::move(name));
  }
  return names;
}

std::vector<std::wstring> ListWholeTree(const std::wstring& folder, Listed listed, Naming naming) {
  const std::wstring marked = WithFolderMark(folder);
  std::vector<std::wstring> names;
  CollectTree(marked, listed, names);
  if (naming == Naming::Relative) {
    for (std::wstring& name : names) name.erase(0, marked.size());
  }
  return names;
}

std::optional<std::vector<std::wstring>> CopyTree(const std::wstring& from,
                                                  const std::wstring& to) {
  const std::wstring source = WithFolderMark(from);
  const std::wstring target = WithFolderMark(to);
  // A copy into itself would copy without end.
  if (IsSameOrBelow(ResolvedFolder(target), ResolvedFolder(source))) return std::nullopt;
  if (!fs::FolderExists(target) && !MakeFolders(target)) return std::nullopt;
  for (const std::wstring& folder : ListWholeTree(source, Listed::Folders, Naming::Relative)) {
    if (!fs::FolderExists(target + folder)) MakeFolders(target + folder);
  }
  std::vector<std::wstring> copied;
  for (const std::wstring& file : ListWholeTree(source, Listed::Files, Naming::Relative)) {
    DeleteExactFile(target + file);
    if (!CopyFileFresh(source + file, target + file)) return std::nullopt;
    // A later setup compares this time to tell an older installed program
    // from a newer one; a time not kept costs only that judgement.
    fs::SetLastWriteTime(target + file, fs::LastWriteTime(source + file));
    copied.push_back(target + file);
  }
  return copied;
}

}  // namespace vx

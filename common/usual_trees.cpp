// Usual's folder trees: listing, copying and erasing whole trees.
#include <utility>

#include "common/erase_guard.h"
#include "common/file_copy.h"
#include "common/folder_rules.h"
#include "common/message_box.h"
#include "common/pending_messages.h"
#include "common/system_folders.h"
#include "common/usual.h"
#include "common/usual_texts.h"

namespace vx {
namespace {

// The entries of one folder level, in listing order, with the window's
// pending messages run between them.
std::vector<fs::FolderEntry> ListLevel(const std::wstring& folder) {
  return fs::ListFolder(folder, LetPendingMessagesRun);
}

std::wstring RemoveEvery(std::wstring text, const std::wstring& part) {
  if (part.empty()) return text;
  for (size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at)) {
    text.erase(at, part.size());
  }
  return text;
}

// The folder as the system resolves it, for comparing two folders.
std::wstring ResolvedFolder(const std::wstring& folder) {
  std::wstring full = fs::FullPathName(folder);
  if (full.empty()) full = folder;
  const std::wstring long_name = fs::LongPathName(full);
  return long_name.empty() ? full : long_name;
}

// A copy into itself would copy without end and, as a move, erase the copy;
// erasing a target that holds the source would erase the source unread.
bool CopyStaysOutsideItself(const std::wstring& from, const std::wstring& to, bool NewDir) {
  const std::wstring source = ResolvedFolder(from);
  const std::wstring target = ResolvedFolder(to);
  if (IsSameOrBelow(target, source)) return false;
  return !(NewDir && IsSameOrBelow(source, target));
}

}  // namespace

int Usual::GetFiles(const std::wstring& DirName, std::vector<std::wstring>& ResultM, int Attributes,
                    bool AddFullPath) const {
  const std::wstring folder = AddDirMark(DirName);
  const bool want_folders = (Attributes & kDirectoryAttribute) != 0;
  ResultM.clear();
  for (const fs::FolderEntry& entry : ListLevel(folder)) {
    if (entry.is_folder != want_folders) continue;
    std::wstring name = AddFullPath ? folder + entry.name : entry.name;
    if (entry.is_folder) name += L'\\';
    ResultM.push_back(std::move(name));
  }
  return static_cast<int>(ResultM.size()) - 1;
}

void Usual::CollectFiles(const std::wstring& DirName, std::vector<std::wstring>& ResultM,
                         int Attributes, bool AddFullPath) const {
  std::vector<std::wstring> own;
  GetFiles(DirName, own, Attributes, AddFullPath);
  ResultM.insert(ResultM.end(), own.begin(), own.end());
  const std::wstring folder = AddDirMark(DirName);
  for (const fs::FolderEntry& entry : ListLevel(folder)) {
    if (entry.is_folder && !entry.is_link) {
      CollectFiles(folder + entry.name + L'\\', ResultM, Attributes, AddFullPath);
    }
  }
}

int Usual::GetAllFiles(const std::wstring& DirName, std::vector<std::wstring>& ResultM,
                       int Attributes, bool AddFullPath) const {
  const std::wstring folder = AddDirMark(DirName);
  ResultM.assign(1, std::wstring());
  CollectFiles(folder, ResultM, Attributes, true);
  if (!AddFullPath) {
    for (size_t i = 1; i < ResultM.size(); ++i) ResultM[i] = RemoveEvery(ResultM[i], folder);
  }
  return static_cast<int>(ResultM.size()) - 1;
}

int Usual::MoveAllFilesEx(const std::wstring& FromDirName, const std::wstring& ToDirName,
                          int Method, std::vector<std::wstring>& ResultM, bool NewDir,
                          const std::wstring& NoMove) const {
  ResultM.assign(1, std::wstring());
  const std::wstring to = AddDirMark(ToDirName);
  const std::wstring from = AddDirMark(FromDirName);
  if (!CopyStaysOutsideItself(from, to, NewDir)) return -1;
  if (NewDir) EraseDir(ToDirName);

  std::vector<std::wstring> folders;
  GetAllFiles(from, folders, kDirectoryAttribute, false);
  for (const std::wstring& folder : folders) {  // index 0, the empty entry, makes `to` itself
    if (!fs::FolderExists(to + folder)) MakeDir(to + folder, true);
  }
  std::vector<std::wstring> files;
  GetAllFiles(from, files, kAllFileAttributes, false);
  for (size_t i = 1; i < files.size(); ++i) {
    if (files[i] == NoMove) continue;
    const std::wstring target = to + files[i];
    KillU(target, false);
    if (!CopyFileFresh(from + files[i], target)) return -1;
    // A later setup compares this time to tell an older installed program
    // from a newer one; a time not kept costs only that judgement.
    fs::SetLastWriteTime(target, fs::LastWriteTime(from + files[i]));
    ResultM.push_back(target);
  }
  if (Method == kMoveMethod) EraseDir(from);
  return 0;
}

void Usual::EraseDir(const std::wstring& DirName) const { EraseTree(DirName, SystemFolders()); }

void Usual::EraseTree(const std::wstring& DirName,
                      const std::vector<std::wstring>& system_folders) const {
  if (!fs::FolderExists(DirName)) return;
  if (!MayEraseFolder(DirName, system_folders)) {
    ShowMessage(std::wstring(usual_texts::kEraseRefused), MsgButtons::Ok, MsgIcon::None);
    return;
  }
  const std::wstring folder = AddDirMark(DirName);
  const std::vector<fs::FolderEntry> entries = ListLevel(folder);
  for (const fs::FolderEntry& entry : entries) {
    if (!entry.is_folder) continue;
    if (entry.is_link) {
      fs::RemoveFolder(folder + entry.name);
    } else {
      EraseTree(folder + entry.name + L'\\', system_folders);
    }
  }
  for (const fs::FolderEntry& entry : entries) {
    if (!entry.is_folder) fs::RemoveFile(folder + entry.name);
  }
  fs::RemoveFolder(EraseDirMark(folder));
}

}  // namespace vx

#include "setup/distribution.h"

#include "common/erase_guard.h"
#include "common/file_copy.h"
#include "common/file_operations.h"
#include "common/file_seam.h"
#include "common/folder_rules.h"
#include "common/installer/installed_names.h"
#include "common/path_text.h"
#include "setup/distribution_files.h"

namespace vx::setup {
namespace {

std::wstring Resolved(const std::wstring& folder) {
  const std::wstring full = fs::FullPathName(folder);
  return full.empty() ? folder : full;
}

// The setup folder loses exactly what the build put there; false when it
// is one that must never be erased.
bool RemoveFromSetupFolder(const std::wstring& from, const std::vector<std::wstring>& files) {
  if (!MayEraseFolder(from)) return false;
  for (const std::wstring& file : files) fs::RemoveFile(from + file);
  // The running setup program stays where the system keeps it in use.
  fs::RemoveFile(from + installed_names::kSetupFile);
  for (const std::wstring& file : files) {
    // Folders of the list, deepest first; a folder still holding anything stays.
    for (std::wstring folder = FolderPart(file); !folder.empty();
         folder = FolderPart(WithoutFolderMark(folder))) {
      fs::RemoveFolder(WithoutFolderMark(from + folder));
    }
  }
  fs::RemoveFolder(WithoutFolderMark(from));
  return true;
}

}  // namespace

std::vector<std::wstring> DistributionFiles() {
  return {std::begin(kDistributionFiles), std::end(kDistributionFiles)};
}

DistributionMove MoveDistribution(const std::wstring& setup_folder,
                                  const std::wstring& install_folder,
                                  const std::vector<std::wstring>& files,
                                  const std::function<void()>& between_blocks) {
  DistributionMove move;
  const std::wstring from = WithFolderMark(setup_folder);
  const std::wstring to = WithFolderMark(install_folder);
  if (IsSameOrBelow(Resolved(to), Resolved(from))) return move;
  for (const std::wstring& file : files) {
    const std::wstring target = to + file;
    const std::wstring folder = FolderPart(target);
    if (!fs::FolderExists(folder) && !MakeFolders(folder)) {
      move.unmade_folder = folder;
      return move;
    }
    if (!CopyFileFresh(from + file, target, between_blocks)) return move;
    // A later setup compares this time to tell an older installed program
    // from a newer one; a time not kept costs only that judgement.
    fs::SetLastWriteTime(target, fs::LastWriteTime(from + file));
    move.copied.push_back(target);
  }
  move.setup_folder_kept = !RemoveFromSetupFolder(from, files);
  move.complete = true;
  return move;
}

}  // namespace vx::setup

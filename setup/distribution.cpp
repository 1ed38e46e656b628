#include "setup/distribution.h"

#include "common/erase_guard.h"
#include "common/file_copy.h"
#include "common/file_seam.h"
#include "common/folder_rules.h"
#include "common/installer/distribution_files.h"
#include "common/installer/installed_names.h"
#include "common/installer/own_entries.h"
#include "common/path_text.h"
#include "common/whole_file.h"
#include "setup/install_stop.h"

namespace vx::setup {
namespace {

// Beside a file's place while the copy runs: an earlier install's file
// stays whole until every new one has arrived. Beside its place from the
// moment the new file takes it until the install is kept: an earlier
// install's file, put back should the install fail.
using installed_names::kEarlierSuffix;
using installed_names::kFreshSuffix;

std::wstring Resolved(const std::wstring& folder) {
  const std::wstring full = fs::FullPathName(folder);
  return full.empty() ? folder : full;
}

// Makes the missing folders of `folder` (with a mark), outermost first,
// noting each in `made`.
bool MakeFoldersNoting(const std::wstring& folder, std::vector<std::wstring>& made) {
  if (fs::FolderExists(folder)) return true;
  const std::wstring above = FolderPart(WithoutFolderMark(folder));
  if (above.empty() || above == folder || !MakeFoldersNoting(above, made)) return false;
  if (!fs::MakeFolder(WithoutFolderMark(folder))) return false;
  made.push_back(folder);
  return true;
}

DistributionCopy Failed(DistributionCopy copy, const std::wstring& at,
                        const std::vector<std::wstring>& fresh) {
  copy.system_error = fs::LastSystemError();
  copy.failed_at = at;
  for (const std::wstring& file : fresh) fs::RemoveEntry(file);
  TakeBackInstall(copy.moved_aside, copy.made);
  copy.moved_aside.clear();
  copy.made.clear();
  copy.copied.clear();
  return copy;
}

DistributionCopy Stopped(DistributionCopy copy) {
  copy.stopped = true;
  return copy;
}

}  // namespace

void TakeBackLeftovers(const std::wstring& target) {
  fs::RemoveEntry(target + kFreshSuffix);
  const std::wstring earlier = target + kEarlierSuffix;
  if (!fs::FileExists(earlier)) return;
  if (fs::FileExists(target)) {
    fs::RemoveEntry(earlier);
  } else {
    fs::RenameFileDurably(earlier, target);
  }
}

std::vector<std::wstring> DistributionFiles() {
  return {std::begin(installed_names::kDistributionFiles),
          std::end(installed_names::kDistributionFiles)};
}

std::vector<std::wstring> MissingDistributionFiles(const std::wstring& setup_folder) {
  std::vector<std::wstring> wanted = DistributionFiles();
  wanted.push_back(installed_names::kUninstallerFile);
  std::vector<std::wstring> missing;
  for (const std::wstring& file : wanted) {
    if (!fs::FileExists(WithFolderMark(setup_folder) + file)) missing.push_back(file);
  }
  return missing;
}

DistributionCopy CopyDistribution(const std::wstring& setup_folder,
                                  const std::wstring& install_folder,
                                  const std::vector<std::wstring>& files,
                                  const std::function<void()>& between_blocks) {
  DistributionCopy copy;
  const std::wstring from = WithFolderMark(setup_folder);
  const std::wstring to = WithFolderMark(install_folder);
  if (IsSameOrBelow(Resolved(to), Resolved(from))) return copy;
  for (const std::wstring& file : files) TakeBackLeftovers(to + file);
  std::vector<std::wstring> fresh;
  for (const std::wstring& file : files) {
    const std::wstring target = to + file;
    if (!MakeFoldersNoting(FolderPart(target), copy.made)) {
      return Failed(std::move(copy), FolderPart(target), fresh);
    }
    int error = 0;
    if (!CopyFileFresh(from + file, target + kFreshSuffix, between_blocks, &error)) {
      // A source that reads names the target as the one that failed (a full disk).
      const bool source_reads = static_cast<bool>(fs::OpenFileForReading(from + file));
      copy = Failed(std::move(copy), source_reads ? target : from + file, fresh);
      copy.system_error = error;
      return copy;
    }
    fresh.push_back(target + kFreshSuffix);
    // Whole on the disk before it takes the place of an earlier file.
    if (!FlushFile(target + kFreshSuffix)) return Failed(std::move(copy), target, fresh);
    if (StopsAt(InstallStep::FreshCopied)) return Stopped(std::move(copy));
  }
  // Each earlier file steps aside before the new one takes its place, so
  // that a later failure can put every one back.
  for (const std::wstring& file : files) {
    const std::wstring target = to + file;
    const bool existed = fs::FileExists(target);
    if (existed) {
      if (!fs::RenameFile(target, target + kEarlierSuffix)) {
        return Failed(std::move(copy), target, fresh);
      }
      copy.moved_aside.push_back(target);
      if (StopsAt(InstallStep::MovedAside)) return Stopped(std::move(copy));
    }
    // Through to the disk, and with it the earlier file's step aside.
    if (!fs::RenameFileDurably(target + kFreshSuffix, target)) {
      return Failed(std::move(copy), target, fresh);
    }
    std::erase(fresh, target + kFreshSuffix);
    if (!existed) copy.made.push_back(target);
    // A later setup compares this time to tell an older installed program
    // from a newer one; a time not kept costs only that judgement.
    fs::SetLastWriteTime(target, fs::LastWriteTime(from + file));
    copy.copied.push_back(target);
    if (StopsAt(InstallStep::Placed)) return Stopped(std::move(copy));
  }
  copy.complete = true;
  return copy;
}

CopyResult CopyReplacing(const std::wstring& from, const std::wstring& to,
                         std::vector<std::wstring>& made) {
  CopyResult result;
  const std::wstring fresh = to + kFreshSuffix;
  const bool existed = fs::FileExists(to);
  if (!CopyFileFresh(from, fresh, {}, &result.system_error)) return result;
  if (!PutWholeFileInPlace(fresh, to, &result.system_error)) return result;
  if (!existed) made.push_back(to);
  result.ok = true;
  return result;
}

void RemoveMade(const std::vector<std::wstring>& made) {
  for (auto name = made.rbegin(); name != made.rend(); ++name) {
    fs::RemoveEntry(WithoutFolderMark(*name));
  }
}

void TakeBackInstall(const std::vector<std::wstring>& moved_aside,
                     const std::vector<std::wstring>& made) {
  // Over the new file in its place.
  for (const std::wstring& target : moved_aside) fs::RenameFile(target + kEarlierSuffix, target);
  RemoveMade(made);
}

std::vector<std::wstring> KeepInstall(const std::vector<std::wstring>& moved_aside) {
  std::vector<std::wstring> at_restart;
  for (const std::wstring& target : moved_aside) {
    const std::wstring earlier = target + kEarlierSuffix;
    if (fs::RemoveEntry(earlier) || !fs::FileExists(earlier)) continue;
    // A running program's file: the system removes it at the next start.
    if (fs::RemoveAtRestart(earlier)) at_restart.push_back(earlier);
  }
  return at_restart;
}

bool EmptySetupFolder(const std::wstring& setup_folder, const std::vector<std::wstring>& files) {
  const std::wstring from = WithFolderMark(setup_folder);
  if (!MayEraseFolder(from)) return false;
  for (const std::wstring& file : files) fs::RemoveEntry(from + file);
  fs::RemoveEntry(from + installed_names::kUninstallerFile);
  // The running setup program stays where the system keeps it in use.
  fs::RemoveEntry(from + installed_names::kSetupFile);
  for (const std::wstring& file : files) {
    // Folders of the list, deepest first; a folder still holding anything stays.
    for (std::wstring folder = FolderPart(file); !folder.empty();
         folder = FolderPart(WithoutFolderMark(folder))) {
      fs::RemoveEntry(WithoutFolderMark(from + folder));
    }
  }
  fs::RemoveEntry(WithoutFolderMark(from));
  return true;
}

}  // namespace vx::setup

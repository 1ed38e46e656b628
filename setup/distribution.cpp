#include "setup/distribution.h"

#include "common/erase_guard.h"
#include "common/file_copy.h"
#include "common/file_seam.h"
#include "common/folder_rules.h"
#include "common/installer/installed_names.h"
#include "common/message_box.h"
#include "common/usual_texts.h"
#include "setup/distribution_files.h"

namespace vx::setup {
namespace {

std::wstring Resolved(const std::wstring& folder) {
  const std::wstring full = fs::FullPathName(folder);
  return full.empty() ? folder : full;
}

// The setup folder loses exactly what the build put there.
void RemoveFromSetupFolder(const Usual& usual, const std::wstring& from,
                           const std::vector<std::wstring>& files) {
  if (!MayEraseFolder(from)) {
    ShowMessage(std::wstring(usual_texts::kEraseRefused), MsgButtons::Ok, MsgIcon::None);
    return;
  }
  for (const std::wstring& file : files) fs::RemoveFile(from + file);
  // The running setup program stays where the system keeps it in use.
  fs::RemoveFile(from + installed_names::kSetupFile);
  for (const std::wstring& file : files) {
    // Folders of the list, deepest first; a folder still holding anything stays.
    for (std::wstring folder = usual.GetFolderName(file); !folder.empty();
         folder = usual.GetFolderName(usual.EraseDirMark(folder))) {
      fs::RemoveFolder(usual.EraseDirMark(from + folder));
    }
  }
  fs::RemoveFolder(usual.EraseDirMark(from));
}

}  // namespace

std::vector<std::wstring> DistributionFiles() {
  return {std::begin(kDistributionFiles), std::end(kDistributionFiles)};
}

int MoveDistribution(const Usual& usual, const std::wstring& SourceFolder,
                     const std::wstring& InstallFolder, const std::vector<std::wstring>& files,
                     std::vector<std::wstring>& ResultM,
                     const std::function<void()>& between_blocks) {
  ResultM.assign(1, std::wstring());
  const std::wstring from = usual.AddDirMark(SourceFolder);
  const std::wstring to = usual.AddDirMark(InstallFolder);
  if (IsSameOrBelow(Resolved(to), Resolved(from))) return -1;
  for (const std::wstring& file : files) {
    const std::wstring target = to + file;
    const std::wstring folder = usual.GetFolderName(target);
    if (!fs::FolderExists(folder)) usual.MakeDir(folder, true);
    if (!CopyFileFresh(from + file, target, between_blocks)) return -1;
    // A later setup compares this time to tell an older installed program
    // from a newer one; a time not kept costs only that judgement.
    fs::SetLastWriteTime(target, fs::LastWriteTime(from + file));
    ResultM.push_back(target);
  }
  RemoveFromSetupFolder(usual, from, files);
  return 0;
}

}  // namespace vx::setup

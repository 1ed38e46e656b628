#include "setup/reinstall.h"

#include "common/file_operations.h"
#include "common/file_seam.h"
#include "common/installer/own_entries.h"
#include "common/removal_rule.h"
#include "common/shell_link.h"
#include "setup/setup_texts.h"

namespace vx::setup {

std::wstring EarlierInstallElsewhere(const std::wstring& recorded_folder,
                                     const std::wstring& install_folder,
                                     const std::wstring& registered_folder) {
  std::wstring earlier = SystemReading(UpToNul(recorded_folder));
  if (!earlier.empty() && !earlier.ends_with(L'\\')) earlier += L'\\';
  if (JudgeInstallFolder(earlier, LookAtInstallFolder(earlier, registered_folder)) !=
      FolderVerdict::Remove) {
    return {};
  }
  return IsSamePlainName(earlier, install_folder) ? std::wstring() : earlier;
}

std::wstring EarlierInstallText(const std::wstring& folder) {
  return setup_texts::kEarlierInstallStart + folder + setup_texts::kEarlierInstallEnd;
}

bool HoldsOtherFiles(const std::wstring& install_folder, const std::wstring& registered_folder) {
  if (!fs::FolderExists(install_folder) || fs::ListFolder(install_folder).empty()) return false;
  if (JudgeInstallFolder(install_folder, LookAtInstallFolder(install_folder, registered_folder)) ==
      FolderVerdict::Remove) {
    return false;
  }
  const SortedPlace place = SortPlace(install_folder, [](const std::wstring& relative) {
    return installed_names::IsOwnInstallEntry(relative, {}, false);
  });
  return !IsPlainFullName(install_folder) || !place.foreign.empty();
}

std::wstring OtherFilesText(const std::wstring& folder) {
  return setup_texts::kOtherFilesStart + folder + setup_texts::kOtherFilesEnd;
}

bool RemoveUnwantedShortcut(const std::wstring& earlier, const std::wstring& now,
                            const std::wstring& earlier_program) {
  const std::wstring link = UpToNul(earlier);
  if (link.size() < 2 || IsSamePlainName(link, now) || !fs::FileExists(link)) return false;
  return IsOwnShortcut(link, SystemReading(ReadShellLinkTarget(link)), earlier_program) &&
         DeleteExactFile(link);
}

}  // namespace vx::setup

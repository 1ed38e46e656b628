#include "uninstall/removal_rules.h"

#include "common/file_seam.h"
#include "common/install_record.h"
#include "common/installer/installed_names.h"
#include "common/product.h"
#include "common/shell_link.h"
#include "common/uninstall_data.h"
#include "uninstall/uninstall_texts.h"

namespace vx::uninstall {
namespace {

std::wstring WithMark(std::wstring text) {
  if (!text.empty() && !text.ends_with(L'\\')) text += L'\\';
  return text;
}

std::wstring WithoutMark(std::wstring text) {
  if (text.ends_with(L'\\')) text.pop_back();
  return text;
}

ShortcutAction LookAtShortcut(const std::wstring& value, const std::wstring& program) {
  const bool exists = fs::FileExists(value);
  return JudgeShortcut(value, exists, exists ? ReadShellLinkTarget(value) : L"", program);
}

}  // namespace

ShortcutAction JudgeShortcut(const std::wstring& value, bool exists, const std::wstring& target,
                             const std::wstring& program) {
  if (value.size() < 2) return ShortcutAction::None;
  if (!IsPlainFullName(value)) return ShortcutAction::Refuse;
  if (!exists) return ShortcutAction::Missing;
  return IsOwnShortcut(value, target, program) ? ShortcutAction::Delete : ShortcutAction::Refuse;
}

RemovalPlan PlanRemoval(const Recorded& recorded) {
  RemovalPlan plan;
  plan.InstallFolder = WithMark(UpToNul(recorded.InstallDir));
  plan.DesktopShortcut = UpToNul(recorded.DesktopShortcut);
  plan.SendToShortcut = UpToNul(recorded.SendToShortcut);
  plan.folder_verdict =
      JudgeInstallFolder(plan.InstallFolder, LookAtInstallFolder(plan.InstallFolder));
  if (plan.folder_verdict == FolderVerdict::Remove) {
    const UninstallData list =
        ReadUninstallData(plan.InstallFolder + install_record::kListFileName);
    plan.files = RemovableListedFiles(plan.InstallFolder, list.paths);
  }
  const std::wstring program = plan.InstallFolder + product::kProgramFile;
  plan.desktop = LookAtShortcut(plan.DesktopShortcut, program);
  plan.send_to = LookAtShortcut(plan.SendToShortcut, program);
  return plan;
}

std::vector<std::wstring> FilesInUse(const RemovalPlan& plan) {
  std::vector<std::wstring> in_use;
  for (const std::wstring& file : plan.files) {
    if (fs::FileExists(file) && !fs::CanRemoveFile(file)) in_use.push_back(file);
  }
  return in_use;
}

std::wstring InUseQuestion(const std::vector<std::wstring>& files) {
  std::wstring text = uninstall_texts::kInUseStart;
  for (const std::wstring& file : files) text += file + L"\r\n";
  return text + uninstall_texts::kInUseEnd;
}

std::wstring RefusedFolderText(const std::wstring& folder) {
  return uninstall_texts::kFolderRefusedStart + folder + uninstall_texts::kFolderRefusedEnd;
}

std::wstring RefusedShortcutText(const std::wstring& shortcut) {
  return uninstall_texts::kQuoteStart + shortcut + uninstall_texts::kShortcutRefusedEnd;
}

std::wstring LeftBehindText(const std::wstring& name) {
  return uninstall_texts::kQuoteStart + name + uninstall_texts::kLeftBehindEnd;
}

std::vector<std::wstring> RemoveUserSettings(const Usual& usual, const std::wstring& appdata) {
  using namespace installed_names;
  if (!IsPlainFullName(appdata)) return {};
  const std::wstring maker = WithMark(appdata) + kMakerDataFolder;
  const std::wstring product = maker + kProductDataFolder;
  const std::wstring settings = product + kSettingsFolder;
  // Through a link the erase would reach whatever it leads to.
  for (const std::wstring& folder : {maker, product, settings}) {
    if (fs::IsFolderLink(WithoutMark(folder))) return {settings};
  }
  if (fs::FolderExists(settings)) usual.EraseDir(settings);
  // Only when nothing else is left in them: removing a folder never takes
  // its content.
  fs::RemoveFolder(WithoutMark(product));
  fs::RemoveFolder(WithoutMark(maker));
  if (fs::FolderExists(settings)) return {settings};
  return {};
}

std::vector<std::wstring> ResultMessages(const std::vector<std::wstring>& ErrorList) {
  if (ErrorList.size() <= 1) return {uninstall_texts::kSucceeded};
  std::wstring joined;
  for (size_t i = 0; i < ErrorList.size(); ++i) {
    if (i > 0) joined += L"\r\n";
    joined += ErrorList[i];
  }
  return {joined, uninstall_texts::kSomeLeft};
}

}  // namespace vx::uninstall

#include "uninstall/removal_rules.h"

#include <algorithm>

#include "common/erase_guard.h"
#include "common/file_seam.h"
#include "common/install_record.h"
#include "common/installer/installed_names.h"
#include "common/path_text.h"
#include "common/product.h"
#include "common/recovery_record_names.h"
#include "common/shell_link.h"
#include "common/text_case.h"
#include "common/uninstall_data.h"
#include "uninstall/uninstall_texts.h"

namespace vx::uninstall {
namespace {

// A folder with a mark; the empty text (none recorded) stays empty.
std::wstring WithMark(const std::wstring& text) {
  return text.empty() ? text : WithFolderMark(text);
}

// A question that names each of `files` on a line of its own.
std::wstring QuestionNaming(const wchar_t* start, const std::vector<std::wstring>& files,
                            const wchar_t* end) {
  std::wstring text = start;
  for (const std::wstring& file : files) text += file + L"\r\n";
  return text + end;
}

ShortcutAction LookAtShortcut(const std::wstring& value, const std::wstring& program) {
  const bool exists = fs::FileExists(value);
  return JudgeShortcut(value, exists, exists ? SystemReading(ReadShellLinkTarget(value)) : L"",
                       program);
}

}  // namespace

ShortcutAction JudgeShortcut(const std::wstring& value, bool exists, const std::wstring& target,
                             const std::wstring& program) {
  if (value.size() < 2) return ShortcutAction::None;
  if (!IsPlainFullName(value)) return ShortcutAction::Refuse;
  if (!exists) return ShortcutAction::Missing;
  return IsOwnShortcut(value, target, program) ? ShortcutAction::Delete : ShortcutAction::Refuse;
}

std::vector<std::wstring> UnlistedFiles(const std::wstring& folder, const FolderSurvey& survey,
                                        const std::vector<std::wstring>& listed) {
  using namespace installed_names;
  const std::wstring list_file = folder + install_record::kListFileName;
  const std::wstring settings = folder + kSettingsFolder;
  std::vector<std::wstring> unlisted;
  for (const std::wstring& file : survey.files) {
    const bool own =
        IsSamePlainName(file, list_file) ||
        (IsPlainNameInside(settings, file) && !IsSetAsideRecordName(FileNamePart(file))) ||
        std::any_of(listed.begin(), listed.end(),
                    [&](const std::wstring& name) { return IsSamePlainName(file, name); });
    if (!own) unlisted.push_back(file);
  }
  return unlisted;
}

std::vector<std::wstring> PendingRecoveryRecords(
    const std::vector<std::wstring>& settings_folders) {
  std::vector<std::wstring> records;
  for (const std::wstring& folder : settings_folders) {
    if (!IsPlainFullName(folder)) continue;
    for (const fs::FolderEntry& entry : fs::ListFolder(folder)) {
      if (!entry.is_folder && IsRecoveryRecordName(entry.name)) {
        records.push_back(folder + entry.name);
      }
    }
  }
  return records;
}

std::vector<std::wstring> SettingsFolders(const std::wstring& install_folder,
                                          const std::wstring& appdata) {
  using namespace installed_names;
  std::vector<std::wstring> folders;
  if (!install_folder.empty()) folders.push_back(WithFolderMark(install_folder) + kSettingsFolder);
  if (!appdata.empty()) folders.push_back(WithFolderMark(appdata) + MenuFolder() + kSettingsFolder);
  return folders;
}

std::wstring UnlistedQuestion(const std::vector<std::wstring>& files) {
  return QuestionNaming(uninstall_texts::kUnlistedStart, files, uninstall_texts::kUnlistedEnd);
}

RemovalPlan PlanRemoval(const install_record::RecordedInstall& recorded) {
  RemovalPlan plan;
  // Read as the system reads them: a short spelling is the same folder.
  plan.install_folder = WithMark(SystemReading(UpToNul(recorded.install_folder)));
  plan.desktop_shortcut = SystemReading(UpToNul(recorded.desktop_shortcut));
  plan.send_to_shortcut = SystemReading(UpToNul(recorded.send_to_shortcut));
  plan.folder_verdict =
      JudgeInstallFolder(plan.install_folder, LookAtInstallFolder(plan.install_folder));
  if (plan.folder_verdict == FolderVerdict::Remove) {
    const UninstallData list =
        ReadUninstallData(plan.install_folder + install_record::kListFileName);
    plan.files = RemovableListedFiles(plan.install_folder, list.paths);
    plan.unlisted =
        UnlistedFiles(plan.install_folder, SurveyFolder(plan.install_folder), plan.files);
  }
  const std::wstring program = plan.install_folder + product::kProgramFile;
  plan.desktop_action = LookAtShortcut(plan.desktop_shortcut, program);
  plan.send_to_action = LookAtShortcut(plan.send_to_shortcut, program);
  return plan;
}

bool RecordedAllGone(const RemovalPlan& plan) {
  const auto stays = [](ShortcutAction action, const std::wstring& file) {
    return action == ShortcutAction::Refuse ||
           (action == ShortcutAction::Delete && fs::FileExists(file));
  };
  if (plan.folder_verdict == FolderVerdict::Refuse ||
      stays(plan.desktop_action, plan.desktop_shortcut) ||
      stays(plan.send_to_action, plan.send_to_shortcut)) {
    return false;
  }
  return std::none_of(plan.files.begin(), plan.files.end(),
                      [](const std::wstring& file) { return fs::FileExists(file); });
}

std::vector<std::wstring> FilesInUse(const RemovalPlan& plan) {
  std::vector<std::wstring> in_use;
  for (const std::wstring& file : plan.files) {
    if (fs::FileExists(file) && !fs::CanRemoveFile(file)) in_use.push_back(file);
  }
  return in_use;
}

std::wstring InUseQuestion(const std::vector<std::wstring>& files) {
  return QuestionNaming(uninstall_texts::kInUseStart, files, uninstall_texts::kInUseEnd);
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

SettingsRemoval RemoveUserSettings(const std::wstring& appdata) {
  using namespace installed_names;
  if (!IsPlainFullName(appdata)) return {};
  const std::wstring maker = WithFolderMark(appdata) + kMakerFolder;
  const std::wstring product = maker + kProductFolder;
  const std::wstring settings = product + kSettingsFolder;
  // Through a link the erase would reach whatever it leads to.
  for (const std::wstring& folder : {maker, product, settings}) {
    if (fs::IsFolderLink(WithoutFolderMark(folder))) return {{settings}};
  }
  if (!MayEraseFolder(settings)) return {{settings}, true};
  // Entry by entry, as the install folder: a record set aside holds a
  // person's bytes, so it stays, named, and with it the folder.
  const FolderSurvey survey = SurveyFolder(settings);
  std::vector<std::wstring> to_delete;
  std::vector<std::wstring> set_aside;
  for (const std::wstring& file : survey.files) {
    (IsSetAsideRecordName(FileNamePart(file)) ? set_aside : to_delete).push_back(file);
  }
  SettingsRemoval removal;
  for (const std::wstring& left : ClearFolder(settings, survey, to_delete)) {
    if (set_aside.empty() || left != settings) removal.left.push_back(left);
  }
  removal.left.insert(removal.left.end(), set_aside.begin(), set_aside.end());
  removal.left.insert(removal.left.end(), survey.refused.begin(), survey.refused.end());
  // Only when nothing else is left in them: removing a folder never takes
  // its content.
  fs::RemoveEntry(WithoutFolderMark(product));
  RemoveMakerFolderIfEmpty(maker);
  return removal;
}

std::wstring MakerFolderAbove(const std::wstring& folder) {
  const std::wstring above = FolderPart(WithoutFolderMark(folder));
  const std::wstring name = WithFolderMark(FileNamePart(WithoutFolderMark(above)));
  return !above.empty() && LowerCase(name) == LowerCase(installed_names::kMakerFolder) ? above
                                                                                       : L"";
}

bool RemoveMakerFolderIfEmpty(const std::wstring& maker_folder) {
  const std::wstring folder = WithFolderMark(maker_folder);
  if (!IsPlainFullName(folder) || !fs::FolderExists(folder)) return false;
  // A link is no folder of ours, and nothing goes through one: every folder
  // from the drive's root down to this one is looked at.
  const std::wstring root = folder.substr(0, 3);
  if (PassesThroughLink(root, folder) || !MayEraseFolder(folder) ||
      !fs::ListFolder(folder).empty()) {
    return false;
  }
  return fs::RemoveEntry(WithoutFolderMark(folder));
}

std::vector<std::wstring> ResultMessages(const std::vector<std::wstring>& failures) {
  if (failures.empty()) return {uninstall_texts::kSucceeded};
  std::wstring joined;
  for (const std::wstring& failure : failures) joined += L"\r\n" + failure;
  return {joined, uninstall_texts::kSomeLeft};
}

}  // namespace vx::uninstall

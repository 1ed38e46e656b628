#include "uninstall/removal_rules.h"

#include <algorithm>

#include "common/erase_guard.h"
#include "common/file_seam.h"
#include "common/install_record.h"
#include "common/installer/installed_names.h"
#include "common/installer/own_entries.h"
#include "common/path_text.h"
#include "common/pending_messages.h"
#include "common/product.h"
#include "common/recovery_record_names.h"
#include "common/shell_link.h"
#include "common/shortcuts.h"
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

bool StillThere(const std::wstring& name) {
  return fs::FileExists(name) || fs::FolderExists(name) ||
         fs::IsFolderLink(WithoutFolderMark(name));
}

bool Contains(const std::vector<std::wstring>& names, const std::wstring& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The folder itself a link, or a folder on the way to it from its drive.
bool ReachedThroughLink(const std::wstring& folder) {
  return !IsPlainFullName(folder) || fs::IsFolderLink(WithoutFolderMark(folder)) ||
         PassesThroughLink(folder.substr(0, 3), folder);
}

ShortcutAction LookAtShortcut(const std::wstring& value, const std::wstring& expected,
                              const std::wstring& program) {
  ShortcutFacts facts;
  facts.exists = fs::FileExists(value);
  if (facts.exists) {
    facts.plain = fs::IsSoleNamedFile(value);
    facts.target = SystemReading(ReadShellLinkTarget(value));
  }
  return JudgeShortcut(value, expected, facts, program);
}

bool LeadsTo(const std::wstring& shortcut, const std::wstring& target) {
  return IsSamePlainName(SystemReading(ReadShellLinkTarget(shortcut)), target);
}

}  // namespace

ShortcutAction JudgeShortcut(const std::wstring& value, const std::wstring& expected,
                             const ShortcutFacts& facts, const std::wstring& program) {
  if (value.size() < 2) return ShortcutAction::None;
  // Only the setup's own name in its own folder: a shortcut of the person's
  // that leads to the program, named by a tampered value, stays.
  if (!IsPlainFullName(value) || !IsSamePlainName(value, expected)) return ShortcutAction::Refuse;
  if (!facts.exists) return ShortcutAction::Missing;
  return facts.plain && IsOwnShortcut(value, facts.target, program) ? ShortcutAction::Delete
                                                                    : ShortcutAction::Refuse;
}

Place InstallFolderPlace(const std::wstring& folder, bool& list_too_long) {
  Place place;
  place.folder = folder;
  const UninstallData list =
      ReadUninstallData(folder + install_record::kListFileName, LetPendingMessagesRun);
  list_too_long = list.too_long;
  place.refused = list.too_long || ReachedThroughLink(folder);
  if (place.refused) return place;
  const std::vector<std::wstring> listed = ListedInside(folder, list.paths);
  place.sorted = SortPlace(folder, [&](const std::wstring& relative) {
    return installed_names::IsOwnInstallEntry(relative, listed, list.complete);
  });
  place.last = folder + install_record::kListFileName;
  const std::wstring maker = MakerFolderAbove(folder);
  if (!maker.empty()) place.above.push_back(maker);
  return place;
}

Place MenuPlace(const std::wstring& program_menu, const std::wstring& program,
                const std::wstring& help_page, const std::wstring& uninstaller) {
  using namespace installed_names;
  if (!IsPlainFullName(program_menu)) return {};
  Place place;
  place.folder = WithFolderMark(program_menu) + MenuFolder();
  place.above.push_back(WithFolderMark(program_menu) + kMakerFolder);
  place.refused = ReachedThroughLink(place.folder);
  if (place.refused) return place;
  const struct {
    std::wstring name;
    const std::wstring& target;
  } shortcuts[] = {
      {std::wstring(kShortcutTitle) + kShortcutExtension, program},
      {std::wstring(kHelpShortcutTitle) + kShortcutExtension, help_page},
      {std::wstring(kUninstallShortcutTitle) + kShortcutExtension, uninstaller},
  };
  place.sorted = SortPlace(place.folder, [&](const std::wstring& relative) {
    return std::any_of(std::begin(shortcuts), std::end(shortcuts), [&](const auto& shortcut) {
      return SameName(relative, shortcut.name) && LeadsTo(place.folder + relative, shortcut.target);
    });
  });
  return place;
}

Place UserSettingsPlace(const std::wstring& appdata) {
  using namespace installed_names;
  if (!IsPlainFullName(appdata)) return {};
  const std::wstring maker = WithFolderMark(appdata) + kMakerFolder;
  const std::wstring product = maker + kProductFolder;
  Place place;
  place.folder = product + kSettingsFolder;
  place.above = {product, maker};
  // Through a link the erase would reach whatever it leads to.
  place.refused = ReachedThroughLink(place.folder) || !MayEraseFolder(place.folder);
  if (place.refused) return place;
  place.sorted = SortPlace(place.folder, [](const std::wstring& relative) {
    return relative.find(L'\\') == std::wstring::npos && IsSettingsFileName(relative);
  });
  return place;
}

RemovalPlan PlanRemoval(const install_record::RecordedInstall& recorded,
                        const MachineFolders& machine) {
  using namespace installed_names;
  RemovalPlan plan;
  // Read as the system reads them: a short spelling is the same folder.
  plan.install_folder = WithMark(SystemReading(UpToNul(recorded.install_folder)));
  plan.desktop_shortcut = SystemReading(UpToNul(recorded.desktop_shortcut));
  plan.send_to_shortcut = SystemReading(UpToNul(recorded.send_to_shortcut));
  plan.folder_verdict = JudgeInstallFolder(
      plan.install_folder, LookAtInstallFolder(plan.install_folder, machine.registered_folder));
  if (plan.folder_verdict == FolderVerdict::Remove) {
    Place place = InstallFolderPlace(plan.install_folder, plan.list_too_long);
    // Such a list is no list of the setup's: the folder stays, named once.
    if (!plan.list_too_long) plan.places.push_back(std::move(place));
  }
  const std::wstring program = plan.install_folder + product::kProgramFile;
  const std::wstring uninstaller =
      machine.windows.empty() ? std::wstring() : WithFolderMark(machine.windows) + kUninstallerFile;
  plan.places.push_back(
      MenuPlace(machine.program_menu, program, plan.install_folder + kHelpTopPage, uninstaller));
  plan.places.push_back(UserSettingsPlace(machine.appdata));
  plan.desktop_action =
      LookAtShortcut(plan.desktop_shortcut, WithMark(machine.desktop) + kShortcutFile, program);
  plan.send_to_action =
      LookAtShortcut(plan.send_to_shortcut, WithMark(machine.send_to) + kShortcutFile, program);
  if (IsPlainFullName(uninstaller) && fs::FileExists(uninstaller)) {
    plan.uninstaller_file = uninstaller;
    plan.uninstaller_is_own =
        fs::IsSoleNamedFile(uninstaller) && fs::IsSameFile(uninstaller, machine.running_image);
  }
  return plan;
}

std::vector<std::wstring> PersonsEntries(const RemovalPlan& plan) {
  std::vector<std::wstring> entries;
  for (const Place& place : plan.places) {
    if (place.refused) continue;
    entries.insert(entries.end(), place.sorted.foreign.begin(), place.sorted.foreign.end());
  }
  if (!plan.uninstaller_file.empty() && !plan.uninstaller_is_own) {
    entries.push_back(plan.uninstaller_file);
  }
  return entries;
}

std::vector<std::wstring> ClearPlace(const Place& place, bool remove_persons,
                                     const BinMove& to_bin) {
  std::vector<std::wstring> left;
  if (place.folder.empty()) return left;
  if (place.refused) {
    if (StillThere(place.folder)) left.push_back(place.folder);
    return left;
  }
  const SortedPlace& sorted = place.sorted;
  const auto remove = [&](const std::wstring& name, bool removed) {
    LetPendingMessagesRun();
    if (!removed && StillThere(name)) left.push_back(name);
  };
  const bool last_is_own = Contains(sorted.own, place.last);
  for (const std::wstring& file : sorted.own) {
    if (file != place.last) remove(file, fs::RemoveEntry(file));
  }
  if (remove_persons) {
    for (const std::wstring& entry : sorted.foreign) {
      if (entry.ends_with(L'\\')) continue;  // a folder: it goes once empty
      if (Contains(sorted.survey.refused, entry)) {
        left.push_back(entry);
      } else if (Contains(sorted.survey.links, entry)) {
        remove(entry, fs::RemoveEntry(entry));
      } else {
        remove(entry, to_bin(entry));
      }
    }
  }
  // The list goes last: while anything else stays, a second run needs it.
  if (last_is_own && left.empty()) remove(place.last, fs::RemoveEntry(place.last));
  // Deepest first, so that each folder is empty when its turn comes; a
  // folder the person keeps stays.
  for (const std::wstring& below : sorted.survey.folders) {
    if (remove_persons || !Contains(sorted.foreign, below)) {
      fs::RemoveEntry(WithoutFolderMark(below));
    }
  }
  fs::RemoveEntry(WithoutFolderMark(place.folder));
  for (const std::wstring& folder : place.above) RemoveMakerFolderIfEmpty(folder);
  // Something that came after the survey keeps the folder: it is named.
  const bool kept_by_person = !remove_persons && !sorted.foreign.empty();
  if (left.empty() && !kept_by_person && StillThere(place.folder)) left.push_back(place.folder);
  return left;
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

std::vector<std::wstring> FilesInUse(const RemovalPlan& plan) {
  std::vector<std::wstring> in_use;
  for (const Place& place : plan.places) {
    for (const std::wstring& file : place.sorted.own) {
      if (fs::FileExists(file) && !fs::CanRemoveFile(file)) in_use.push_back(file);
    }
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

std::wstring ListTooLongText(const std::wstring& list_file) {
  return uninstall_texts::kQuoteStart + list_file + uninstall_texts::kListTooLongEnd;
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

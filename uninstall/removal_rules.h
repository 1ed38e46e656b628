// What one uninstall run removes, decided from the record and the machine
// before anything is removed (the rule itself is common/removal_rule.h),
// and the messages that end the run.
#pragma once

#include <string>
#include <vector>

#include "common/folder_clearing.h"
#include "common/install_record.h"
#include "common/removal_rule.h"

namespace vx::uninstall {

// What a recorded shortcut value asks for.
enum class ShortcutAction {
  None,     // no shortcut was made (a value shorter than 2 characters)
  Delete,   // this program's shortcut
  Missing,  // nothing there to delete: reported as not deleted
  Refuse,   // some other file: left, and named to the person
};

struct RemovalPlan {
  FolderVerdict folder_verdict = FolderVerdict::NotRecorded;
  std::wstring install_folder;      // as recorded, up to a NUL, with a mark
  std::vector<std::wstring> files;  // the listed files to delete, when the folder goes
  // Files in the folder that the setup did not put there (a document saved
  // there): they stay unless the person agrees.
  std::vector<std::wstring> unlisted;
  ShortcutAction desktop_action = ShortcutAction::None;
  ShortcutAction send_to_action = ShortcutAction::None;
  std::wstring desktop_shortcut;
  std::wstring send_to_shortcut;
};

// Reads the machine (the install folder, its list, the shortcuts' targets)
// and changes nothing.
RemovalPlan PlanRemoval(const install_record::RecordedInstall& recorded);

// The files of `survey` (of the install folder `folder`) that the setup did
// not put there: neither on the list (`listed`) nor the program's own
// (the list file, the settings it keeps in its folder, but for a recovery
// record set aside there).
std::vector<std::wstring> UnlistedFiles(const std::wstring& folder, const FolderSurvey& survey,
                                        const std::vector<std::wstring>& listed);

// The recovery records waiting in the settings folders: an edit that a
// stopped Vantelox left half done, repaired at its next start.
std::vector<std::wstring> PendingRecoveryRecords(const std::vector<std::wstring>& settings_folders);

// The settings folders where the program may keep them: beside the program
// in `install_folder` and in the user's application data `appdata`.
std::vector<std::wstring> SettingsFolders(const std::wstring& install_folder,
                                          const std::wstring& appdata);

// The second question when the folder holds files not installed: it names
// them; Yes puts them into the recycle bin too, No keeps them, Cancel stops.
std::wstring UnlistedQuestion(const std::vector<std::wstring>& files);

// What to do with one recorded shortcut, given what the file leads to.
ShortcutAction JudgeShortcut(const std::wstring& value, bool exists, const std::wstring& target,
                             const std::wstring& program);

// Everything the record names is gone, or was never there: the install
// folder and its listed files, and the shortcuts; no value was refused.
bool RecordedAllGone(const RemovalPlan& plan);

// The planned files that something holds open (a running program): they
// could not be removed now.
std::vector<std::wstring> FilesInUse(const RemovalPlan& plan);

// The question that names the files in use and offers to retry (Yes) or to
// stop (No).
std::wstring InUseQuestion(const std::vector<std::wstring>& files);

// "「name」" + why it stays: the failure texts of ours.
std::wstring RefusedFolderText(const std::wstring& folder);
std::wstring RefusedShortcutText(const std::wstring& shortcut);
std::wstring LeftBehindText(const std::wstring& name);

struct SettingsRemoval {
  // What should have gone and stayed.
  std::vector<std::wstring> left;
  // The settings folder was one that must never be erased.
  bool refused = false;
};

// Empties the user's own settings folder below `appdata` (the user's
// application-data folder, with a mark) entry by entry (see ClearFolder) and
// removes it and the product's and the maker's folders above it when that
// leaves them empty; nothing when one of them is a link or the folder may
// not be erased. A recovery record set aside and a name that cannot be
// joined stay, named in `left`.
SettingsRemoval RemoveUserSettings(const std::wstring& appdata);

// The maker's folder that holds `folder` (with a mark), when the folder
// above it is the maker's by its name; else empty.
std::wstring MakerFolderAbove(const std::wstring& folder);

// Removes the maker's folder `maker_folder` (with a mark) when nothing is
// left in it: never one that holds anything, never a link or a folder
// reached through one, never one of the system's. True when it went.
bool RemoveMakerFolderIfEmpty(const std::wstring& maker_folder);

// The message boxes that end the run: the success message without
// failures; otherwise the failures, each after a CR LF, then the summary.
std::vector<std::wstring> ResultMessages(const std::vector<std::wstring>& failures);

}  // namespace vx::uninstall

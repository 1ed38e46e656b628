// What one uninstall run removes, decided from the record and the machine
// before anything is removed (the rule itself is common/removal_rule.h),
// and the messages that end the run.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/install_record.h"
#include "common/removal_rule.h"

namespace vx::uninstall {

// What a recorded shortcut value asks for.
enum class ShortcutAction {
  None,     // no shortcut was made (a value shorter than 2 characters)
  Delete,   // this program's shortcut
  Missing,  // already gone: nothing to do
  Refuse,   // some other file: left, and named to the person
};

// What the machine says about a recorded shortcut.
struct ShortcutFacts {
  bool exists = false;
  bool plain = false;   // a plain file with one name, no link
  std::wstring target;  // where it leads, as the system reads it
};

// Where this machine keeps what an install makes beside its folder: the
// folders with a final "\" (empty when the system names none).
struct MachineFolders {
  std::wstring registered_folder;  // the installed-programs entry's install folder
  std::wstring program_menu;
  std::wstring appdata;
  std::wstring desktop;
  std::wstring send_to;
  std::wstring windows;
  // The running uninstaller's own file.
  std::wstring running_image;
};

// One place the uninstaller clears, sorted by the rule before anything goes.
struct Place {
  std::wstring folder;  // with a mark
  // A link, reached through one, or a folder that must never be erased:
  // nothing in it is touched, and it is named.
  bool refused = false;
  SortedPlace sorted;
  // The file that goes last, once everything else that should go has: the
  // list, by which a second run still finds the install.
  std::wstring last;
  // The folders above, each removed when this leaves it empty, nearest first.
  std::vector<std::wstring> above;
};

struct RemovalPlan {
  FolderVerdict folder_verdict = FolderVerdict::NotRecorded;
  std::wstring install_folder;  // as recorded, up to a NUL, with a mark
  // The list names more files than any install has: no list of the setup's.
  bool list_too_long = false;
  // The install folder (when it is the setup's), the program menu's folder
  // of the product and the user's own settings folder.
  std::vector<Place> places;
  ShortcutAction desktop_action = ShortcutAction::None;
  ShortcutAction send_to_action = ShortcutAction::None;
  std::wstring desktop_shortcut;
  std::wstring send_to_shortcut;
  // The uninstaller in the Windows folder, when there; it goes only when
  // it is a plain file that is the running uninstaller itself.
  std::wstring uninstaller_file;
  bool uninstaller_is_own = false;
};

// Reads the machine (the install folder, its list, the places, the
// shortcuts' targets) and changes nothing.
RemovalPlan PlanRemoval(const install_record::RecordedInstall& recorded,
                        const MachineFolders& machine);

// The install folder's place: what the setup and the program made there,
// judged against the list `list_file` read.
Place InstallFolderPlace(const std::wstring& folder, bool& list_too_long);
// The program menu's folder of the product: the setup's three shortcuts,
// each only while it leads to `program`, `help_page` or `uninstaller`.
Place MenuPlace(const std::wstring& program_menu, const std::wstring& program,
                const std::wstring& help_page, const std::wstring& uninstaller);
// The user's own settings folder below `appdata`.
Place UserSettingsPlace(const std::wstring& appdata);

// Everything the plan found that the setup did not make, for the second
// question: named, and kept unless the person agrees.
std::vector<std::wstring> PersonsEntries(const RemovalPlan& plan);

// Puts a file into the recycle bin; true when it went.
using BinMove = std::function<bool(const std::wstring& file)>;

// Clears `place`: its own files go, then (with `remove_persons`) the
// person's entries — files into the bin through `to_bin`, links as links —
// then `last`, once nothing else that should go stays, then each folder
// that is empty by then, deepest first, the place's folder and the folders
// above. What should have gone and is still there; an entry already gone is
// no failure.
std::vector<std::wstring> ClearPlace(const Place& place, bool remove_persons,
                                     const BinMove& to_bin);

// The recovery records waiting in the settings folders: an edit that a
// stopped Vantelox left half done, repaired at its next start.
std::vector<std::wstring> PendingRecoveryRecords(const std::vector<std::wstring>& settings_folders);

// The settings folders where the program may keep them: beside the program
// in `install_folder` and in the user's application data `appdata`.
std::vector<std::wstring> SettingsFolders(const std::wstring& install_folder,
                                          const std::wstring& appdata);

// The second question when a place holds what the setup did not make: it
// names it; Yes puts it into the recycle bin too, No keeps it, Cancel stops.
std::wstring UnlistedQuestion(const std::vector<std::wstring>& files);

// What to do with one recorded shortcut `value`, which the setup makes as
// `expected`, given what the file is and leads to.
ShortcutAction JudgeShortcut(const std::wstring& value, const std::wstring& expected,
                             const ShortcutFacts& facts, const std::wstring& program);

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
std::wstring ListTooLongText(const std::wstring& list_file);

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

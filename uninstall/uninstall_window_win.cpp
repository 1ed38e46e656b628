#include "uninstall/uninstall_window_win.h"

#include <utility>

#include "common/file_seam.h"
#include "common/install_record.h"
#include "common/install_record_win.h"
#include "common/installer/special_folder_win.h"
#include "common/message_box.h"
#include "uninstall/recycle_bin_win.h"
#include "uninstall/removal_rules.h"
#include "uninstall/uninstall_texts.h"

namespace vx::uninstall {

UninstallWindow::UninstallWindow(Registry& registry, std::wstring running_image)
    : InstallerWindow(RippleStyle::Uninstall, L"VanteloxUninstallWindow",
                      uninstall_texts::kCaption),
      registry_(registry),
      running_image_(std::move(running_image)) {}

void UninstallWindow::Start() {
  failures_.clear();
  // Asked of the system before the window exists: the first questions to
  // the shell can take longer than a window may keep the system waiting.
  machine_ = LookAtMachine();
  if (!Open(nullptr)) return;
  LoadArtwork();
  ShowWindow(hwnd(), SW_SHOWNORMAL);
  RunFrameTimer(true);
  RemovalPlan plan;
  bool remove_persons = false;
  if (Ask(plan, remove_persons)) {
    RunRemoval(plan, remove_persons);
  } else {
    finished_ = true;
  }
}

// The first question; then, with the machine looked at, a stop for a
// repair still pending, or the second question, which names everything
// the setup did not make in the places the uninstall clears.
bool UninstallWindow::Ask(RemovalPlan& plan, bool& remove_persons) {
  if (ShowMessage(uninstall_texts::kFirstQuestion, MsgButtons::YesNo) != MsgAnswer::Yes) {
    return false;
  }
  plan = PlanRemoval(ReadRecord(), machine_);
  if (!PendingRecoveryRecords(SettingsFolders(plan.install_folder, machine_.appdata)).empty()) {
    ShowMessage(uninstall_texts::kRepairPending, MsgButtons::Ok);
    return false;
  }
  const std::vector<std::wstring> persons = PersonsEntries(plan);
  if (persons.empty()) {
    return ShowMessage(uninstall_texts::kSecondQuestion, MsgButtons::YesNo) == MsgAnswer::Yes;
  }
  const MsgAnswer answer = ShowMessage(UnlistedQuestion(persons), MsgButtons::YesNoCancel);
  remove_persons = answer == MsgAnswer::Yes;
  return answer != MsgAnswer::Cancel;
}

MachineFolders UninstallWindow::LookAtMachine() const {
  MachineFolders machine;
  machine.registered_folder = install_record::RegisteredInstallFolder();
  machine.program_menu = SpecialFolderPath(nullptr, kProgramMenuFolderId);
  machine.appdata = SpecialFolderPath(nullptr, kAppDataFolderId);
  machine.desktop = SpecialFolderPath(nullptr, kDesktopFolderId);
  machine.send_to = SpecialFolderPath(nullptr, kSendToFolderId);
  wchar_t windows[MAX_PATH];
  const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
  if (length > 0 && length < MAX_PATH) machine.windows = std::wstring(windows, length);
  machine.running_image = running_image_;
  return machine;
}

install_record::RecordedInstall UninstallWindow::ReadRecord() {
  using namespace install_record;
  RecordedInstall recorded;
  recorded.install_folder = ReadRecordValue(registry_, kInstallFolderValue);
  recorded.desktop_shortcut = ReadRecordValue(registry_, kDesktopShortcutValue);
  recorded.send_to_shortcut = ReadRecordValue(registry_, kSendToShortcutValue);
  return recorded;
}

void UninstallWindow::AddFailure(const std::wstring& text) { failures_.push_back(text); }

// What goes was decided before the questions, from the record and the
// machine; then every step goes on when one fails, and only what the person
// must remove by hand is reported.
void UninstallWindow::RunRemoval(const RemovalPlan& plan, bool remove_persons) {
  StartRunning();
  ShowStatus(uninstall_texts::kStarting);
  ShowProgressBar();
  ShowStatus(uninstall_texts::kFindingFolder);
  ShowStatus(uninstall_texts::kReadingRecord);
  if (!NothingInUse(plan)) {
    ShowMessage(uninstall_texts::kStoppedUnchanged, MsgButtons::Ok);
    finished_ = true;
    return;
  }
  DeleteShortcuts(plan);
  ClearPlaces(plan, remove_persons);
  // A record erased while anything it names stays would orphan the
  // install: it goes, with the uninstaller that reads it, only once
  // nothing is left that should have gone.
  if (failures_.empty()) {
    DeleteRecord();
    RemoveInstalledUninstaller(plan);
    ShowStatus(uninstall_texts::kErasingRecordKey);
    if (!install_record::DeleteRecordKey(registry_)) {
      AddFailure(uninstall_texts::kRecordKeyNotDeleted);
    }
  } else {
    AddFailure(uninstall_texts::kRecordKept);
  }
  ShowResult();
  finished_ = true;
}

// A running program keeps its file: removing the rest would leave a broken
// install behind. Retry once it is closed, or stop with nothing changed.
bool UninstallWindow::NothingInUse(const RemovalPlan& plan) {
  for (std::vector<std::wstring> in_use = FilesInUse(plan); !in_use.empty();
       in_use = FilesInUse(plan)) {
    if (ShowMessage(InUseQuestion(in_use), MsgButtons::YesNo) != MsgAnswer::Yes) return false;
  }
  return true;
}

void UninstallWindow::DeleteRecord() {
  using namespace install_record;
  ShowStatus(uninstall_texts::kErasingInstallInfo);
  if (!DeleteRecordValue(registry_, kInstallFolderValue))
    AddFailure(uninstall_texts::kNoInstallDir);
  ShowStatus(uninstall_texts::kErasingUninstallInfo);
  if (!DeleteRecordValue(registry_, kUninstallerValue)) {
    AddFailure(uninstall_texts::kNoUninstallerName);
  }
  ShowStatus(uninstall_texts::kErasingShortcutInfo);
  if (!DeleteRecordValue(registry_, kDesktopShortcutValue)) {
    AddFailure(uninstall_texts::kNoDesktopShortcutInfo);
  }
  if (!DeleteRecordValue(registry_, kSendToShortcutValue))
    AddFailure(uninstall_texts::kNoSendToInfo);
  ShowStatus(uninstall_texts::kErasingProgramList);
  UnregisterInstalledProgram(registry_);
}

// A shortcut already gone is no failure: a second run, or another
// uninstaller at the same time, finds nothing to do.
void UninstallWindow::DeleteShortcut(ShortcutAction action, const std::wstring& file,
                                     const wchar_t* failure) {
  if (action == ShortcutAction::Refuse) {
    AddFailure(RefusedShortcutText(file));
  } else if (action == ShortcutAction::Delete && !fs::RemoveEntry(file) && fs::FileExists(file)) {
    AddFailure(failure);
  }
}

void UninstallWindow::DeleteShortcuts(const RemovalPlan& plan) {
  DeleteShortcut(plan.send_to_action, plan.send_to_shortcut, uninstall_texts::kSendToNotDeleted);
  if (plan.desktop_action != ShortcutAction::None) {
    ShowStatus(uninstall_texts::kDeletingDesktopShortcut);
    DeleteShortcut(plan.desktop_action, plan.desktop_shortcut,
                   uninstall_texts::kDesktopShortcutNotDeleted);
  }
}

// Every place goes by the one rule (removal_rules.h): what the setup and
// the program made goes, what the person agreed to lose goes into the
// recycle bin (or stays), links go as links, and each folder goes once it
// is empty. Anything else the record names stays and is named.
void UninstallWindow::ClearPlaces(const RemovalPlan& plan, bool remove_persons) {
  ShowStatus(uninstall_texts::kDeletingMenuShortcuts);
  ShowStatus(uninstall_texts::kDeletingFiles);
  if (plan.folder_verdict == FolderVerdict::Refuse) {
    AddFailure(RefusedFolderText(plan.install_folder));
  }
  if (plan.list_too_long) {
    AddFailure(ListTooLongText(plan.install_folder + install_record::kListFileName));
  }
  ShowStatus(uninstall_texts::kDeletingMenuFolder);
  ShowStatus(uninstall_texts::kDeletingFolder);
  const BinMove to_bin = [this](const std::wstring& file) {
    return MoveToRecycleBin(hwnd(), file);
  };
  for (const Place& place : plan.places) {
    for (const std::wstring& left : ClearPlace(place, remove_persons, to_bin)) {
      AddFailure(LeftBehindText(left));
    }
  }
  ShowStatus(uninstall_texts::kErasingFolder);
  if (remove_persons && !plan.uninstaller_file.empty() && !plan.uninstaller_is_own &&
      !MoveToRecycleBin(hwnd(), plan.uninstaller_file)) {
    AddFailure(LeftBehindText(plan.uninstaller_file));
  }
}

// The uninstaller's copy in the Windows folder, only when it is the running
// uninstaller itself: while it runs, the system removes it at the next
// restart.
void UninstallWindow::RemoveInstalledUninstaller(const RemovalPlan& plan) {
  const std::wstring& file = plan.uninstaller_file;
  if (!plan.uninstaller_is_own || fs::RemoveEntry(file) || !fs::FileExists(file)) return;
  if (!fs::RemoveAtRestart(file)) AddFailure(LeftBehindText(file));
}

void UninstallWindow::ShowResult() {
  for (const std::wstring& text : ResultMessages(failures_)) ShowMessage(text, MsgButtons::Ok);
}

void UninstallWindow::OnFrameTick() {
  DrawFrame();
  if (!finished_) return;
  RunFrameTimer(false);
  Close();
}

// The run cannot be interrupted; once it is over, the close box closes.
void UninstallWindow::OnClose() {
  if (finished_) Close();
}

}  // namespace vx::uninstall

#include "uninstall/uninstall_window_win.h"

#include <algorithm>

#include "common/file_operations.h"
#include "common/file_seam.h"
#include "common/file_texts.h"
#include "common/folder_clearing.h"
#include "common/install_record.h"
#include "common/install_record_win.h"
#include "common/installer/installed_names.h"
#include "common/installer/special_folder_win.h"
#include "common/message_box.h"
#include "common/path_text.h"
#include "common/pending_messages.h"
#include "common/shortcuts.h"
#include "uninstall/recycle_bin_win.h"
#include "uninstall/removal_rules.h"
#include "uninstall/uninstall_texts.h"

namespace vx::uninstall {
namespace {

void ShowEraseRefused() {
  ShowMessage(std::wstring(file_texts::kEraseRefused), MsgButtons::Ok, MsgIcon::None);
}

}  // namespace

UninstallWindow::UninstallWindow(Registry& registry)
    : InstallerWindow(RippleStyle::Uninstall, L"VanteloxUninstallWindow",
                      uninstall_texts::kCaption),
      registry_(registry) {}

void UninstallWindow::Start() {
  failures_.clear();
  if (!Open(nullptr)) return;
  LoadArtwork();
  ShowWindow(hwnd(), SW_SHOWNORMAL);
  RunFrameTimer(true);
  RemovalPlan plan;
  bool remove_unlisted = false;
  if (Ask(plan, remove_unlisted)) {
    RunRemoval(plan, remove_unlisted);
  } else {
    finished_ = true;
  }
}

// The first question; then, with the machine looked at, a stop for a
// repair still pending, or the second question, which names the files the
// setup did not put into the folder.
bool UninstallWindow::Ask(RemovalPlan& plan, bool& remove_unlisted) {
  if (ShowMessage(uninstall_texts::kFirstQuestion, MsgButtons::YesNo) != MsgAnswer::Yes) {
    return false;
  }
  plan = PlanRemoval(ReadRecord());
  const std::wstring appdata = SpecialFolderPath(hwnd(), kAppDataFolderId);
  if (!PendingRecoveryRecords(SettingsFolders(plan.install_folder, appdata)).empty()) {
    ShowMessage(uninstall_texts::kRepairPending, MsgButtons::Ok);
    return false;
  }
  if (plan.unlisted.empty()) {
    return ShowMessage(uninstall_texts::kSecondQuestion, MsgButtons::YesNo) == MsgAnswer::Yes;
  }
  const MsgAnswer answer = ShowMessage(UnlistedQuestion(plan.unlisted), MsgButtons::YesNoCancel);
  remove_unlisted = answer == MsgAnswer::Yes;
  return answer != MsgAnswer::Cancel;
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
void UninstallWindow::RunRemoval(const RemovalPlan& plan, bool remove_unlisted) {
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
  const std::wstring menu = SpecialFolderPath(hwnd(), kProgramMenuFolderId);
  DeleteShortcuts(plan, menu);
  DeleteInstalledFiles(plan, menu, remove_unlisted);
  RemoveUserSettingsFolder();
  // A record erased while what it names stays would orphan the install: it
  // goes, with the uninstaller that reads it, only once all of that is gone.
  if (RecordedAllGone(plan)) {
    DeleteRecord();
    RemoveInstalledUninstaller();
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

void UninstallWindow::DeleteShortcut(ShortcutAction action, const std::wstring& file,
                                     const wchar_t* failure) {
  if (action == ShortcutAction::Refuse) {
    AddFailure(RefusedShortcutText(file));
  } else if (action == ShortcutAction::Missing ||
             (action == ShortcutAction::Delete && !DeleteExactFile(file))) {
    AddFailure(failure);
  }
}

void UninstallWindow::DeleteShortcuts(const RemovalPlan& plan, const std::wstring& menu) {
  using namespace installed_names;
  DeleteShortcut(plan.send_to_action, plan.send_to_shortcut, uninstall_texts::kSendToNotDeleted);
  if (plan.desktop_action != ShortcutAction::None) {
    ShowStatus(uninstall_texts::kDeletingDesktopShortcut);
    DeleteShortcut(plan.desktop_action, plan.desktop_shortcut,
                   uninstall_texts::kDesktopShortcutNotDeleted);
  }
  ShowStatus(uninstall_texts::kDeletingMenuShortcuts);
  const struct {
    const wchar_t* title;
    const wchar_t* failure;
  } shortcuts[] = {
      {kShortcutTitle, uninstall_texts::kProgramShortcutNotDeleted},
      {kHelpShortcutTitle, uninstall_texts::kHelpShortcutNotDeleted},
      {kUninstallShortcutTitle, uninstall_texts::kUninstallShortcutNotDeleted},
  };
  // The setup's own names in the product's menu folder, nothing the record says.
  const bool menu_known = IsPlainFullName(menu);
  for (const auto& shortcut : shortcuts) {
    if (!menu_known ||
        !DeleteExactFile(menu + MenuFolder() + shortcut.title + kShortcutExtension)) {
      AddFailure(shortcut.failure);
    }
  }
}

// Only the install folder the setup made goes, and of its list only what
// lies inside it; anything else the record names stays and is named. No
// folder goes with its content: links go as links, the listed files and the
// program's own are deleted, what the person agreed to lose goes into the
// recycle bin (or stays), and each folder goes once it is empty.
void UninstallWindow::DeleteInstalledFiles(const RemovalPlan& plan, const std::wstring& menu,
                                           bool remove_unlisted) {
  const bool remove = plan.folder_verdict == FolderVerdict::Remove;
  ShowStatus(uninstall_texts::kDeletingFiles);
  if (plan.folder_verdict == FolderVerdict::Refuse) {
    AddFailure(RefusedFolderText(plan.install_folder));
  }
  ShowStatus(uninstall_texts::kDeletingMenuFolder);
  if (IsPlainFullName(menu)) {
    const std::wstring menu_folder = menu + installed_names::MenuFolder();
    for (const std::wstring& left : ClearFolder(menu_folder, SurveyFolder(menu_folder), {})) {
      AddFailure(LeftBehindText(left));
    }
    RemoveMakerFolderIfEmpty(menu + installed_names::kMakerFolder);
  }
  ShowStatus(uninstall_texts::kDeletingFolder);
  if (!remove) return;
  // Looked at afresh: a file saved since the question is not on it.
  const FolderSurvey survey = SurveyFolder(plan.install_folder);
  const std::vector<std::wstring> unlisted = UnlistedFiles(plan.install_folder, survey, plan.files);
  std::vector<std::wstring> to_delete;
  for (const std::wstring& file : survey.files) {
    const bool is_unlisted = std::find(unlisted.begin(), unlisted.end(), file) != unlisted.end();
    if (!is_unlisted) to_delete.push_back(file);
  }
  bool kept = false;
  for (const std::wstring& file : unlisted) {
    const bool named = std::find(plan.unlisted.begin(), plan.unlisted.end(), file) !=
                       plan.unlisted.end();
    if (!remove_unlisted || !named) {
      kept = true;
    } else if (!MoveToRecycleBin(hwnd(), file)) {
      AddFailure(LeftBehindText(file));
    }
    LetPendingMessagesRun();
  }
  ShowStatus(uninstall_texts::kErasingFolder);
  for (const std::wstring& left : ClearFolder(plan.install_folder, survey, to_delete)) {
    // The folder stays, as asked, for the files the person keeps.
    if (!(kept && left == plan.install_folder)) AddFailure(LeftBehindText(left));
  }
  for (const std::wstring& refused : survey.refused) AddFailure(LeftBehindText(refused));
  RemoveMakerFolderIfEmpty(MakerFolderAbove(plan.install_folder));
}

void UninstallWindow::RemoveUserSettingsFolder() {
  const SettingsRemoval removal = RemoveUserSettings(SpecialFolderPath(hwnd(), kAppDataFolderId));
  if (removal.refused) ShowEraseRefused();
  for (const std::wstring& left : removal.left) AddFailure(LeftBehindText(left));
}

// The uninstaller's copy in the Windows folder, by the name the setup gave
// it there (never the record's): while it runs, the system removes it at
// the next restart.
void UninstallWindow::RemoveInstalledUninstaller() {
  wchar_t windows[MAX_PATH];
  const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  const std::wstring file =
      WithFolderMark(std::wstring(windows, length)) + installed_names::kUninstallerFile;
  if (!IsPlainFullName(file) || !fs::FileExists(file) || fs::RemoveEntry(file)) return;
  if (!MoveFileExW(file.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT)) {
    AddFailure(LeftBehindText(file));
  }
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

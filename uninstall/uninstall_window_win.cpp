#include "uninstall/uninstall_window_win.h"

#include "common/file_operations.h"
#include "common/file_seam.h"
#include "common/file_texts.h"
#include "common/folder_tree.h"
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
  const bool go =
      ShowMessage(uninstall_texts::kFirstQuestion, MsgButtons::YesNo) == MsgAnswer::Yes &&
      ShowMessage(uninstall_texts::kSecondQuestion, MsgButtons::YesNo) == MsgAnswer::Yes;
  if (go) {
    RunRemoval();
  } else {
    finished_ = true;
  }
}

void UninstallWindow::AddFailure(const std::wstring& text) { failures_.push_back(text); }

// What goes is decided first, from the record and the machine; then every
// step goes on when one fails, and only what the person must remove by hand
// is reported.
void UninstallWindow::RunRemoval() {
  using namespace install_record;
  StartRunning();
  ShowStatus(uninstall_texts::kStarting);
  ShowProgressBar();
  ShowStatus(uninstall_texts::kFindingFolder);
  RecordedInstall recorded;
  recorded.install_folder = ReadRecordValue(registry_, kInstallFolderValue);
  ShowStatus(uninstall_texts::kReadingRecord);
  recorded.desktop_shortcut = ReadRecordValue(registry_, kDesktopShortcutValue);
  recorded.send_to_shortcut = ReadRecordValue(registry_, kSendToShortcutValue);
  const RemovalPlan plan = PlanRemoval(recorded);
  if (!NothingInUse(plan)) {
    ShowMessage(uninstall_texts::kStoppedUnchanged, MsgButtons::Ok);
    finished_ = true;
    return;
  }
  DeleteRecord();
  const std::wstring menu = SpecialFolderPath(hwnd(), kProgramMenuFolderId);
  DeleteShortcuts(plan, menu);
  DeleteInstalledFiles(plan, menu);
  RemoveUserSettingsFolder();
  ShowStatus(uninstall_texts::kErasingRecordKey);
  if (!DeleteRecordKey(registry_)) AddFailure(uninstall_texts::kRecordKeyNotDeleted);
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
// lies inside it; anything else the record names stays and is named.
void UninstallWindow::DeleteInstalledFiles(const RemovalPlan& plan, const std::wstring& menu) {
  const bool remove = plan.folder_verdict == FolderVerdict::Remove;
  ShowStatus(uninstall_texts::kDeletingFiles);
  if (plan.folder_verdict == FolderVerdict::Refuse) {
    AddFailure(RefusedFolderText(plan.install_folder));
  }
  if (remove) {
    for (const std::wstring& file : plan.files) {
      DeleteExactFile(file);
      LetPendingMessagesRun();
    }
  }
  ShowStatus(uninstall_texts::kDeletingMenuFolder);
  if (IsPlainFullName(menu)) {
    DeleteIntoRecycleBin(hwnd(), WithoutFolderMark(menu + installed_names::MenuFolder()));
    RemoveMakerFolderIfEmpty(menu + installed_names::kMakerFolder);
  }
  ShowStatus(uninstall_texts::kDeletingFolder);
  if (remove) DeleteIntoRecycleBin(hwnd(), WithoutFolderMark(plan.install_folder));
  ShowStatus(uninstall_texts::kErasingFolder);
  if (!remove) return;
  if (DeleteTree(plan.install_folder) == TreeDeletion::Refused) ShowEraseRefused();
  RemoveMakerFolderIfEmpty(MakerFolderAbove(plan.install_folder));
  for (const std::wstring& file : plan.files) {
    if (fs::FileExists(file)) AddFailure(LeftBehindText(file));
  }
  if (fs::FolderExists(plan.install_folder)) AddFailure(LeftBehindText(plan.install_folder));
}

void UninstallWindow::RemoveUserSettingsFolder() {
  const SettingsRemoval removal = RemoveUserSettings(SpecialFolderPath(hwnd(), kAppDataFolderId));
  if (removal.refused) ShowEraseRefused();
  for (const std::wstring& left : removal.left) AddFailure(LeftBehindText(left));
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

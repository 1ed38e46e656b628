#include "uninstall/uninstall_window_win.h"

#include "common/file_seam.h"
#include "common/install_record.h"
#include "common/install_record_win.h"
#include "common/installer/installed_names.h"
#include "common/installer/special_folder_win.h"
#include "common/message_box.h"
#include "common/pending_messages.h"
#include "common/uninstall_data.h"
#include "uninstall/recycle_bin_win.h"
#include "uninstall/removal_rules.h"
#include "uninstall/uninstall_texts.h"

namespace vx::uninstall {

UninstallWindow::UninstallWindow(const Usual& usual, RegEdit& reg)
    : InstallerWindow(RippleStyle::Uninstall, L"VanteloxUninstallWindow", uninstall_texts::kCaption),
      usual_(usual),
      reg_(reg) {}

void UninstallWindow::Form_Load() {
  ErrorList.assign(1, std::wstring());
  if (!Open(nullptr)) return;
  LoadPicture();
  ShowWindow(hwnd(), SW_SHOWNORMAL);
  EnableTimer1(true);
  const bool go =
      ShowMessage(uninstall_texts::kFirstQuestion, MsgButtons::YesNo) == MsgAnswer::Yes &&
      ShowMessage(uninstall_texts::kSecondQuestion, MsgButtons::YesNo) == MsgAnswer::Yes;
  if (go) {
    StartUnInstall();
  } else {
    Finished = true;
  }
}

void UninstallWindow::AddError(const std::wstring& st) { ErrorList.push_back(st); }

// What goes is decided first, from the record and the machine; then every
// step goes on when one fails, and only what the person must remove by hand
// is reported.
void UninstallWindow::StartUnInstall() {
  using namespace install_record;
  StartRunning();
  LC(uninstall_texts::kStarting);
  ShowProgressBar();
  LC(uninstall_texts::kFindingFolder);
  Recorded recorded;
  recorded.InstallDir = ReadRecordValue(reg_, kInstallDir);
  LC(uninstall_texts::kReadingRecord);
  recorded.DesktopShortcut = ReadRecordValue(reg_, kDeskTopShortCutFileName);
  recorded.SendToShortcut = ReadRecordValue(reg_, kRightOn);
  const RemovalPlan plan = PlanRemoval(recorded);
  if (!NothingInUse(plan)) {
    ShowMessage(uninstall_texts::kStoppedUnchanged, MsgButtons::Ok);
    Finished = true;
    return;
  }
  EraseRecord();
  const std::wstring menu = GetSpecialPath(hwnd(), kProgramMenuFolderId);
  DeleteShortcuts(plan, menu);
  DeleteInstalledFiles(plan, menu);
  for (const std::wstring& left :
       RemoveUserSettings(usual_, GetSpecialPath(hwnd(), kAppDataFolderId))) {
    AddError(LeftBehindText(left));
  }
  LC(uninstall_texts::kErasingRecordKey);
  if (EraseRecordKey(reg_) != 0) AddError(uninstall_texts::kRecordKeyNotDeleted);
  ShowResult();
  Finished = true;
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

void UninstallWindow::EraseRecord() {
  using namespace install_record;
  LC(uninstall_texts::kErasingInstallInfo);
  if (EraseRecordValue(reg_, kInstallDir) != 0) AddError(uninstall_texts::kNoInstallDir);
  LC(uninstall_texts::kErasingUninstallInfo);
  if (EraseRecordValue(reg_, kUnInstallFileName) != 0) {
    AddError(uninstall_texts::kNoUninstallerName);
  }
  LC(uninstall_texts::kErasingShortcutInfo);
  if (EraseRecordValue(reg_, kDeskTopShortCutFileName) != 0) {
    AddError(uninstall_texts::kNoDesktopShortcutInfo);
  }
  if (EraseRecordValue(reg_, kRightOn) != 0) AddError(uninstall_texts::kNoSendToInfo);
  LC(uninstall_texts::kErasingProgramList);
  UnregisterInstalledProgram(reg_);
}

void UninstallWindow::DeleteShortcut(ShortcutAction action, const std::wstring& file,
                           const wchar_t* failure) {
  if (action == ShortcutAction::Refuse) {
    AddError(RefusedShortcutText(file));
  } else if (action == ShortcutAction::Missing ||
             (action == ShortcutAction::Delete && usual_.KillU(file, false) != 0)) {
    AddError(failure);
  }
}

void UninstallWindow::DeleteShortcuts(const RemovalPlan& plan, const std::wstring& menu) {
  using namespace installed_names;
  DeleteShortcut(plan.send_to, plan.SendToShortcut, uninstall_texts::kSendToNotDeleted);
  if (plan.desktop != ShortcutAction::None) {
    LC(uninstall_texts::kDeletingDesktopShortcut);
    DeleteShortcut(plan.desktop, plan.DesktopShortcut, uninstall_texts::kDesktopShortcutNotDeleted);
  }
  LC(uninstall_texts::kDeletingMenuShortcuts);
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
        usual_.KillU(menu + kMenuFolder + shortcut.title + kLinkExtension, false) != 0) {
      AddError(shortcut.failure);
    }
  }
}

// Only the install folder the setup made goes, and of its list only what
// lies inside it; anything else the record names stays and is named.
void UninstallWindow::DeleteInstalledFiles(const RemovalPlan& plan, const std::wstring& menu) {
  const bool remove = plan.folder_verdict == FolderVerdict::Remove;
  LC(uninstall_texts::kDeletingFiles);
  if (plan.folder_verdict == FolderVerdict::Refuse) {
    AddError(RefusedFolderText(plan.InstallFolder));
  }
  if (remove) {
    for (const std::wstring& file : plan.files) {
      usual_.KillU(file, false);
      LetPendingMessagesRun();
    }
  }
  LC(uninstall_texts::kDeletingMenuFolder);
  if (IsPlainFullName(menu)) {
    DeleteIntoRecycleBin(hwnd(), usual_.EraseDirMark(menu + installed_names::kMenuFolder));
  }
  LC(uninstall_texts::kDeletingFolder);
  if (remove) DeleteIntoRecycleBin(hwnd(), usual_.EraseDirMark(plan.InstallFolder));
  LC(uninstall_texts::kErasingFolder);
  if (remove) usual_.EraseDir(plan.InstallFolder);
  if (!remove) return;
  for (const std::wstring& file : plan.files) {
    if (fs::FileExists(file)) AddError(LeftBehindText(file));
  }
  if (fs::FolderExists(plan.InstallFolder)) AddError(LeftBehindText(plan.InstallFolder));
}

void UninstallWindow::ShowResult() {
  for (const std::wstring& text : ResultMessages(ErrorList)) ShowMessage(text, MsgButtons::Ok);
}

void UninstallWindow::Timer1_Timer() {
  DrawPic();
  if (!Finished) return;
  EnableTimer1(false);
  Close();
}

// The run cannot be interrupted; once it is over, the close box closes.
void UninstallWindow::OnClose() {
  if (Finished) Close();
}

}  // namespace vx::uninstall

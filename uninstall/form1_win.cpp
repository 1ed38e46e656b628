#include "uninstall/form1_win.h"

#include "common/erase_guard.h"
#include "common/install_record.h"
#include "common/install_record_win.h"
#include "common/installer/installed_names.h"
#include "common/installer/special_folder_win.h"
#include "common/message_box.h"
#include "common/uninstall_data.h"
#include "uninstall/recycle_bin_win.h"
#include "uninstall/removal_rules.h"
#include "uninstall/uninstall_texts.h"

namespace vx::uninstall {

Form1::Form1(const Usual& usual, RegEdit& reg)
    : InstallerForm(RippleStyle::Uninstall, L"VanteloxUnInstallForm1", uninstall_texts::kCaption),
      usual_(usual),
      reg_(reg) {}

void Form1::Form_Load() {
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

void Form1::AddError(const std::wstring& st) { ErrorList.push_back(st); }

// Every step goes on when one fails; only what the person must remove by
// hand is reported.
void Form1::StartUnInstall() {
  using namespace install_record;
  StartRunning();
  LC(uninstall_texts::kStarting);
  ShowProgressBar();
  LC(uninstall_texts::kFindingFolder);
  const std::wstring InstallFolder = ReadRecordValue(reg_, kInstallDir);
  LC(uninstall_texts::kReadingRecord);
  const std::wstring DesktopShortcut = ReadRecordValue(reg_, kDeskTopShortCutFileName);
  const std::wstring SendToShortcut = ReadRecordValue(reg_, kRightOn);
  EraseRecord();
  const std::wstring menu = GetSpecialPath(hwnd(), kProgramMenuFolderId);
  DeleteShortcuts(DesktopShortcut, SendToShortcut, menu);
  DeleteInstalledFiles(InstallFolder, menu);
  LC(uninstall_texts::kErasingRecordKey);
  if (EraseRecordKey(reg_) != 0) AddError(uninstall_texts::kRecordKeyNotDeleted);
  ShowResult();
  Finished = true;
}

void Form1::EraseRecord() {
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

// A shortcut value shorter than 2 characters means that none was made.
void Form1::DeleteShortcuts(const std::wstring& DesktopShortcut, const std::wstring& SendToShortcut,
                            const std::wstring& menu) {
  using namespace installed_names;
  if (SendToShortcut.size() >= 2 && usual_.KillU(SendToShortcut, false) != 0) {
    AddError(uninstall_texts::kSendToNotDeleted);
  }
  if (DesktopShortcut.size() >= 2) {
    LC(uninstall_texts::kDeletingDesktopShortcut);
    if (usual_.KillU(DesktopShortcut, false) != 0) {
      AddError(uninstall_texts::kDesktopShortcutNotDeleted);
    }
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
  for (const auto& shortcut : shortcuts) {
    if (usual_.KillU(menu + kMenuFolder + shortcut.title + kLinkExtension, false) != 0) {
      AddError(shortcut.failure);
    }
  }
}

// Without a recorded install folder, or with one that must not go, there
// is no folder to work on: the list would be looked for, and the erase
// would run, relative to the current folder or over the system's own.
void Form1::DeleteInstalledFiles(const std::wstring& InstallFolder, const std::wstring& menu) {
  const bool may_erase = IsAbsoluteFolder(InstallFolder) && MayEraseFolder(InstallFolder);
  LC(uninstall_texts::kDeletingFiles);
  if (!InstallFolder.empty() && !may_erase) {
    AddError(uninstall_texts::kFolderRefusedStart + InstallFolder +
             uninstall_texts::kFolderRefusedEnd);
  }
  if (may_erase) {
    const UninstallData list = ReadUninstallData(InstallFolder + install_record::kListFileName);
    for (const std::wstring& file : FilesInsideFolder(InstallFolder, list.paths)) {
      usual_.KillU(file, false);
    }
  }
  LC(uninstall_texts::kDeletingMenuFolder);
  if (IsAbsoluteFolder(menu)) {
    DeleteIntoRecycleBin(hwnd(), usual_.EraseDirMark(menu + installed_names::kMenuFolder));
  }
  LC(uninstall_texts::kDeletingFolder);
  if (may_erase) DeleteIntoRecycleBin(hwnd(), usual_.EraseDirMark(InstallFolder));
  LC(uninstall_texts::kErasingFolder);
  if (may_erase) usual_.EraseDir(InstallFolder);
}

void Form1::ShowResult() {
  for (const std::wstring& text : ResultMessages(ErrorList)) ShowMessage(text, MsgButtons::Ok);
}

void Form1::Timer1_Timer() {
  DrawPic();
  if (!Finished) return;
  EnableTimer1(false);
  Close();
}

// The run cannot be interrupted; once it is over, the close box closes.
void Form1::OnClose() {
  if (Finished) Close();
}

}  // namespace vx::uninstall

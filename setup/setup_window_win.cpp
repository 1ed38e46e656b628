#include "setup/setup_window_win.h"

// shlobj.h needs windows.h before it.
#include <shlobj.h>

#include <utility>
#include <vector>

#include "common/environment.h"
#include "common/file_copy.h"
#include "common/file_seam.h"
#include "common/folder_browser_win.h"
#include "common/install_record.h"
#include "common/install_record_win.h"
#include "common/installer/installed_names.h"
#include "common/installer/special_folder_win.h"
#include "common/message_box.h"
#include "common/pending_messages.h"
#include "common/product.h"
#include "common/removal_rule.h"
#include "common/shell_execute_win.h"
#include "common/ui/controls_win.h"
#include "common/ui/message_pump_win.h"
#include "common/uninstall_data.h"
#include "setup/distribution.h"
#include "setup/reinstall.h"
#include "setup/runtime_libraries.h"
#include "setup/setup_texts.h"

namespace vx::setup {
namespace {

enum ControlId { kCommand1 = IDOK, kCommand3 = IDCANCEL, kCommand2 = 101 };

constexpr int kButtonWidth = 96;
constexpr int kButtonGap = 12;
constexpr int kButtonY = 220;
constexpr int kButtonHeight = 24;
constexpr PixelRect kLabel1Rect{InstallerWindow::kPanelX, 12, InstallerWindow::kPanelWidth, 116};
constexpr PixelRect kLabel2Rect{InstallerWindow::kPanelX, 136, InstallerWindow::kPanelWidth, 52};

constexpr PixelRect ButtonRect(int column) {
  return {InstallerWindow::kPanelX + column * (kButtonWidth + kButtonGap), kButtonY, kButtonWidth,
          kButtonHeight};
}

// The folder browser: file-system folders only, not below the domain.
constexpr UINT kFolderBrowserFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;

constexpr wchar_t kCurrentVersionKey[] = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\";
constexpr wchar_t kProgramFilesDir[] = L"ProgramFilesDir";

// A rename within one volume; across volumes a copy beside the old file
// takes its place only once it is complete, so the old one is never lost.
bool MoveReplacing(const std::wstring& from, const std::wstring& to) {
  if (fs::RenameFile(from, to)) return true;
  const std::wstring fresh = to + L".new";
  if (!CopyFileFresh(from, fresh)) return false;
  if (!fs::RenameFile(fresh, to)) {
    fs::RemoveFile(fresh);
    return false;
  }
  fs::RemoveFile(from);
  return true;
}

}  // namespace

SetupWindow::SetupWindow(const Usual& usual, RegEdit& reg, std::wstring SourceFolder, FixedDiskTest is_fixed)
    : InstallerWindow(RippleStyle::Setup, L"VanteloxSetupWindow", WizardCaption()),
      usual_(usual),
      reg_(reg),
      SourceFolder(std::move(SourceFolder)),
      is_fixed_(std::move(is_fixed)) {}

void SetupWindow::Form_Load() {
  if (!Open(nullptr)) return;
  LoadPicture();
  ShowWindow(hwnd(), SW_SHOWNORMAL);
  EnableTimer1(false);
  wizard_.Page = kFolderPage;
  GetPage();
}

void SetupWindow::CreateControls() {
  InstallerWindow::CreateControls();
  Label1 = AddLabel(L"", kLabel1Rect);
  // A box that wraps and scrolls, so that all of a long folder name shows.
  Label2 = AddControl({L"EDIT", L"", kLabel2Rect,
                       WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL});
  Command1 = AddButton(setup_texts::kYes, ButtonRect(0), kCommand1, kEnterKey);
  Command2 = AddButton(setup_texts::kNo, ButtonRect(1), kCommand2);
  Command3 = AddButton(setup_texts::kAbort, ButtonRect(2), kCommand3, kEscKey);
}

void SetupWindow::GetPage() {
  switch (wizard_.Page) {
    case kFolderPage:
      ShowFolderPage();
      break;
    case kDesktopPage:
      SetControlText(Label1, setup_texts::kDesktopQuestion);
      ShowWindow(Label2, SW_HIDE);
      break;
    case kSendToPage:
      ShowWindow(Label2, SW_HIDE);
      SetControlText(Label1, setup_texts::kSendToQuestion);
      break;
    default:
      ShowWindow(Label2, SW_HIDE);
      SetControlText(Command2, setup_texts::kBack);
      SetControlText(Label1, SummaryText(InstallKind, wizard_.MakeDesktopShortcut,
                                         wizard_.MakeSendToShortcut));
      break;
  }
}

// The recorded folder, or the default one: a folder picked in the browser
// before is dropped.
void SetupWindow::ShowFolderPage() {
  ShowWindow(Label2, SW_SHOW);
  std::wstring candidate = install_record::PeekRecordValue(reg_, install_record::kInstallDir);
  if (candidate.empty()) {
    candidate = DefaultInstallParent(
        usual_, reg_.GetValueString(RegEdit::kLocalMachine, kCurrentVersionKey, kProgramFilesDir));
  }
  SetControlText(Command2, setup_texts::kNo);
  TimeCheck(candidate);
}

void SetupWindow::TimeCheck(const std::wstring& ChangeNewDir) {
  const FolderChoice choice = SettleInstallFolder(usual_, ChangeNewDir, SourceFolder, is_fixed_);
  InstallFolder = choice.InstallFolder;
  InstallKind = choice.InstallKind;
  SetControlText(Label1, FolderQuestion(InstallKind));
  SetControlText(Label2, InstallFolder);
}

void SetupWindow::Follow(WizardStep step) {
  switch (step) {
    case WizardStep::ShowPage:
      GetPage();
      break;
    case WizardStep::ChooseFolder: {
      const std::wstring chosen = BrowseForFolder(
          {hwnd(), setup_texts::kFolderDialogTitle, kComputerFolderId, kFolderBrowserFlags});
      if (!chosen.empty()) TimeCheck(chosen);
      break;
    }
    case WizardStep::StartInstall:
      StartInstall();
      break;
  }
}

void SetupWindow::Command1_Click() {
  if (wizard_.Page == kFolderPage && IsInSetupFolder(InstallFolder, SourceFolder)) {
    ShowMessage(setup_texts::kTargetInSetupFolder);
    return;
  }
  if (wizard_.Page == kFolderPage) {
    const std::wstring earlier = EarlierInstallElsewhere(
        install_record::PeekRecordValue(reg_, install_record::kInstallDir), InstallFolder);
    if (!earlier.empty()) {
      ShowMessage(EarlierInstallText(earlier));
      return;
    }
  }
  Follow(wizard_.Command1_Click());
}

void SetupWindow::Command2_Click() { Follow(wizard_.Command2_Click()); }

void SetupWindow::Command3_Click() {
  if (ShowMessage(setup_texts::kAbortQuestion, MsgButtons::YesNo) != MsgAnswer::Yes) return;
  EnableTimer1(false);
  Close();
}

bool SetupWindow::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return false;
  // Once the install runs, nothing stops it.
  if (Running) return true;
  switch (id) {
    case kCommand1:
      Command1_Click();
      return true;
    case kCommand2:
      Command2_Click();
      return true;
    case kCommand3:
      Command3_Click();
      return true;
    default:
      return false;
  }
}

// The close box asks as the abort button does, and does nothing once the
// install runs.
void SetupWindow::OnClose() {
  if (!Running) Command3_Click();
}

void SetupWindow::StartInstall() {
  EnableTimer1(true);
  StartRunning();
  for (const HWND control : {Label1, Label2, Command1, Command2, Command3}) {
    ShowWindow(control, SW_HIDE);
  }
  ExeFile = InstallFolder + product::kProgramFile;
  LC(setup_texts::kStarting);
  ShowProgressBar();
  if (InstallSteps()) {
    WaitForProgressBar();
    Succeeded = true;
  }
  Exitform();
}

// The install proper; false at the first step that failed. Registry writes and
// shortcuts report nothing: a missing shortcut does not spoil the install.
bool SetupWindow::InstallSteps() {
  using namespace install_record;
  Earlier = {PeekRecordValue(reg_, kInstallDir), PeekRecordValue(reg_, kDeskTopShortCutFileName),
             PeekRecordValue(reg_, kRightOn)};
  LC(setup_texts::kRegisteringFolder);
  install_record::WriteRecordValue(reg_, install_record::kInstallDir, InstallFolder);
  if (!RegisterUninstaller()) return false;
  RegisterShortcutFiles();
  RegisterInstalledProgramEntry();
  MakeShortcuts();
  return InstallRuntime() && CopyFiles();
}

bool SetupWindow::RegisterUninstaller() {
  LC(setup_texts::kRegisteringUninstaller);
  UninstallerFile =
      usual_.AddDirMark(GetEnvironmentText(L"WINDIR")) + installed_names::kUninstallerFile;
  install_record::WriteRecordValue(reg_, install_record::kUnInstallFileName, UninstallerFile);
  // The installed uninstaller makes way only for one that is there to take its place.
  const std::wstring source = SourceFolder + installed_names::kUninstallerFile;
  return fs::FileExists(source) && MoveReplacing(source, UninstallerFile);
}

void SetupWindow::RegisterShortcutFiles() {
  LC(setup_texts::kRegisteringInfo1);
  DesktopShortcutFile = wizard_.MakeDesktopShortcut ? GetSpecialPath(hwnd(), kDesktopFolderId) +
                                                          installed_names::kShortcutFile
                                                    : L"";
  install_record::WriteRecordValue(reg_, install_record::kDeskTopShortCutFileName,
                                   DesktopShortcutFile);
  LC(setup_texts::kRegisteringInfo2);
  SendToShortcutFile = wizard_.MakeSendToShortcut ? GetSpecialPath(hwnd(), kSendToFolderId) +
                                                        installed_names::kShortcutFile
                                                  : L"";
  install_record::WriteRecordValue(reg_, install_record::kRightOn, SendToShortcutFile);
  // Earlier shortcuts the new answers do not want would outlive the uninstall.
  std::wstring earlier_program = UpToNul(Earlier.InstallDir);
  earlier_program = usual_.AddDirMark(earlier_program) + product::kProgramFile;
  RemoveUnwantedShortcut(usual_, Earlier.DesktopShortcut, DesktopShortcutFile, earlier_program);
  RemoveUnwantedShortcut(usual_, Earlier.SendToShortcut, SendToShortcutFile, earlier_program);
}

void SetupWindow::RegisterInstalledProgramEntry() {
  LC(setup_texts::kRegisteringProgramList);
  std::vector<std::wstring> files;
  for (const std::wstring& file : DistributionFiles()) files.push_back(SourceFolder + file);
  files.push_back(UninstallerFile);
  install_record::RegisterInstalledProgram(reg_, InstallFolder, UninstallerFile,
                                           install_record::SizeInKb(files));
}

void SetupWindow::MakeShortcuts() {
  using namespace installed_names;
  if (wizard_.MakeSendToShortcut) {
    usual_.MakeShortCut(usual_.GetFolderName(SendToShortcutFile), kShortcutTitle, ExeFile, false,
                        L"");
  }
  if (wizard_.MakeDesktopShortcut) {
    LC(setup_texts::kMakingDesktopShortcut);
    usual_.MakeShortCut(usual_.GetFolderName(DesktopShortcutFile), kShortcutTitle, ExeFile, false,
                        L"");
  }
  LC(setup_texts::kMakingMenuShortcuts);
  const std::wstring menu = GetSpecialPath(hwnd(), kProgramMenuFolderId) + kMenuFolder;
  usual_.MakeDir(menu, true);
  usual_.MakeShortCut(menu, kShortcutTitle, ExeFile, false, L"");
  usual_.MakeShortCut(menu, kHelpShortcutTitle, InstallFolder + kHelpTopPage, false, L"");
  usual_.MakeShortCut(menu, kUninstallShortcutTitle, UninstallerFile, false, L"");
}

bool SetupWindow::InstallRuntime() {
  const std::wstring system_folder =
      RuntimeSystemFolder(GetEnvironmentText(L"windir"), GetEnvironmentText(L"OS"));
  for (const wchar_t* library : kRuntimeLibraries) {
    if (fs::FileExists(system_folder + library)) continue;
    LC(setup_texts::kInstallingRuntime);
    if (!CopyFileFresh(SourceFolder + library, system_folder + library)) return false;
  }
  return true;
}

// The list is written even after a failed copy: with it the uninstaller
// finds what did reach the install folder.
bool SetupWindow::CopyFiles() {
  LC(setup_texts::kCopyingFiles);
  std::vector<std::wstring> copied;
  // Block by block, letting the system reach the window between blocks.
  const int copy = MoveDistribution(usual_, SourceFolder, InstallFolder, DistributionFiles(),
                                    copied, LetPendingMessagesRun);
  LC(setup_texts::kSavingFileList);
  const int list = WriteUninstallData(InstallFolder + install_record::kListFileName, copied);
  return copy == 0 && list == 0;
}

// Timer1 fills the bar; the steps may have been quicker than its frames.
void SetupWindow::WaitForProgressBar() {
  while (hwnd() && ProgressFrames <= kFadeFrames) {
    WaitMessage();
    if (!LetMessagesRun(hwnd())) break;
  }
}

void SetupWindow::Exitform() {
  if (Succeeded) {
    const MsgAnswer start = ShowMessage(FinishedQuestion(), MsgButtons::YesNo);
    EnableTimer1(false);
    if (start == MsgAnswer::Yes) {
      ShellOpen({hwnd(), L"open", ExeFile, L"", InstallFolder, SW_SHOWNORMAL});
    }
  } else {
    EnableTimer1(false);
    ShowMessage(setup_texts::kFailed);
    ShowMessage(setup_texts::kAborted);
  }
  Close();
}

}  // namespace vx::setup

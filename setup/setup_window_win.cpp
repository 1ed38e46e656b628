#include "setup/setup_window_win.h"

// shlobj.h needs windows.h before it.
#include <shlobj.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "common/environment.h"
#include "common/file_operations.h"
#include "common/file_seam.h"
#include "common/file_texts.h"
#include "common/folder_browser_win.h"
#include "common/install_record.h"
#include "common/install_record_win.h"
#include "common/installer/installed_names.h"
#include "common/installer/special_folder_win.h"
#include "common/message_box.h"
#include "common/path_text.h"
#include "common/pending_messages.h"
#include "common/product.h"
#include "common/removal_rule.h"
#include "common/shell_execute_win.h"
#include "common/shortcuts.h"
#include "common/ui/message_pump_win.h"
#include "common/uninstall_data.h"
#include "setup/distribution.h"
#include "setup/install_stop.h"
#include "setup/reinstall.h"
#include "setup/runtime_libraries.h"
#include "setup/setup_texts.h"

namespace vx::setup {
namespace {

constexpr int kButtonWidth = 96;
constexpr int kButtonGap = 12;
constexpr int kButtonY = 220;
constexpr int kButtonHeight = 24;
constexpr PixelRect kQuestionRect{InstallerWindow::kPanelX, 12, InstallerWindow::kPanelWidth, 116};
constexpr PixelRect kFolderRect{InstallerWindow::kPanelX, 136, InstallerWindow::kPanelWidth, 52};

constexpr PixelRect ButtonRect(int column) {
  return {InstallerWindow::kPanelX + column * (kButtonWidth + kButtonGap), kButtonY, kButtonWidth,
          kButtonHeight};
}

// The folder browser: file-system folders only, not below the domain.
constexpr UINT kFolderBrowserFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;

constexpr wchar_t kCurrentVersionKey[] = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\";
constexpr wchar_t kProgramFilesDir[] = L"ProgramFilesDir";

void ShowOpenFailed(const std::wstring& name) {
  ShowMessage(name + std::wstring(file_texts::kOpenFailed), MsgButtons::Ok, MsgIcon::None);
}

}  // namespace

SetupWindow::SetupWindow(Registry& registry, std::wstring setup_folder, FixedDiskTest is_fixed)
    : InstallerWindow(RippleStyle::Setup, L"VanteloxSetupWindow", WizardCaption()),
      registry_(registry),
      setup_folder_(std::move(setup_folder)),
      is_fixed_(std::move(is_fixed)) {}

void SetupWindow::Start() {
  if (!Open(nullptr)) return;
  LoadArtwork();
  ShowWindow(hwnd(), SW_SHOWNORMAL);
  RunFrameTimer(false);
  wizard_.page = WizardPage::Folder;
  ShowPage();
  // A folder already installed from, or short of a file, cannot install:
  // say so on the first page and end with nothing changed.
  const std::vector<std::wstring> missing = MissingDistributionFiles(setup_folder_);
  if (!missing.empty()) {
    ShowMessage(MissingFilesText(setup_folder_, missing));
    Close();
  }
}

void SetupWindow::CreateControls() {
  InstallerWindow::CreateControls();
  const ControlSite site = DialogSite();
  question_label_ = MakeLabel(site, {.rect = kQuestionRect});
  folder_text_ = MakeEditField(
      site, {.rect = kFolderRect,
             .style = WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL});
  yes_button_ = AddButton(
      {.caption = setup_texts::kYes, .rect = ButtonRect(0), .on_click = [this] { OnYes(); }},
      kEnterKey);
  no_button_ = AddButton(
      {.caption = setup_texts::kNo, .rect = ButtonRect(1), .on_click = [this] { OnNo(); }});
  abort_button_ = AddButton(
      {.caption = setup_texts::kAbort, .rect = ButtonRect(2), .on_click = [this] { OnAbort(); }},
      kEscKey);
}

void SetupWindow::ShowPage() {
  switch (wizard_.page) {
    case WizardPage::Folder:
      ShowFolderPage();
      break;
    case WizardPage::Desktop:
      question_label_.SetText(setup_texts::kDesktopQuestion);
      folder_text_.Show(false);
      break;
    case WizardPage::SendTo:
      folder_text_.Show(false);
      question_label_.SetText(setup_texts::kSendToQuestion);
      break;
    case WizardPage::Summary:
      folder_text_.Show(false);
      no_button_.SetText(setup_texts::kBack);
      question_label_.SetText(
          SummaryText(install_type_, wizard_.make_desktop_shortcut, wizard_.make_send_to_shortcut));
      break;
  }
}

// The recorded folder, or the default one: a folder picked in the browser
// before is dropped.
void SetupWindow::ShowFolderPage() {
  folder_text_.Show(true);
  std::wstring candidate =
      install_record::PeekRecordValue(registry_, install_record::kInstallFolderValue);
  if (candidate.empty()) {
    candidate = DefaultInstallParent(
        registry_.ReadText(RegistryRoot::LocalMachine, kCurrentVersionKey, kProgramFilesDir));
  }
  no_button_.SetText(setup_texts::kNo);
  SettleFolder(candidate);
}

void SetupWindow::SettleFolder(const std::wstring& chosen) {
  const FolderChoice choice = SettleInstallFolder(chosen, setup_folder_, is_fixed_);
  if (choice.replaced_not_fixed) ShowMessage(setup_texts::kTargetNotFixed);
  // The name the system makes and reads back ("C:\trail.\" is made as
  // "C:\trail\"): the record must name the folder that is there.
  const std::wstring full = fs::FullPathName(choice.folder);
  install_folder_ = full.empty() ? choice.folder : SystemReading(WithFolderMark(full));
  install_type_ = choice.kind;
  question_label_.SetText(FolderQuestion(install_type_));
  folder_text_.SetText(install_folder_);
}

void SetupWindow::Follow(WizardStep step) {
  switch (step) {
    case WizardStep::ShowPage:
      ShowPage();
      break;
    case WizardStep::ChooseFolder: {
      const std::wstring chosen = BrowseForFolder(
          {hwnd(), setup_texts::kFolderDialogTitle, kComputerFolderId, kFolderBrowserFlags});
      if (!chosen.empty()) SettleFolder(chosen);
      break;
    }
    case WizardStep::Install:
      RunInstall();
      break;
  }
}

// Once the install runs, no button (nor Esc) stops it.
void SetupWindow::OnYes() {
  if (running()) return;
  if (wizard_.page == WizardPage::Folder && IsInSetupFolder(install_folder_, setup_folder_)) {
    ShowMessage(setup_texts::kTargetInSetupFolder);
    return;
  }
  if (wizard_.page == WizardPage::Folder) {
    const std::wstring registered = install_record::RegisteredInstallFolder();
    const std::wstring earlier = EarlierInstallElsewhere(
        install_record::PeekRecordValue(registry_, install_record::kInstallFolderValue),
        install_folder_, registered);
    if (!earlier.empty()) {
      ShowMessage(EarlierInstallText(earlier));
      return;
    }
    if (HoldsOtherFiles(install_folder_, registered)) {
      ShowMessage(OtherFilesText(install_folder_));
      return;
    }
  }
  Follow(wizard_.OnYes());
}

void SetupWindow::OnNo() {
  if (!running()) Follow(wizard_.OnNo());
}

void SetupWindow::OnAbort() {
  if (running()) return;
  if (ShowMessage(setup_texts::kAbortQuestion, MsgButtons::YesNo) != MsgAnswer::Yes) return;
  RunFrameTimer(false);
  Close();
}

// The close box asks as the abort button does, and does nothing once the
// install runs.
void SetupWindow::OnClose() { OnAbort(); }

void SetupWindow::RunInstall() {
  RunFrameTimer(true);
  StartRunning();
  for (const Control* control : std::initializer_list<const Control*>{
           &question_label_, &folder_text_, &yes_button_, &no_button_, &abort_button_}) {
    control->Show(false);
  }
  program_file_ = install_folder_ + product::kProgramFile;
  ShowStatus(setup_texts::kStarting);
  ShowProgressBar();
  switch (InstallSteps()) {
    case StepsEnd::Stopped:
      // As a killed setup: no message, nothing more.
      RunFrameTimer(false);
      Close();
      return;
    case StepsEnd::Done:
      WaitForProgressBar();
      succeeded_ = true;
      break;
    case StepsEnd::Failed:
      break;
  }
  Finish();
}

// The install proper; it ends at the first step that failed, with what
// this run made taken back and the failure kept for the message. The
// install folder is recorded first, so that a setup stopped at any later
// instant leaves an install the uninstaller finds and a second setup run
// finishes; then the files, each beside its place until all have arrived,
// and nothing leaves the setup folder before every file is in its place.
// Registry writes and shortcuts report nothing: a missing shortcut does
// not spoil the install.
SetupWindow::StepsEnd SetupWindow::InstallSteps() {
  using namespace install_record;
  earlier_ = {PeekRecordValue(registry_, kInstallFolderValue),
              PeekRecordValue(registry_, kDesktopShortcutValue),
              PeekRecordValue(registry_, kSendToShortcutValue)};
  made_.clear();
  moved_aside_.clear();
  at_restart_.clear();
  stopped_ = false;
  ShowStatus(setup_texts::kRegisteringFolder);
  uninstaller_file_ =
      WithFolderMark(GetEnvironmentText(L"WINDIR")) + installed_names::kUninstallerFile;
  WriteRecordValue(registry_, kInstallFolderValue, install_folder_);
  RegisterInstalledProgramEntry();
  if (StopsAt(InstallStep::Registered)) return StepsEnd::Stopped;
  const bool placed = CopyFiles() && InstallRuntime() && PlaceUninstaller();
  if (stopped_) return StepsEnd::Stopped;
  if (!placed) {
    TakeBackInstall(moved_aside_, made_);
    // A first install leaves no trace; an earlier one keeps its record.
    if (earlier_.install_folder.empty()) {
      UnregisterInstalledProgram(registry_);
      DeleteRecordKey(registry_);
    }
    return StepsEnd::Failed;
  }
  if (StopsAt(InstallStep::UninstallerPlaced)) return StepsEnd::Stopped;
  WriteRecordValue(registry_, kUninstallerValue, uninstaller_file_);
  RegisterShortcutFiles();
  MakeShortcuts();
  if (StopsAt(InstallStep::RecordWritten)) return StepsEnd::Stopped;
  at_restart_ = KeepInstall(moved_aside_);
  if (StopsAt(InstallStep::Kept)) return StepsEnd::Stopped;
  if (!EmptySetupFolder(setup_folder_, DistributionFiles())) {
    ShowMessage(std::wstring(file_texts::kEraseRefused), MsgButtons::Ok, MsgIcon::None);
  }
  return StepsEnd::Done;
}

// A copy, not a move: the setup folder keeps its uninstaller until the
// whole install has succeeded.
bool SetupWindow::PlaceUninstaller() {
  ShowStatus(setup_texts::kRegisteringUninstaller);
  return Placed(CopyReplacing(setup_folder_ + installed_names::kUninstallerFile,
                              uninstaller_file_, made_),
                uninstaller_file_);
}

bool SetupWindow::Placed(const CopyResult& result, const std::wstring& name) {
  if (result.ok) return true;
  failed_at_ = name;
  failure_code_ = result.system_error;
  return false;
}

void SetupWindow::RegisterShortcutFiles() {
  ShowStatus(setup_texts::kRegisteringDesktopShortcut);
  desktop_shortcut_ = wizard_.make_desktop_shortcut ? SpecialFolderPath(hwnd(), kDesktopFolderId) +
                                                          installed_names::kShortcutFile
                                                    : L"";
  install_record::WriteRecordValue(registry_, install_record::kDesktopShortcutValue,
                                   desktop_shortcut_);
  ShowStatus(setup_texts::kRegisteringSendToShortcut);
  send_to_shortcut_ = wizard_.make_send_to_shortcut ? SpecialFolderPath(hwnd(), kSendToFolderId) +
                                                          installed_names::kShortcutFile
                                                    : L"";
  install_record::WriteRecordValue(registry_, install_record::kSendToShortcutValue,
                                   send_to_shortcut_);
  // Earlier shortcuts the new answers do not want would outlive the uninstall.
  const std::wstring earlier_program =
      WithFolderMark(UpToNul(earlier_.install_folder)) + product::kProgramFile;
  RemoveUnwantedShortcut(earlier_.desktop_shortcut, desktop_shortcut_, earlier_program);
  RemoveUnwantedShortcut(earlier_.send_to_shortcut, send_to_shortcut_, earlier_program);
}

void SetupWindow::RegisterInstalledProgramEntry() {
  ShowStatus(setup_texts::kRegisteringProgramList);
  std::vector<std::wstring> files;
  for (const std::wstring& file : DistributionFiles()) files.push_back(setup_folder_ + file);
  files.push_back(uninstaller_file_);
  install_record::RegisterInstalledProgram(registry_, install_folder_, uninstaller_file_,
                                           install_record::SizeInKb(files));
}

void SetupWindow::MakeShortcuts() {
  using namespace installed_names;
  if (wizard_.make_send_to_shortcut) {
    MakeShortcut(FolderPart(send_to_shortcut_), kShortcutTitle, program_file_);
  }
  if (wizard_.make_desktop_shortcut) {
    ShowStatus(setup_texts::kMakingDesktopShortcut);
    MakeShortcut(FolderPart(desktop_shortcut_), kShortcutTitle, program_file_);
  }
  ShowStatus(setup_texts::kMakingMenuShortcuts);
  const std::wstring menu = SpecialFolderPath(hwnd(), kProgramMenuFolderId) + MenuFolder();
  if (!MakeFolders(menu)) ShowOpenFailed(menu);
  MakeShortcut(menu, kShortcutTitle, program_file_);
  MakeShortcut(menu, kHelpShortcutTitle, install_folder_ + kHelpTopPage);
  MakeShortcut(menu, kUninstallShortcutTitle, uninstaller_file_);
}

bool SetupWindow::InstallRuntime() {
  const std::wstring system_folder =
      RuntimeSystemFolder(GetEnvironmentText(L"windir"), GetEnvironmentText(L"OS"));
  for (const wchar_t* library : kRuntimeLibraries) {
    if (fs::FileExists(system_folder + library)) continue;
    ShowStatus(setup_texts::kInstallingRuntime);
    if (!Placed(CopyReplacing(setup_folder_ + library, system_folder + library, made_),
                system_folder + library)) {
      return false;
    }
  }
  return true;
}

// Block by block, letting the system reach the window between blocks; the
// list names exactly what reached the install folder.
bool SetupWindow::CopyFiles() {
  ShowStatus(setup_texts::kCopyingFiles);
  const DistributionCopy copy = CopyDistribution(setup_folder_, install_folder_,
                                                 DistributionFiles(), LetPendingMessagesRun);
  made_ = copy.made;
  moved_aside_ = copy.moved_aside;
  stopped_ = copy.stopped;
  if (stopped_) return false;
  if (!copy.complete) {
    return Placed({false, copy.system_error}, copy.failed_at.empty() ? install_folder_
                                                                      : copy.failed_at);
  }
  ShowStatus(setup_texts::kSavingFileList);
  const std::wstring list_file = install_folder_ + install_record::kListFileName;
  if (!fs::FileExists(list_file)) made_.push_back(list_file);
  if (!WriteUninstallData(list_file, copy.copied)) {
    return Placed({false, fs::LastSystemError()}, list_file);
  }
  stopped_ = StopsAt(InstallStep::ListWritten);
  return !stopped_;
}

// The frame timer fills the bar; the steps may have been quicker than its frames.
void SetupWindow::WaitForProgressBar() {
  while (hwnd() && progress_frames() <= kFadeFrames) {
    WaitMessage();
    if (!LetMessagesRun(hwnd())) break;
  }
}

void SetupWindow::Finish() {
  if (succeeded_) {
    if (!at_restart_.empty()) ShowMessage(AtRestartText(at_restart_));
    const MsgAnswer start = ShowMessage(FinishedQuestion(), MsgButtons::YesNo);
    RunFrameTimer(false);
    if (start == MsgAnswer::Yes) {
      ShellOpen({hwnd(), L"open", program_file_, L"", install_folder_, SW_SHOWNORMAL});
    }
  } else {
    RunFrameTimer(false);
    ShowMessage(FailureText(failed_at_, failure_code_ != 0 ? fs::SystemErrorText(failure_code_)
                                                           : std::wstring()));
    ShowMessage(setup_texts::kAborted);
  }
  Close();
}

}  // namespace vx::setup

#include "setup/wizard.h"

#include "common/file_seam.h"
#include "common/folder_rules.h"
#include "common/installer/installed_names.h"
#include "common/message_box.h"
#include "common/product.h"
#include "common/text_case.h"
#include "setup/setup_texts.h"

namespace vx::setup {
namespace {

constexpr wchar_t kProgramFilesFallback[] = L"C:\\program files\\";
constexpr wchar_t kMakerFolder[] = L"Morvane Soft\\";
constexpr wchar_t kNotFixedReplacement[] = L"C:\\";

std::wstring ProductAndVersion() { return std::wstring(product::kName) + product::kVersion; }

}  // namespace

WizardStep Wizard::Command1_Click() {
  switch (Page) {
    case kFolderPage:
      Page = kDesktopPage;
      return WizardStep::ShowPage;
    case kDesktopPage:
      MakeDesktopShortcut = true;
      Page = kSendToPage;
      return WizardStep::ShowPage;
    case kSendToPage:
      MakeSendToShortcut = true;
      Page = kSummaryPage;
      return WizardStep::ShowPage;
    default:
      return WizardStep::StartInstall;
  }
}

WizardStep Wizard::Command2_Click() {
  switch (Page) {
    case kFolderPage:
      return WizardStep::ChooseFolder;
    case kDesktopPage:
      MakeDesktopShortcut = false;
      Page = kSendToPage;
      return WizardStep::ShowPage;
    case kSendToPage:
      MakeSendToShortcut = false;
      Page = kSummaryPage;
      return WizardStep::ShowPage;
    default:
      Page = kFolderPage;
      return WizardStep::ShowPage;
  }
}

std::wstring WizardCaption() { return ProductAndVersion() + setup_texts::kCaptionEnd; }

std::wstring FolderQuestion(int InstallKind) {
  switch (InstallKind) {
    case kOlderInstalled:
      return setup_texts::kOlderThere;
    case kSameOrNewerInstalled:
      return setup_texts::kSameOrNewerThere;
    default:
      return std::wstring(setup_texts::kNoneThereStart) + product::kVersion +
             setup_texts::kNoneThereEnd;
  }
}

std::wstring SummaryText(int InstallKind, bool MakeDesktopShortcut, bool MakeSendToShortcut) {
  std::wstring text = setup_texts::kSummaryStart + ProductAndVersion();
  switch (InstallKind) {
    case kOlderInstalled:
      text += setup_texts::kKindUpgrade;
      break;
    case kSameOrNewerInstalled:
      text += setup_texts::kKindReinstall;
      break;
    default:
      text += setup_texts::kKindInstall;
      break;
  }
  text += L"\r\n";
  if (MakeDesktopShortcut) text += setup_texts::kSummaryDesktop;
  if (MakeSendToShortcut) text += setup_texts::kSummarySendTo;
  return text;
}

std::wstring FinishedQuestion() {
  return std::wstring(setup_texts::kFinishedStart) + product::kVersion + setup_texts::kFinishedEnd;
}

std::wstring DefaultInstallParent(const Usual& usual, const std::wstring& ProgramFilesDir) {
  const std::wstring parent =
      ProgramFilesDir.empty() ? kProgramFilesFallback : usual.AddDirMark(ProgramFilesDir);
  return parent + kMakerFolder;
}

std::wstring DriveRootOf(const std::wstring& folder) { return folder.substr(0, 1) + L":\\"; }

FolderChoice SettleInstallFolder(const Usual& usual, const std::wstring& ChangeNewDir,
                                 const std::wstring& SourceFolder, const FixedDiskTest& is_fixed) {
  FolderChoice choice;
  choice.InstallFolder = usual.AddDirMark(ChangeNewDir);
  if (!is_fixed(DriveRootOf(ChangeNewDir))) {
    ShowMessage(setup_texts::kTargetNotFixed);
    choice.InstallFolder = kNotFixedReplacement;
  }
  if (LowerCase(choice.InstallFolder).find(installed_names::kProductFolderMark) ==
      std::wstring::npos) {
    choice.InstallFolder += installed_names::kProductFolder;
  }
  const int64_t installed = fs::LastWriteTime(choice.InstallFolder + product::kProgramFile);
  if (installed < 0) {
    choice.InstallKind = kNoneInstalled;
  } else {
    const int64_t offered = fs::LastWriteTime(SourceFolder + product::kProgramFile);
    choice.InstallKind = installed >= offered ? kSameOrNewerInstalled : kOlderInstalled;
  }
  return choice;
}

bool IsInSetupFolder(const std::wstring& InstallFolder, const std::wstring& SourceFolder) {
  return IsSameOrBelow(InstallFolder, SourceFolder);
}

}  // namespace vx::setup

#include "setup/wizard.h"

#include "common/file_seam.h"
#include "common/folder_rules.h"
#include "common/installer/installed_names.h"
#include "common/path_text.h"
#include "common/product.h"
#include "common/text_case.h"
#include "setup/setup_texts.h"

namespace vx::setup {
namespace {

constexpr wchar_t kProgramFilesFallback[] = L"C:\\program files\\";
constexpr wchar_t kNotFixedReplacement[] = L"C:\\";

std::wstring ProductAndVersion() { return std::wstring(product::kName) + product::kVersion; }

}  // namespace

WizardStep Wizard::OnYes() {
  switch (page) {
    case WizardPage::Folder:
      page = WizardPage::Desktop;
      return WizardStep::ShowPage;
    case WizardPage::Desktop:
      make_desktop_shortcut = true;
      page = WizardPage::SendTo;
      return WizardStep::ShowPage;
    case WizardPage::SendTo:
      make_send_to_shortcut = true;
      page = WizardPage::Summary;
      return WizardStep::ShowPage;
    case WizardPage::Summary:
      break;
  }
  return WizardStep::Install;
}

WizardStep Wizard::OnNo() {
  switch (page) {
    case WizardPage::Folder:
      return WizardStep::ChooseFolder;
    case WizardPage::Desktop:
      make_desktop_shortcut = false;
      page = WizardPage::SendTo;
      return WizardStep::ShowPage;
    case WizardPage::SendTo:
      make_send_to_shortcut = false;
      page = WizardPage::Summary;
      return WizardStep::ShowPage;
    case WizardPage::Summary:
      break;
  }
  page = WizardPage::Folder;
  return WizardStep::ShowPage;
}

std::wstring WizardCaption() { return ProductAndVersion() + setup_texts::kCaptionEnd; }

std::wstring FolderQuestion(InstallType kind) {
  switch (kind) {
    case InstallType::Upgrade:
      return setup_texts::kOlderThere;
    case InstallType::Reinstall:
      return setup_texts::kSameOrNewerThere;
    case InstallType::Fresh:
      break;
  }
  return std::wstring(setup_texts::kNoneThereStart) + product::kVersion +
         setup_texts::kNoneThereEnd;
}

std::wstring SummaryText(InstallType kind, bool make_desktop_shortcut, bool make_send_to_shortcut) {
  std::wstring text = setup_texts::kSummaryStart + ProductAndVersion();
  switch (kind) {
    case InstallType::Upgrade:
      text += setup_texts::kKindUpgrade;
      break;
    case InstallType::Reinstall:
      text += setup_texts::kKindReinstall;
      break;
    case InstallType::Fresh:
      text += setup_texts::kKindInstall;
      break;
  }
  text += L"\r\n";
  if (make_desktop_shortcut) text += setup_texts::kSummaryDesktop;
  if (make_send_to_shortcut) text += setup_texts::kSummarySendTo;
  return text;
}

std::wstring FailureText(const std::wstring& failed_at, const std::wstring& reason) {
  std::wstring text = setup_texts::kFailed;
  if (!failed_at.empty()) {
    text += L"\r\n" + (setup_texts::kQuoteStart + failed_at) + setup_texts::kQuoteEnd;
  }
  if (!reason.empty()) text += L"\r\n" + reason;
  return text;
}

std::wstring MissingFilesText(const std::wstring& setup_folder,
                              const std::vector<std::wstring>& missing) {
  std::wstring text = setup_texts::kMissingStart + setup_folder + setup_texts::kMissingMiddle;
  for (const std::wstring& file : missing) text += file + L"\r\n";
  return text + setup_texts::kMissingEnd;
}

std::wstring AtRestartText(const std::vector<std::wstring>& files) {
  std::wstring text = setup_texts::kAtRestartStart;
  for (const std::wstring& file : files) text += file + L"\r\n";
  return text + setup_texts::kAtRestartEnd;
}

std::wstring FinishedQuestion() {
  return std::wstring(setup_texts::kFinishedStart) + product::kVersion + setup_texts::kFinishedEnd;
}

std::wstring DefaultInstallParent(const std::wstring& program_files) {
  const std::wstring parent =
      program_files.empty() ? kProgramFilesFallback : WithFolderMark(program_files);
  return parent + installed_names::kMakerFolder;
}

std::wstring DriveRootOf(const std::wstring& folder) { return folder.substr(0, 1) + L":\\"; }

FolderChoice SettleInstallFolder(const std::wstring& chosen, const std::wstring& setup_folder,
                                 const FixedDiskTest& is_fixed) {
  FolderChoice choice;
  choice.folder = WithFolderMark(chosen);
  if (!is_fixed(DriveRootOf(chosen))) {
    choice.replaced_not_fixed = true;
    choice.folder = kNotFixedReplacement;
  }
  if (LowerCase(choice.folder).find(installed_names::kProductFolderMark) == std::wstring::npos) {
    choice.folder += installed_names::kProductFolder;
  }
  const int64_t installed = fs::LastWriteTime(choice.folder + product::kProgramFile);
  if (installed < 0) {
    choice.kind = InstallType::Fresh;
  } else {
    const int64_t offered = fs::LastWriteTime(setup_folder + product::kProgramFile);
    choice.kind = installed >= offered ? InstallType::Reinstall : InstallType::Upgrade;
  }
  return choice;
}

bool IsInSetupFolder(const std::wstring& install_folder, const std::wstring& setup_folder) {
  return IsSameOrBelow(install_folder, setup_folder);
}

}  // namespace vx::setup

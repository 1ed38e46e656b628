// The wizard's pages and buttons, and what it says on them. The window
// (setup_window_win.h) shows what this decides and does what it asks for.
#pragma once

#include <functional>
#include <string>

#include "common/usual.h"

namespace vx::setup {

// Wizard pages, shown in this order; the summary can go back to the first.
inline constexpr int kFolderPage = 1;
inline constexpr int kDesktopPage = 2;
inline constexpr int kSendToPage = 3;
inline constexpr int kSummaryPage = 4;

// InstallKind: what the install folder already holds.
inline constexpr int kOlderInstalled = 1;
inline constexpr int kSameOrNewerInstalled = 2;
inline constexpr int kNoneInstalled = 3;

// What the window does after a button moved the wizard on.
enum class WizardStep {
  ShowPage,      // show the (new) page
  ChooseFolder,  // open the folder browser and stay on the folder page
  StartInstall,  // run the install steps
};

// The button table.
struct Wizard {
  int Page = kFolderPage;
  bool MakeDesktopShortcut = false;
  bool MakeSendToShortcut = false;

  WizardStep Command1_Click();  // yes
  WizardStep Command2_Click();  // no, or back on the summary
};

// The caption of the wizard window.
std::wstring WizardCaption();
// The folder page's question for an InstallKind.
std::wstring FolderQuestion(int InstallKind);
// The summary page's text.
std::wstring SummaryText(int InstallKind, bool MakeDesktopShortcut, bool MakeSendToShortcut);
// The question of the success ending.
std::wstring FinishedQuestion();

// The folder proposed when the record names none: the program-files folder
// (or "C:\program files\" when the system names none) + the maker's folder.
std::wstring DefaultInstallParent(const Usual& usual, const std::wstring& ProgramFilesDir);

// The drive root of a folder as the fixed-disk test asks for it: its first
// letter + ":\".
std::wstring DriveRootOf(const std::wstring& folder);

// True for the root of a fixed disk ("C:\").
using FixedDiskTest = std::function<bool(const std::wstring& root)>;

struct FolderChoice {
  std::wstring InstallFolder;  // ends in "\"
  int InstallKind = kNoneInstalled;
};

// TimeCheck's rules for a chosen folder: with a mark; "C:\" instead of a
// folder that is not on a fixed disk (saying so); the product's folder
// appended unless the folder names it already (in any letter case); the
// InstallKind from the main program's file times, an equal time counting as
// the same version.
FolderChoice SettleInstallFolder(const Usual& usual, const std::wstring& ChangeNewDir,
                                 const std::wstring& SourceFolder, const FixedDiskTest& is_fixed);

// The install folder is the setup folder or lies in it: the copy would
// erase what it has just installed.
bool IsInSetupFolder(const std::wstring& InstallFolder, const std::wstring& SourceFolder);

}  // namespace vx::setup

// The wizard's pages and buttons, and what it says on them. The window
// (setup_window_win.h) shows what this decides and does what it asks for.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vx::setup {

// Wizard pages, shown in this order; the summary can go back to the first.
enum class WizardPage { Folder, Desktop, SendTo, Summary };

// What the install folder already holds, and so what the install will be.
enum class InstallType {
  Upgrade,    // an older program
  Reinstall,  // the same program or a newer one
  Fresh,      // none
};

// What the window does after a button moved the wizard on.
enum class WizardStep {
  ShowPage,      // show the (new) page
  ChooseFolder,  // open the folder browser and stay on the folder page
  Install,       // run the install steps
};

// Where the wizard stands, and the answers given so far.
struct Wizard {
  WizardPage page = WizardPage::Folder;
  bool make_desktop_shortcut = false;
  bool make_send_to_shortcut = false;

  WizardStep OnYes();
  WizardStep OnNo();  // no, or back on the summary
};

// The caption of the wizard window.
std::wstring WizardCaption();
// The folder page's question for what the folder holds.
std::wstring FolderQuestion(InstallType kind);
// The summary page's text.
std::wstring SummaryText(InstallType kind, bool make_desktop_shortcut, bool make_send_to_shortcut);
// The message of a failed install: where it stopped and the system's
// reason, when there is one.
std::wstring FailureText(const std::wstring& failed_at, const std::wstring& reason);
// The message of a setup folder short of its distribution, naming what it lacks.
std::wstring MissingFilesText(const std::wstring& setup_folder,
                              const std::vector<std::wstring>& missing);
// The message naming the earlier files removed at the next start.
std::wstring AtRestartText(const std::vector<std::wstring>& files);
// The question of the success ending.
std::wstring FinishedQuestion();

// The folder proposed when the record names none: the program-files folder
// (or "C:\program files\" when the system names none) + the maker's folder.
std::wstring DefaultInstallParent(const std::wstring& program_files);

// The drive root of a folder as the fixed-disk test asks for it: its first
// letter + ":\".
std::wstring DriveRootOf(const std::wstring& folder);

// True for the root of a fixed disk ("C:\").
using FixedDiskTest = std::function<bool(const std::wstring& root)>;

struct FolderChoice {
  std::wstring folder;  // ends in "\"
  InstallType kind = InstallType::Fresh;
  // The folder chosen was not on a fixed disk: "C:\" was taken instead.
  bool replaced_not_fixed = false;
};

// The install folder for a chosen one: with a mark; "C:\" instead of a
// folder that is not on a fixed disk; the product's folder appended unless
// the folder names it already (in any letter case); the kind of install
// from the main program's file times, an equal time counting as the same
// version.
FolderChoice SettleInstallFolder(const std::wstring& chosen, const std::wstring& setup_folder,
                                 const FixedDiskTest& is_fixed);

// The install folder is the setup folder or lies in it: the copy would
// erase what it has just installed.
bool IsInSetupFolder(const std::wstring& install_folder, const std::wstring& setup_folder);

}  // namespace vx::setup

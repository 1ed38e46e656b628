// SetupWindow of the setup: the wizard window. It asks for the install folder, the
// desktop shortcut and the send-to entry, shows a summary, then runs the
// install steps under the animation and ends with the success question or
// the failure messages.
#pragma once

#include <windows.h>

#include <string>

#include "common/installer/installer_window_win.h"
#include "common/reg_edit_win.h"
#include "common/usual.h"
#include "setup/reinstall.h"
#include "setup/wizard.h"

namespace vx::setup {

class SetupWindow : public InstallerWindow {
 public:
  // SourceFolder (ending in "\") is the setup folder; is_fixed tells a fixed
  // disk's root.
  SetupWindow(const Usual& usual, RegEdit& reg, std::wstring SourceFolder, FixedDiskTest is_fixed);

  // Makes and shows the window on the folder page.
  void Form_Load();

  HWND Command1 = nullptr;  // yes, next
  HWND Command2 = nullptr;  // no, back
  HWND Command3 = nullptr;  // abort
  HWND Label1 = nullptr;    // the page's question
  HWND Label2 = nullptr;    // the install folder

 private:
  void CreateControls() override;
  HWND FirstFocus() const override { return Command1; }
  void GetPage();
  void ShowFolderPage();
  void TimeCheck(const std::wstring& ChangeNewDir);
  void Follow(WizardStep step);
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  bool OnCommand(int id, int code) override;
  void OnClose() override;

  void StartInstall();
  bool InstallSteps();
  bool RegisterUninstaller();
  void RegisterShortcutFiles();
  void RegisterInstalledProgramEntry();
  void MakeShortcuts();
  bool InstallRuntime();
  bool CopyFiles();
  void WaitForProgressBar();
  void Exitform();

  const Usual& usual_;
  RegEdit& reg_;
  const std::wstring SourceFolder;
  const FixedDiskTest is_fixed_;

  Wizard wizard_;
  std::wstring InstallFolder;
  int InstallKind = kNoneInstalled;
  std::wstring ExeFile;
  std::wstring UninstallerFile;
  std::wstring DesktopShortcutFile;
  std::wstring SendToShortcutFile;
  EarlierRecord Earlier;
  bool Succeeded = false;
};

}  // namespace vx::setup

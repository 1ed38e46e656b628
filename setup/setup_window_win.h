// SetupWindow: the setup's wizard window. It asks for the install folder,
// the desktop shortcut and the send-to entry, shows a summary, then runs the
// install steps under the animation and ends with the success question or
// the failure messages.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/install_record.h"
#include "common/installer/installer_window_win.h"
#include "common/registry_win.h"
#include "setup/distribution.h"
#include "setup/reinstall.h"
#include "setup/wizard.h"

namespace vx::setup {

class SetupWindow : public InstallerWindow {
 public:
  // `setup_folder` (ending in "\") is the folder the setup runs from;
  // `is_fixed` tells a fixed disk's root.
  SetupWindow(Registry& registry, std::wstring setup_folder, FixedDiskTest is_fixed);

  // Makes and shows the window on the folder page.
  void Start();

 private:
  friend class SetupWindowTestView;

  void CreateControls() override;
  HWND FirstFocus() const override { return yes_button_.hwnd(); }
  void ShowPage();
  void ShowFolderPage();
  // Takes `chosen` as the install folder, settled by the wizard's rules.
  void SettleFolder(const std::wstring& chosen);
  void Follow(WizardStep step);
  void OnYes();
  void OnNo();
  void OnAbort();
  void OnClose() override;

  void RunInstall();
  enum class StepsEnd { Done, Failed, Stopped };
  StepsEnd InstallSteps();
  bool CopyFiles();
  bool InstallRuntime();
  bool PlaceUninstaller();
  // True for a copy that worked; else notes where and why it failed.
  bool Placed(const CopyResult& result, const std::wstring& name);
  void RegisterShortcutFiles();
  void RegisterInstalledProgramEntry();
  void MakeShortcuts();
  void WaitForProgressBar();
  // The ending: the success question, or the failure messages; then the
  // window closes.
  void Finish();

  Registry& registry_;
  const std::wstring setup_folder_;
  const FixedDiskTest is_fixed_;

  Label question_label_;
  // A box that wraps and scrolls, so that all of a long folder name shows.
  EditField folder_text_;
  PushButton yes_button_;
  PushButton no_button_;  // "back" on the summary page
  PushButton abort_button_;

  Wizard wizard_;
  std::wstring install_folder_;
  InstallType install_type_ = InstallType::Fresh;
  std::wstring program_file_;
  std::wstring uninstaller_file_;
  std::wstring desktop_shortcut_;
  std::wstring send_to_shortcut_;
  // The record as the earlier install left it.
  install_record::RecordedInstall earlier_;
  // What this run made, taken back when it fails.
  std::vector<std::wstring> made_;
  // The installed files whose earlier copy waits beside them, put back when
  // the run fails.
  std::vector<std::wstring> moved_aside_;
  // The earlier files a running program holds: removed at the next start.
  std::vector<std::wstring> at_restart_;
  // The test seam stopped the install (install_stop.h).
  bool stopped_ = false;
  // Where a failed install stopped, and the system's code for why.
  std::wstring failed_at_;
  int failure_code_ = 0;
  bool succeeded_ = false;
};

}  // namespace vx::setup

// UninstallWindow: the uninstaller's window, under whose animation the
// removal runs. It has no buttons: it asks its two questions in message boxes,
// removes what the installation record names, reports what it could not
// remove, and closes on the next tick of the frame timer.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/installer/installer_window_win.h"
#include "common/registry_win.h"
#include "uninstall/removal_rules.h"

namespace vx::uninstall {

class UninstallWindow : public InstallerWindow {
 public:
  explicit UninstallWindow(Registry& registry);

  // Makes and shows the window, asks, and runs the removal when both
  // questions were answered Yes (or No to keeping the unlisted files).
  // A recovery record waiting for its repair stops it before the second.
  void Start();

 private:
  bool Ask(RemovalPlan& plan, bool& remove_unlisted);
  install_record::RecordedInstall ReadRecord();
  void AddFailure(const std::wstring& text);
  void RunRemoval(const RemovalPlan& plan, bool remove_unlisted);
  void DeleteRecord();
  bool NothingInUse(const RemovalPlan& plan);
  void DeleteShortcut(ShortcutAction action, const std::wstring& file, const wchar_t* failure);
  void DeleteShortcuts(const RemovalPlan& plan, const std::wstring& menu);
  void DeleteInstalledFiles(const RemovalPlan& plan, const std::wstring& menu,
                            bool remove_unlisted);
  void RemoveUserSettingsFolder();
  void RemoveInstalledUninstaller();
  void ShowResult();
  void OnFrameTick() override;
  void OnClose() override;

  Registry& registry_;
  // What the person must remove by hand, in the order the steps found it.
  std::vector<std::wstring> failures_;
  bool finished_ = false;
};

}  // namespace vx::uninstall

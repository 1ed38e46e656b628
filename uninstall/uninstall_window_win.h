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
  // `running_image` is the uninstaller's own file as it runs: its copy in
  // the Windows folder goes only when it is that very file.
  UninstallWindow(Registry& registry, std::wstring running_image);

  // Makes and shows the window, asks, and runs the removal when both
  // questions were answered Yes (or No to keeping the person's entries).
  // A recovery record waiting for its repair stops it before the second.
  void Start();

 private:
  bool Ask(RemovalPlan& plan, bool& remove_persons);
  MachineFolders LookAtMachine() const;
  install_record::RecordedInstall ReadRecord();
  void AddFailure(const std::wstring& text);
  void RunRemoval(const RemovalPlan& plan, bool remove_persons);
  void DeleteRecord();
  bool NothingInUse(const RemovalPlan& plan);
  void DeleteShortcut(ShortcutAction action, const std::wstring& file, const wchar_t* failure);
  void DeleteShortcuts(const RemovalPlan& plan);
  void ClearPlaces(const RemovalPlan& plan, bool remove_persons);
  void RemoveInstalledUninstaller(const RemovalPlan& plan);
  void ShowResult();
  void OnFrameTick() override;
  void OnClose() override;

  Registry& registry_;
  const std::wstring running_image_;
  // Where this machine keeps what an install makes beside its folder.
  MachineFolders machine_;
  // What the person must remove by hand, in the order the steps found it.
  std::vector<std::wstring> failures_;
  bool finished_ = false;
};

}  // namespace vx::uninstall

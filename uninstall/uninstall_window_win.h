// UninstallWindow of the uninstaller: the window under whose animation the removal
// runs. It has no buttons: it asks its two questions in message boxes,
// removes what the installation record names, reports what it could not
// remove, and closes on the next tick of Timer1.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/installer/installer_window_win.h"
#include "common/reg_edit_win.h"
#include "common/usual.h"
#include "uninstall/removal_rules.h"

namespace vx::uninstall {

class UninstallWindow : public InstallerWindow {
 public:
  UninstallWindow(const Usual& usual, RegEdit& reg);

  // Makes and shows the window, asks, and runs the removal when both
  // questions were answered Yes.
  void Form_Load();

 private:
  void AddError(const std::wstring& st);
  void StartUnInstall();
  void EraseRecord();
  bool NothingInUse(const RemovalPlan& plan);
  void DeleteShortcut(ShortcutAction action, const std::wstring& file, const wchar_t* failure);
  void DeleteShortcuts(const RemovalPlan& plan, const std::wstring& menu);
  void DeleteInstalledFiles(const RemovalPlan& plan, const std::wstring& menu);
  void ShowResult();
  void Timer1_Timer() override;
  void OnClose() override;

  const Usual& usual_;
  RegEdit& reg_;
  // Entry 0 is always empty; failures follow from 1.
  std::vector<std::wstring> ErrorList;
  bool Finished = false;
};

}  // namespace vx::uninstall

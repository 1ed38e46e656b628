// VersionWindow: the version window. Modal over the main window; shows the program's
// icon, name, version and maker, and closes with its button or Esc.
#pragma once

#include <windows.h>

#include "common/ui/gdi_win.h"
#include "common/ui/modal_window_win.h"

namespace vx {

class VersionWindow : public ModalWindow {
 public:
  VersionWindow();

  HWND Picture1 = nullptr;  // the icon
  HWND Label1 = nullptr;    // the program's name
  HWND Label2 = nullptr;    // its version
  HWND Label3 = nullptr;    // its maker
  HWND Command2 = nullptr;  // "閉じる"

 private:
  void CreateControls() override;
  HWND FirstFocus() const override { return Command2; }
  bool OnCommand(int id, int code) override;
  // The name's font and the icon made again for the new density.
  void OnDpiChanged(int dpi) override;

  Font name_font_;
};

}  // namespace vx

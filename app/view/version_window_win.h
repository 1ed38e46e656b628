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

 private:
  void CreateControls() override;
  HWND FirstFocus() const override { return close_button_.hwnd(); }
  // The name's font and the icon made again for the new density.
  void OnDpiChanged(int dpi) override;
  void ShowIcon(int dpi) const;
  // One line each, as wide and tall as the font makes it.
  void FitLines() const;

  Font name_font_;
  Label icon_;
  Label name_;
  Label version_;
  Label maker_;
  PushButton close_button_;
};

}  // namespace vx

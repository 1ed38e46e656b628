// Form6: the version window. Modal over the main window; shows the program's
// icon, name, version and maker, and closes with its button or Esc.
#pragma once

#include <windows.h>

#include "common/ui/gdi_win.h"
#include "common/ui/modal_window_win.h"

namespace vx {

class Form6 : public ModalWindow {
 public:
  // Shows the window over `owner`, which stays disabled until it is closed.
  void ShowModal(HWND owner);

  // Controls, named as in the window's design.
  HWND Picture1 = nullptr;
  HWND Label1 = nullptr;
  HWND Label2 = nullptr;
  HWND Label3 = nullptr;
  HWND Command2 = nullptr;

 private:
  void Form_Load(HWND owner);
  bool OnCommand(int id, int code) override;

  Font name_font_;
  Font text_font_;
};

}  // namespace vx

// Form6: the version window. Modal over the main window; shows the program's
// icon, name, version and maker, and closes with its button or Esc.
#pragma once

#include <windows.h>

#include "app/controls/modal_window_win.h"

namespace vx {

class Form6 {
 public:
  Form6() = default;
  ~Form6();
  Form6(const Form6&) = delete;
  Form6& operator=(const Form6&) = delete;

  // Shows the window over `owner`, which stays disabled until it is closed.
  void ShowModal(HWND owner);

  // Controls, named as in the window's design.
  HWND Picture1 = nullptr;
  HWND Label1 = nullptr;
  HWND Label2 = nullptr;
  HWND Label3 = nullptr;
  HWND Command2 = nullptr;

 private:
  template <typename Owner>
  friend LRESULT CALLBACK OwnedWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  void Form_Load(HWND owner);
  void Command2_Click();

  HWND hwnd_ = nullptr;
  HWND owner_ = nullptr;
  Font name_font_;
  Font text_font_;
};

}  // namespace vx

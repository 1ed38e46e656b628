// The view that tests and the benchmark have into the wizard's controls,
// which the window keeps private, by their role.
#pragma once

#include <windows.h>

#include "setup/setup_window_win.h"

namespace vx::setup {

class SetupWindowTestView {
 public:
  explicit SetupWindowTestView(const SetupWindow& window) : window_(window) {}

  HWND question_label() const { return window_.question_label_.hwnd(); }
  HWND folder_text() const { return window_.folder_text_.hwnd(); }
  HWND yes_button() const { return window_.yes_button_.hwnd(); }
  HWND no_button() const { return window_.no_button_.hwnd(); }
  HWND abort_button() const { return window_.abort_button_.hwnd(); }

 private:
  const SetupWindow& window_;
};

}  // namespace vx::setup

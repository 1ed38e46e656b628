// ModalWindow: what the programs' modal windows share. A captioned popup
// with a client area of a designed size, centred over its owner, which stays
// disabled while the window runs its own message loop; the close box, Esc
// (IDCANCEL) and the window's own buttons all end in CloseModal.
#pragma once

#include <windows.h>

#include "common/ui/window_win.h"

namespace vx {

class ModalWindow : public Window {
 protected:
  // Makes the window, hidden, over `owner` (the screen's centre when null).
  bool CreateModalFrame(const wchar_t* class_name, const wchar_t* caption, int client_width,
                        int client_height, HWND owner);
  // Shows the made window with the focus on `first_focus` and runs the
  // thread's messages, with a dialog's keys (Tab, Enter, Esc), until the
  // window is gone; the quit of a program that is ending is left for its
  // main loop. A window still there at the end is closed by OnClose.
  void RunModal(HWND first_focus);
  // Enables the owner (so that it gets the focus back) and destroys the window.
  void CloseModal();
  HWND owner() const { return owner_; }

  // The close box and a program's end: closing the window, by default.
  virtual void OnClose() { CloseModal(); }
  // WM_COMMAND from a control or a key; true when it was answered.
  virtual bool OnCommand(int id, int code) {
    (void)id;
    (void)code;
    return false;
  }
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace vx

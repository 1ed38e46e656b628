// Whether a window was given the keys (WM_SETFOCUS) since the watch began.
// A test that only reads GetFocus() fails whenever another test program's
// window takes the display's focus meanwhile, which takes the keys from
// every window of this one.
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

namespace vx::test {

class FocusWatch {
 public:
  // Its own subclass procedure, beside any the program put on the window.
  explicit FocusWatch(HWND window) : window_(window) {
    SetWindowSubclass(window_, &Procedure, 0, reinterpret_cast<DWORD_PTR>(this));
  }
  ~FocusWatch() {
    if (IsWindow(window_)) RemoveWindowSubclass(window_, &Procedure, 0);
  }
  FocusWatch(const FocusWatch&) = delete;
  FocusWatch& operator=(const FocusWatch&) = delete;

  // Forgets what came before: the next action is the one watched.
  void Reset() { got_ = false; }
  // Given the keys since, or has them now.
  bool Got() const { return got_ || GetFocus() == window_; }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                    DWORD_PTR self) {
    if (msg == WM_SETFOCUS) reinterpret_cast<FocusWatch*>(self)->got_ = true;
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &Procedure, 0);
    return DefSubclassProc(hwnd, msg, wp, lp);
  }

  HWND window_;
  bool got_ = false;
};

}  // namespace vx::test

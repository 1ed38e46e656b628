// The window procedure of a window made by an object: the object passes itself
// as CreateWindowExW's creation parameter, is told its window, and answers
// every message in its HandleMessage.
#pragma once

#include <windows.h>

namespace vx {

template <typename Owner>
LRESULT CALLBACK OwnedWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    owner->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!owner) return DefWindowProcW(hwnd, msg, wp, lp);
  return owner->HandleMessage(msg, wp, lp);
}

}  // namespace vx

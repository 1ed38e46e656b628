// The shift-state mask of a key event (1 Shift, 2 Ctrl, 4 Alt), as the
// keyboard state tells it while the key message is handled.
#pragma once

#include <windows.h>

namespace vx {

inline int ShiftState() {
  const auto down = [](int key) { return GetKeyState(key) < 0; };
  return (down(VK_SHIFT) ? 1 : 0) | (down(VK_CONTROL) ? 2 : 0) | (down(VK_MENU) ? 4 : 0);
}

}  // namespace vx

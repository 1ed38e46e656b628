// A key sent to a window with modifier keys held, as the keyboard state
// tells them while the key message is handled.
#pragma once

#include <windows.h>

#include <array>
#include <initializer_list>

namespace vx::test {

inline void SendKeyWith(HWND window, UINT msg, int key, std::initializer_list<int> held) {
  BYTE state[256];
  GetKeyboardState(state);
  const auto saved = std::to_array(state);
  for (int h : held) state[h] = 0x80;
  SetKeyboardState(state);
  SendMessageW(window, msg, static_cast<WPARAM>(key), 0);
  SetKeyboardState(const_cast<BYTE*>(saved.data()));
}

}  // namespace vx::test

#include "common/ui/message_pump_win.h"

#include <windows.h>

#include "common/ui/dialog_keys_win.h"

namespace vx {

bool PumpPendingMessages(HWND dialog) {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    if (dialog && IsWindow(dialog) &&
        (HandleDialogKey(dialog, msg) || IsDialogMessageW(dialog, &msg))) {
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

}  // namespace vx

namespace vx {
namespace {

int letting_in = 0;
ULONGLONG last_let_in = 0;

}  // namespace

bool LetSystemIn() {
  const ULONGLONG now = GetTickCount64();
  if (now - last_let_in < kLetSystemInMs) return false;
  last_let_in = now;
  ++letting_in;
  MSG msg;
  // Any look at the queue answers the messages sent meanwhile; only paints
  // are taken from it. A window that does not validate its update region
  // would come back at once: a few rounds are enough for every window.
  for (int round = 0; round < 64 && PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE);
       ++round) {
    DispatchMessageW(&msg);
  }
  --letting_in;
  return true;
}

bool LettingSystemIn() { return letting_in > 0; }

}  // namespace vx

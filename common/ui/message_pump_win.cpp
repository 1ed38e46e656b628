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

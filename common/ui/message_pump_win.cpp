#include "common/ui/message_pump_win.h"

// mmsystem.h needs windows.h before it.
#include <mmsystem.h>

namespace vx {

bool TakeDialogKey(HWND window, MSG& msg) {
  return window && IsWindow(window) && IsDialogMessageW(window, &msg);
}

bool LetMessagesRun(HWND window, bool dialog_keys) {
  const HWND dialog = dialog_keys && window ? GetAncestor(window, GA_ROOT) : nullptr;
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    if (TakeDialogKey(dialog, msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return !window || IsWindow(window);
}

FineTimeResolution::FineTimeResolution() { timeBeginPeriod(1); }

FineTimeResolution::~FineTimeResolution() { timeEndPeriod(1); }

void WaitForMessages(DWORD timeout_ms) {
  MsgWaitForMultipleObjectsEx(0, nullptr, timeout_ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

Ticker::Ticker(HWND window, UINT_PTR id, UINT interval_ms) : window_(window), id_(id) {
  SetTimer(window_, id_, interval_ms, nullptr);
}

Ticker::~Ticker() {
  if (IsWindow(window_)) KillTimer(window_, id_);
}

}  // namespace vx

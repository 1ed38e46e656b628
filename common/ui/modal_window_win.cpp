#include "common/ui/modal_window_win.h"

#include "common/ui/controls_win.h"
#include "common/ui/dialog_keys_win.h"
#include "common/ui/message_pump_win.h"

namespace vx {

bool ModalWindow::CreateModalFrame(const wchar_t* class_name, const wchar_t* caption,
                                   int client_width, int client_height, HWND owner) {
  owner_ = owner;
  constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
  RECT frame{0, 0, client_width, client_height};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT over{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (owner) GetWindowRect(owner, &over);
  WindowSpec spec;
  spec.caption = caption;
  spec.style = kStyle;
  spec.ex_style = kExStyle;
  spec.x = over.left + (over.right - over.left - width) / 2;
  spec.y = over.top + (over.bottom - over.top - height) / 2;
  spec.width = width;
  spec.height = height;
  spec.parent = owner;
  return CreateBound({class_name}, spec) != nullptr;
}

void ModalWindow::RunModal(HWND first_focus) {
  if (!hwnd()) return;
  if (owner_) EnableWindow(owner_, FALSE);
  ShowWindow(hwnd(), SW_SHOWNORMAL);
  if (first_focus) SetFocus(first_focus);
  MSG msg;
  while (hwnd()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (HandleDialogKey(hwnd(), msg)) continue;
    if (!IsDialogMessageW(hwnd(), &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  if (hwnd()) OnClose();
}

void ModalWindow::CloseModal() {
  if (owner_) EnableWindow(owner_, TRUE);
  if (hwnd()) DestroyWindow(hwnd());
}

LRESULT ModalWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CLOSE:
      // Not from inside the window's own long work: it closes after it.
      if (LettingSystemIn()) {
        PostMessageW(hwnd(), WM_CLOSE, 0, 0);
        return 0;
      }
      OnClose();
      return 0;
    case WM_COMMAND:
      if (OnCommand(LOWORD(wp), HIWORD(wp))) return 0;
      break;
    case WM_CTLCOLORSTATIC:
      return ButtonFaceColours(wp);
    default:
      break;
  }
  return Default(msg, wp, lp);
}

}  // namespace vx

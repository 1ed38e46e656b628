#include "common/ui/modal_window_win.h"

#include <algorithm>

#include "common/ui/dpi_win.h"
#include "common/ui/message_pump_win.h"

namespace vx {

void ModalWindow::ShowModal(HWND owner) {
  if (Open(owner)) RunModal();
}

bool ModalWindow::Open(HWND owner) {
  owner_ = owner;
  constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
  // Made at the owner's density (the system's without one); a move to
  // another display comes as WM_DPICHANGED.
  const int dpi = WindowDpi(owner);
  RECT frame{0, 0, TwipsToPixelsAt(args_.client.width, dpi),
             TwipsToPixelsAt(args_.client.height, dpi)};
  AdjustFrameForDpi(frame, kStyle, false, kExStyle, dpi);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT over{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (owner) GetWindowRect(owner, &over);
  WindowArgs window;
  window.caption = args_.caption.c_str();
  window.style = kStyle;
  window.ex_style = kExStyle;
  window.x = over.left + (over.right - over.left - width) / 2;
  window.y = over.top + (over.bottom - over.top - height) / 2;
  // Whole on the owner's monitor: a window wider than its owner, over an
  // owner at the screen's edge, would reach past the edge.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (GetMonitorInfoW(MonitorFromRect(&over, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT& work = monitor.rcWork;
    window.x = std::max<int>(work.left, std::min<int>(window.x, work.right - width));
    window.y = std::max<int>(work.top, std::min<int>(window.y, work.bottom - height));
  }
  window.width = width;
  window.height = height;
  window.parent = owner;
  if (!CreateBound({args_.class_name}, window)) return false;
  if (WindowDpi(hwnd()) != dpi) KeepDpi(hwnd(), dpi);
  // The frame the system drew may differ from the one reckoned for `dpi`
  // (a system that draws frames at its own density): the client area is
  // made the size the layout asks for.
  RECT client;
  GetClientRect(hwnd(), &client);
  const int want_width = TwipsToPixelsAt(args_.client.width, dpi);
  const int want_height = TwipsToPixelsAt(args_.client.height, dpi);
  if (client.right != want_width || client.bottom != want_height) {
    SetWindowPos(hwnd(), nullptr, 0, 0, width + want_width - client.right,
                 height + want_height - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (args_.icon) SetProgramIcon(hwnd(), args_.icon);
  dialog_font_ = MakeDialogFont(WindowDpi(hwnd()));
  CreateControls();
  return hwnd() != nullptr;
}

void ModalWindow::RunModal() {
  if (!hwnd()) return;
  if (owner_) EnableWindow(owner_, FALSE);
  ShowWindow(hwnd(), SW_SHOWNORMAL);
  if (const HWND first = FirstFocus()) SetFocus(first);
  MSG msg;
  while (hwnd()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (!TakeDialogKey(hwnd(), msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  if (hwnd()) OnClose();
}

void ModalWindow::Close() {
  if (owner_) EnableWindow(owner_, TRUE);
  Window::Close();
}

PushButton ModalWindow::AddButton(ButtonArgs args, unsigned keys) {
  args.is_default = (keys & kEnterKey) != 0;
  const PushButton button = MakePushButton(DialogSite(), std::move(args));
  if (keys & kEnterKey) default_button_ = button.hwnd();
  if (keys & kEscKey) cancel_button_ = button.hwnd();
  return button;
}

void ModalWindow::SetClientHeight(int twips) {
  RECT frame, client;
  GetWindowRect(hwnd(), &frame);
  GetClientRect(hwnd(), &client);
  const int grow = TwipsToPixelsAt(twips, WindowDpi(hwnd())) - client.bottom;
  if (grow == 0) return;
  SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + grow,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ModalWindow::OnDpiChanged(int dpi) {
  if (args_.icon) SetProgramIcon(hwnd(), args_.icon);
  Font font = MakeDialogFont(dpi);
  for (HWND child = GetWindow(hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)) == dialog_font_.get()) {
      SetControlFont(child, font.get(), true);
    }
  }
  dialog_font_ = std::move(font);
}

LRESULT ModalWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CLOSE:
      // Not from inside the window's own long work: it closes after it.
      if (LettingSystemIn()) {
        PostMessageW(hwnd(), WM_CLOSE, 0, 0);
        return 0;
      }
      break;
    case DM_GETDEFID:
      // How TakeDialogKey learns which button Enter presses.
      return default_button_ ? MAKELRESULT(GetDlgCtrlID(default_button_), DC_HASDEFID) : 0;
    case WM_COMMAND:
      // Esc comes as IDCANCEL: the cancel button's own command.
      if (LOWORD(wp) == IDCANCEL && cancel_button_) {
        wp = MAKEWPARAM(GetDlgCtrlID(cancel_button_), HIWORD(wp));
      }
      break;
    default:
      break;
  }
  return FormWindow::HandleMessage(msg, wp, lp);
}

}  // namespace vx

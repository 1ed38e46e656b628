#include "common/ui/window_win.h"

#include "common/ui/controls_win.h"
#include "common/ui/dpi_win.h"

namespace vx {
namespace {

void RegisterOnce(const WindowClass& c, WNDPROC procedure) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(instance, c.name, &wc)) return;
  wc.cbSize = sizeof wc;
  wc.style = c.style;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  // A class's icons are at the system's density; each window sets its own.
  wc.hIcon = c.icon ? ProgramIcon(c.icon, false, SystemDpi()) : nullptr;
  wc.hIconSm = c.icon ? ProgramIcon(c.icon, true, SystemDpi()) : nullptr;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = c.background >= 0
                         ? reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(c.background + 1))
                         : nullptr;
  wc.lpszClassName = c.name;
  RegisterClassExW(&wc);
}

}  // namespace

WindowArgs WindowArgs::Child(HWND parent, int id, const PixelRect& rect, DWORD more_style) {
  const PixelRect r = DpiScale(parent)(rect);
  WindowArgs args;
  args.style = WS_CHILD | WS_VISIBLE | more_style;
  args.x = r.x;
  args.y = r.y;
  args.width = r.width;
  args.height = r.height;
  args.parent = parent;
  args.id = id;
  return args;
}

Window::~Window() { DestroyUnbound(); }

void Window::DestroyUnbound() {
  if (!hwnd_) return;
  const HWND h = hwnd_;
  SetWindowLongPtrW(h, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
  if (IsWindow(h)) DestroyWindow(h);
}

HWND Window::CreateBound(const WindowClass& window_class, const WindowArgs& args) {
  RegisterOnce(window_class, &Window::Procedure);
  const HMENU id = args.parent && (args.style & WS_CHILD)
                       ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id))
                       : nullptr;
  CreateWindowExW(args.ex_style, window_class.name, args.caption, args.style, args.x, args.y,
                  args.width, args.height, args.parent, id, GetModuleHandleW(nullptr), this);
  return hwnd_;
}

void Window::Close() {
  if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

LRESULT FormWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_COMMAND:
      // A control's notice carries its window; a menu item's or a key's does not.
      if (lp == 0 && HIWORD(wp) <= 1 && OnMenuCommand(LOWORD(wp))) return 0;
      if (routes_.Dispatch(LOWORD(wp), HIWORD(wp))) return 0;
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      // A scroll bar control's move carries its window; the window's own bars' do not.
      if (lp != 0 && routes_.DispatchScroll(GetDlgCtrlID(reinterpret_cast<HWND>(lp)), LOWORD(wp),
                                            HIWORD(wp))) {
        return 0;
      }
      break;
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (routes_.DispatchNotify(*reinterpret_cast<const NMHDR*>(lp), result)) return result;
      break;
    }
    case WM_CTLCOLORSTATIC:
      return ButtonFaceColours(wp);
    case WM_DPICHANGED:
      ApplyDpiChange(hwnd(), wp, lp);
      OnDpiChanged(HIWORD(wp));
      return 0;
    default:
      break;
  }
  return Default(msg, wp, lp);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    ForgetDpi(hwnd);
    const LRESULT result = self->HandleMessage(msg, wp, lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return result;
  }
  return self->HandleMessage(msg, wp, lp);
}

}  // namespace vx

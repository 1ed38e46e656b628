#include "common/ui/window_win.h"

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
  wc.hIcon = c.icon ? LoadIconW(instance, MAKEINTRESOURCEW(c.icon)) : nullptr;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = c.background >= 0
                         ? reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(c.background + 1))
                         : nullptr;
  wc.lpszClassName = c.name;
  RegisterClassExW(&wc);
}

}  // namespace

Window::~Window() { DestroyUnbound(); }

void Window::DestroyUnbound() {
  if (!hwnd_) return;
  const HWND h = hwnd_;
  SetWindowLongPtrW(h, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
  if (IsWindow(h)) DestroyWindow(h);
}

HWND Window::CreateBound(const WindowClass& window_class, const WindowSpec& spec) {
  RegisterOnce(window_class, &Window::Procedure);
  const HMENU id = spec.parent && (spec.style & WS_CHILD)
                       ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id))
                       : nullptr;
  CreateWindowExW(spec.ex_style, window_class.name, spec.caption, spec.style, spec.x, spec.y,
                  spec.width, spec.height, spec.parent, id, GetModuleHandleW(nullptr), this);
  return hwnd_;
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    const LRESULT result = self->HandleMessage(msg, wp, lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return result;
  }
  return self->HandleMessage(msg, wp, lp);
}

}  // namespace vx

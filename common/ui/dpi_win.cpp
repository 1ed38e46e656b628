#include "common/ui/dpi_win.h"

#include "common/ui/gdi_win.h"

namespace vx {
namespace {

// Where a window's last WM_DPICHANGED is kept.
constexpr wchar_t kDpiProperty[] = L"VxDpi";

template <typename Function>
Function User32(const char* name) {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                : nullptr;
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForSystemFn = UINT(WINAPI*)();
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

int DcDpi(HWND window) {
  const WindowDc dc(window);
  const int dpi = dc.get() ? GetDeviceCaps(dc.get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : kBaseDpi;
}

}  // namespace

int SystemDpi() {
  static const auto for_system = User32<GetDpiForSystemFn>("GetDpiForSystem");
  if (for_system) {
    if (const UINT dpi = for_system()) return static_cast<int>(dpi);
  }
  return DcDpi(nullptr);
}

int WindowDpi(HWND window) {
  if (!window) return SystemDpi();
  const HWND root = GetAncestor(window, GA_ROOT);
  if (const HANDLE kept = GetPropW(root ? root : window, kDpiProperty)) {
    return static_cast<int>(reinterpret_cast<INT_PTR>(kept));
  }
  static const auto for_window = User32<GetDpiForWindowFn>("GetDpiForWindow");
  if (for_window) {
    if (const UINT dpi = for_window(window)) return static_cast<int>(dpi);
  }
  return DcDpi(window);
}

int MetricForDpi(int index, int dpi) {
  static const auto for_dpi = User32<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
  if (for_dpi) return for_dpi(index, static_cast<UINT>(dpi));
  // Without it the metrics are the system density's; scaled from there.
  return MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}

void AdjustFrameForDpi(RECT& rect, DWORD style, bool menu, DWORD ex_style, int dpi) {
  static const auto for_dpi = User32<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
  if (for_dpi && for_dpi(&rect, style, menu ? TRUE : FALSE, ex_style, static_cast<UINT>(dpi))) {
    return;
  }
  AdjustWindowRectEx(&rect, style, menu ? TRUE : FALSE, ex_style);
}

void ApplyDpiChange(HWND window, WPARAM wp, LPARAM lp) {
  const int old_dpi = WindowDpi(window);
  const int new_dpi = HIWORD(wp);
  if (new_dpi <= 0) return;
  KeepDpi(window, new_dpi);
  if (const auto* suggested = reinterpret_cast<const RECT*>(lp)) {
    SetWindowPos(window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (new_dpi == old_dpi) return;
  // Direct children only: each one's own children follow its new size.
  // Corner and size are scaled each on its own, as a layout is made, so
  // that from 96 dots every child lands where it would have been made.
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    const auto scale = [&](LONG v) { return MulDiv(v, new_dpi, old_dpi); };
    SetWindowPos(child, nullptr, scale(r.left), scale(r.top), scale(r.right - r.left),
                 scale(r.bottom - r.top), SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void KeepDpi(HWND window, int dpi) {
  SetPropW(window, kDpiProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(dpi)));
}

void ForgetDpi(HWND window) { RemovePropW(window, kDpiProperty); }

}  // namespace vx

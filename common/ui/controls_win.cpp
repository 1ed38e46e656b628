#include "common/ui/controls_win.h"

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <utility>

#include "common/ui/dpi_win.h"
#include "common/ui/gdi_win.h"

namespace vx {
namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

HWND MakeControl(HWND parent, const ControlArgs& args) {
  // A popup control (a tooltip) is owned by `parent`, shows itself and has
  // no control id: a popup's id would be read as a menu.
  const bool popup = (args.style & WS_POPUP) != 0;
  const DWORD base = popup ? 0 : WS_CHILD | WS_VISIBLE;
  const HMENU id = popup ? nullptr : reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id));
  const PixelRect r = args.device_pixels ? args.rect : DpiScale(parent)(args.rect);
  const HWND h =
      CreateWindowExW(args.ex_style, args.window_class, args.caption.c_str(), base | args.style,
                      r.x, r.y, r.width, r.height, parent, id, GetModuleHandleW(nullptr), nullptr);
  if (h && args.font) SetControlFont(h, args.font);
  return h;
}

void SetControlFont(HWND control, HFONT font, bool redraw) {
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
}

std::wstring ControlText(HWND control) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)), L'\0');
  const int n = GetWindowTextW(control, text.data(), static_cast<int>(text.size() + 1));
  text.resize(static_cast<size_t>(n > 0 ? n : 0));
  return text;
}

void SetControlText(HWND control, const std::wstring& text) {
  SetWindowTextW(control, text.c_str());
}

bool IsChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetChecked(HWND button, bool checked) {
  SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void EnableControl(HWND control, bool enabled) { EnableWindow(control, enabled ? TRUE : FALSE); }

void HideControl(HWND control, HWND next_focus) {
  if (GetFocus() == control) SetFocus(next_focus);
  ShowWindow(control, SW_HIDE);
}

HICON ProgramIcon(int id, bool small, int dpi) {
  const int side = MetricForDpi(small ? SM_CXSMICON : SM_CXICON, dpi);
  // Kept for the life of the program, one per size: the system's shared
  // icons are only for its own sizes. The window thread alone asks.
  static std::map<std::pair<int, int>, HICON> loaded;
  HICON& icon = loaded[{id, side}];
  if (!icon) {
    icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, side, side, 0));
  }
  return icon ? icon : LoadIconW(nullptr, IDI_APPLICATION);
}

void SetProgramIcon(HWND window, int id) {
  const int dpi = WindowDpi(window);
  SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon(id, false, dpi)));
  SendMessageW(window, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(ProgramIcon(id, true, dpi)));
}

SIZE LabelTextExtent(HWND label) {
  const LONG style = GetWindowLongW(label, GWL_STYLE);
  const LONG kind = style & SS_TYPEMASK;
  UINT flags = DT_CALCRECT | DT_EXPANDTABS;
  if (style & SS_NOPREFIX) flags |= DT_NOPREFIX;
  if (kind == SS_SIMPLE) flags |= DT_SINGLELINE;
  if (kind != SS_LEFTNOWORDWRAP && kind != SS_SIMPLE) flags |= DT_WORDBREAK;
  RECT client;
  GetClientRect(label, &client);
  RECT need{0, 0, client.right, 0};
  const WindowDc dc(label);
  // A label without a font of its own draws in the device context's own.
  const Selection font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  DrawTextW(dc.get(), ControlText(label).c_str(), -1, &need, flags);
  return {need.right, need.bottom};
}

void FitLabelToText(HWND label) {
  const SIZE need = LabelTextExtent(label);
  RECT client, frame;
  GetClientRect(label, &client);
  GetWindowRect(label, &frame);
  const LONG grow_x = std::max<LONG>(0, need.cx - client.right);
  const LONG grow_y = std::max<LONG>(0, need.cy - client.bottom);
  if (grow_x == 0 && grow_y == 0) return;
  SetWindowPos(label, nullptr, 0, 0, frame.right - frame.left + grow_x,
               frame.bottom - frame.top + grow_y, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MessageHook::Attach(HWND window, Handler handler) {
  Detach();
  window_ = window;
  handler_ = std::move(handler);
  SetWindowSubclass(window_, &MessageHook::Procedure, kSubclassId,
                    reinterpret_cast<DWORD_PTR>(this));
}

void MessageHook::Detach() {
  if (!window_) return;
  if (IsWindow(window_)) RemoveWindowSubclass(window_, &MessageHook::Procedure, kSubclassId);
  window_ = nullptr;
}

LRESULT CALLBACK MessageHook::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                        DWORD_PTR self_data) {
  auto* self = reinterpret_cast<MessageHook*>(self_data);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, &MessageHook::Procedure, kSubclassId);
    self->window_ = nullptr;
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  LRESULT result = 0;
  if (self->handler_ && self->handler_(msg, wp, lp, result)) return result;
  return DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT ButtonFaceColours(WPARAM dc) {
  const HDC h = reinterpret_cast<HDC>(dc);
  SetBkColor(h, GetSysColor(COLOR_BTNFACE));
  SetTextColor(h, GetSysColor(COLOR_BTNTEXT));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace vx

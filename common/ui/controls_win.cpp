#include "common/ui/controls_win.h"

#include <commctrl.h>

#include <algorithm>

#include "common/ui/gdi_win.h"

namespace vx {
namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

HWND MakeControl(HWND parent, const ControlSpec& spec) {
  // A popup control (a tooltip) is owned by `parent`, shows itself and has
  // no control id: a popup's id would be read as a menu.
  const bool popup = (spec.style & WS_POPUP) != 0;
  const DWORD base = popup ? 0 : WS_CHILD | WS_VISIBLE;
  const HMENU id = popup ? nullptr : reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id));
  const HWND h = CreateWindowExW(spec.ex_style, spec.window_class, spec.caption.c_str(),
                                 base | spec.style, spec.rect.x, spec.rect.y, spec.rect.width,
                                 spec.rect.height, parent, id, GetModuleHandleW(nullptr), nullptr);
  if (h && spec.font) SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(spec.font), FALSE);
  return h;
}

std::wstring ControlText(HWND control) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)), L'\0');
  const int n = GetWindowTextW(control, text.data(), static_cast<int>(text.size() + 1));
  text.resize(static_cast<size_t>(n > 0 ? n : 0));
  return text;
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

void ControlSubclass::Attach(HWND control, Handler handler) {
  Detach();
  control_ = control;
  handler_ = std::move(handler);
  SetWindowSubclass(control_, &ControlSubclass::Procedure, kSubclassId,
                    reinterpret_cast<DWORD_PTR>(this));
}

void ControlSubclass::Detach() {
  if (!control_) return;
  if (IsWindow(control_)) RemoveWindowSubclass(control_, &ControlSubclass::Procedure, kSubclassId);
  control_ = nullptr;
}

LRESULT CALLBACK ControlSubclass::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                            DWORD_PTR self_data) {
  auto* self = reinterpret_cast<ControlSubclass*>(self_data);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, &ControlSubclass::Procedure, kSubclassId);
    self->control_ = nullptr;
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

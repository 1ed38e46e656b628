#include "common/ui/controls_win.h"

#include <commctrl.h>

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

#include "app/controls/number_field_win.h"

#include <windowsx.h>

#include <string>

#include "app/controls/auto_repeat.h"
#include "app/controls/number_field_cursor_win.h"
#include "app/controls/number_field_rules.h"
#include "common/ui/dpi_win.h"
#include "common/ui/font_faces.h"
#include "common/ui/message_pump_win.h"
#include "common/ui/shift_state_win.h"

namespace vx {
namespace {

constexpr wchar_t kClassName[] = L"VanteloxNumberField";

void DrawLine(HDC dc, const SurfaceLine& l) {
  MoveToEx(dc, l.x1, l.y1, nullptr);
  // LineTo leaves out its end point; the sign's stroke takes it in.
  LineTo(dc, l.x2 + (l.y1 == l.y2 ? 1 : 0), l.y2 + (l.x1 == l.x2 ? 1 : 0));
}

}  // namespace

bool NumberField::Create(HWND parent, NumberFieldArgs args) {
  min_ = args.min;
  max_ = args.max;
  key_step_ = args.key_step;
  drag_step_ = args.drag_step;
  enabled_ = args.enabled;
  value_ = ClampValue(args.value, min_, max_);
  WindowArgs window = WindowArgs::Child(parent, 0, args.rect);
  if (!args.visible) window.style &= ~DWORD{WS_VISIBLE};
  // Tab and the dialog keys reach the text box inside.
  window.ex_style = WS_EX_CONTROLPARENT;
  if (!CreateBound({kClassName, CS_DBLCLKS, COLOR_BTNFACE}, window)) return false;
  DWORD style = ES_AUTOHSCROLL | WS_BORDER;
  if (enabled_) style |= WS_TABSTOP;
  LayOut();
  // The field's own notices are its messages (OnTextBoxMessage): no routes.
  text_box_ = MakeEditField({hwnd(), font_.get(), nullptr},
                            {.text = std::to_wstring(value_),
                             .rect = {0, 0, layout_.edit_width, layout_.edit_height},
                             .style = style,
                             .device_pixels = true})
                  .hwnd();
  if (!text_box_) return false;
  text_box_hook_.Attach(text_box_, [this](UINT m, WPARAM w, LPARAM l, LRESULT& r) {
    return OnTextBoxMessage(m, w, l, r);
  });
  EnableControl(text_box_, enabled_);
  // Only now: the first number is not reported.
  on_change_ = std::move(args.on_change);
  return true;
}

void NumberField::SetValue(int32_t value) { Assign(value); }

void NumberField::Assign(int64_t value) {
  value_ = ClampValue(value, min_, max_);
  if (text_box_) {
    SetControlText(text_box_, std::to_wstring(value_));
    UpdateWindow(text_box_);
  }
  if (on_change_) on_change_(value_);
}

void NumberField::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (!text_box_) return;
  EnableControl(text_box_, enabled);
  const LONG_PTR style = GetWindowLongPtrW(text_box_, GWL_STYLE);
  SetWindowLongPtrW(text_box_, GWL_STYLE,
                    enabled ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP});
}

std::optional<int32_t> NumberField::TypedValue() const {
  return ReadNumber(ControlText(text_box_), min_, max_);
}

bool NumberField::TakeTyped() {
  const std::optional<int32_t> typed = TypedValue();
  if (typed) Assign(*typed);
  return typed.has_value();
}

void NumberField::FocusText() const {
  SetFocus(text_box_);
  SendMessageW(text_box_, EM_SETSEL, 0, -1);
}

void NumberField::LayOut() {
  RECT client;
  GetClientRect(hwnd(), &client);
  const int dpi = WindowDpi(hwnd());
  layout_ = LayOutNumberField(client.right, client.bottom, dpi);
  if (layout_.font_points == font_points_ && dpi == font_dpi_) return;
  // The old font goes only once the field has the new one.
  Font font = MakeFontForDpi({font_faces::kDialog, layout_.font_points * 100}, dpi);
  if (text_box_) SetControlFont(text_box_, font.get(), true);
  font_ = std::move(font);
  font_points_ = layout_.font_points;
  font_dpi_ = dpi;
}

void NumberField::OnResize() {
  LayOut();
  if (text_box_) MoveWindow(text_box_, 0, 0, layout_.edit_width, layout_.edit_height, TRUE);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void NumberField::Paint() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd(), &ps);
  {
    const Selection pen(dc, GetStockObject(BLACK_PEN));
    const Selection brush(dc, GetStockObject(NULL_BRUSH));
    for (const PixelRect& r : {layout_.plus, layout_.minus}) {
      Rectangle(dc, r.x, r.y, r.right(), r.bottom());
    }
    for (const SurfaceLine& l : {layout_.plus_across, layout_.plus_upright, layout_.minus_across}) {
      DrawLine(dc, l);
    }
  }
  EndPaint(hwnd(), &ps);
}

LRESULT NumberField::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      OnResize();
      return 0;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      OnButtonDown(msg, lp);
      return 0;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      OnDoubleClick();
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_CAPTURECHANGED:
      repeat_stop_ = true;
      return 0;
    default:
      return Default(msg, wp, lp);
  }
}

bool NumberField::OnTextBoxMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:  // Alt+Up, Alt+Down
      if (wp != VK_UP && wp != VK_DOWN) return false;
      if (enabled_) OnTextBoxKey(static_cast<int>(wp));
      return true;
    case WM_KILLFOCUS:
      // Also while disabled: a field disabled with the focus in it still
      // takes its text. A refused text waits for the owner (TakeTyped), who
      // tells the person.
      TakeTyped();
      return false;
    case WM_LBUTTONDOWN:
      if (enabled_) OnDragStart(GET_Y_LPARAM(lp));
      return false;
    case WM_MOUSEMOVE:
      if (!dragging_) return false;
      OnDrag(GET_Y_LPARAM(lp));
      return true;
    case WM_LBUTTONUP:
      if (dragging_) OnDragEnd();
      return false;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return false;
    case WM_SETCURSOR:
      if (LOWORD(lp) != HTCLIENT) return false;
      SetCursor(NumberFieldCursor());
      result = TRUE;
      return true;
    default:
      return false;
  }
}

void NumberField::OnTextBoxKey(int key) {
  Assign(value_ + KeyStep(key == VK_UP ? 1 : -1, key_step_, ShiftState() != 0));
}

void NumberField::OnDragStart(int y) {
  dragging_ = true;
  drag_start_y_ = y;
  drag_start_value_ = TypedValue().value_or(value_);
}

void NumberField::OnDrag(int y) {
  const int64_t steps = DragSteps(drag_start_y_, y);
  SendMessageW(text_box_, EM_SETSEL, static_cast<WPARAM>(-1), 0);
  Assign(drag_start_value_ + steps * drag_step_);
}

void NumberField::OnDragEnd() {
  dragging_ = false;
  SetFocus(text_box_);
}

void NumberField::OnButtonDown(UINT button, LPARAM lp) {
  last_button_ = button;
  last_press_ = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  if (button == WM_LBUTTONDOWN && enabled_) PressButton(last_press_.x, last_press_.y);
}

void NumberField::OnDoubleClick() {
  // One more press where the last one was.
  if (last_button_ == WM_LBUTTONDOWN && enabled_) PressButton(last_press_.x, last_press_.y);
}

void NumberField::PressButton(int x, int y) {
  const int direction = ButtonDirection(layout_, x, y);
  if (direction == 0) return;
  // A release anywhere ends the repeat, not only one over the control.
  SetCapture(hwnd());
  repeat_stop_ = false;
  const FineTimeResolution fine;
  // The owner may close the window from any step or message: once the
  // control is gone the loop ends without touching it again. Esc, Enter and
  // Tab keep working in the window while the button is held.
  const auto held = [this] { return !repeat_stop_ && hwnd() != nullptr; };
  RunAutoRepeat(
      [this, direction] {
        Assign(int64_t{TypedValue().value_or(value_)} + int64_t{key_step_} * direction);
      },
      [&] {
        if (!held() || !LetMessagesRun(hwnd(), true) || !held()) return false;
        WaitForMessages(1);
        return true;
      });
  if (hwnd() && GetCapture() == hwnd()) ReleaseCapture();
}

}  // namespace vx

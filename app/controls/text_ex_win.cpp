#include "app/controls/text_ex_win.h"

#include <windowsx.h>

#include <string>

#include "app/controls/auto_repeat.h"
#include "app/controls/text_ex_cursor_win.h"
#include "app/controls/text_ex_rules.h"
#include "common/ui/dpi_win.h"
#include "common/ui/font_faces.h"
#include "common/ui/message_pump_win.h"
#include "common/ui/shift_state_win.h"

namespace vx {
namespace {

constexpr wchar_t kClassName[] = L"VanteloxTextEx";
constexpr int kText1Id = 1;

void DrawLine(HDC dc, const SurfaceLine& l) {
  MoveToEx(dc, l.x1, l.y1, nullptr);
  // LineTo leaves out its end point; the sign's stroke takes it in.
  LineTo(dc, l.x2 + (l.y1 == l.y2 ? 1 : 0), l.y2 + (l.x1 == l.x2 ? 1 : 0));
}

}  // namespace

bool TextEx::Create(HWND parent, const TextExArgs& args) {
  MinValue = args.MinValue;
  MaxValue = args.MaxValue;
  ChangeValue = args.ChangeValue;
  ChangeMouseValue = args.ChangeMouseValue;
  index_ = args.index;
  enabled_ = args.Enabled;
  value_ = ClampValue(args.Value, MinValue, MaxValue);
  WindowArgs window = WindowArgs::Child(parent, args.id, args.rect);
  if (!args.visible) window.style &= ~DWORD{WS_VISIBLE};
  // Tab and the dialog keys reach the edit field inside.
  window.ex_style = WS_EX_CONTROLPARENT;
  if (!CreateBound({kClassName, CS_DBLCLKS, COLOR_BTNFACE}, window)) return false;
  DWORD style = ES_AUTOHSCROLL | WS_BORDER;
  if (enabled_) style |= WS_TABSTOP;
  LayOut();
  text1_ = MakeControl(hwnd(), {L"EDIT",
                                std::to_wstring(value_),
                                {0, 0, layout_.edit_width, layout_.edit_height},
                                style,
                                kText1Id,
                                font_.get(),
                                0,
                                true});
  if (!text1_) return false;
  text1_hook_.Attach(
      text1_, [this](UINT m, WPARAM w, LPARAM l, LRESULT& r) { return Text1_Message(m, w, l, r); });
  EnableControl(text1_, enabled_);
  return true;
}

void TextEx::SetValue(int32_t v) { Assign(v); }

void TextEx::Assign(int64_t v) {
  value_ = ClampValue(v, MinValue, MaxValue);
  if (text1_) {
    SetControlText(text1_, std::to_wstring(value_));
    UpdateWindow(text1_);
  }
  if (ValueChanged) ValueChanged(index_);
}

void TextEx::SetEnabled(bool on) {
  enabled_ = on;
  if (!text1_) return;
  EnableControl(text1_, on);
  const LONG_PTR style = GetWindowLongPtrW(text1_, GWL_STYLE);
  SetWindowLongPtrW(text1_, GWL_STYLE, on ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP});
}

int32_t TextEx::TypedValue() const { return ParseText(ControlText(text1_)); }

void TextEx::LayOut() {
  RECT client;
  GetClientRect(hwnd(), &client);
  const int dpi = WindowDpi(hwnd());
  layout_ = LayOutTextEx(client.right, client.bottom, dpi);
  if (layout_.font_points == font_points_ && dpi == font_dpi_) return;
  // The old font goes only once the field has the new one.
  Font font = MakeFontForDpi({font_faces::kDialog, layout_.font_points * 100}, dpi);
  if (text1_) SetControlFont(text1_, font.get(), true);
  font_ = std::move(font);
  font_points_ = layout_.font_points;
  font_dpi_ = dpi;
}

void TextEx::RePaint() {
  LayOut();
  if (text1_) MoveWindow(text1_, 0, 0, layout_.edit_width, layout_.edit_height, TRUE);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void TextEx::Paint() {
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

LRESULT TextEx::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      RePaint();
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

bool TextEx::Text1_Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_GETDLGCODE:
      // Enter takes the typed number here rather than pressing a button of the window.
      if (wp != VK_RETURN) return false;
      result = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | DLGC_WANTALLKEYS;
      return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:  // Alt+Up, Alt+Down
      if (wp != VK_UP && wp != VK_DOWN && wp != VK_RETURN) return false;
      if (enabled_) Text1_KeyDown(static_cast<int>(wp));
      return true;
    case WM_CHAR:
      // Enter has been taken on its key; a single-line field would only beep.
      return wp == L'\r';
    case WM_KILLFOCUS:
      // Also while disabled: a field disabled with the focus in it still takes its text.
      Assign(TypedValue());
      return false;
    case WM_LBUTTONDOWN:
      if (enabled_) Text1_MouseDown(GET_Y_LPARAM(lp));
      return false;
    case WM_MOUSEMOVE:
      if (!dragging_) return false;
      Text1_MouseMove(GET_Y_LPARAM(lp));
      return true;
    case WM_LBUTTONUP:
      if (dragging_) Text1_MouseUp();
      return false;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return false;
    case WM_SETCURSOR:
      if (LOWORD(lp) != HTCLIENT) return false;
      SetCursor(TextExCursor());
      result = TRUE;
      return true;
    default:
      return false;
  }
}

void TextEx::Text1_KeyDown(int key) {
  if (key == VK_RETURN) {
    Assign(TypedValue());
    return;
  }
  Assign(value_ + KeyStep(key == VK_UP ? 1 : -1, ChangeValue, ShiftState() != 0));
}

void TextEx::Text1_MouseDown(int y) {
  dragging_ = true;
  drag_start_y_ = y;
  drag_start_value_ = TypedValue();
}

void TextEx::Text1_MouseMove(int y) {
  const int64_t steps = DragSteps(drag_start_y_, y);
  SendMessageW(text1_, EM_SETSEL, static_cast<WPARAM>(-1), 0);
  Assign(drag_start_value_ + steps * ChangeMouseValue);
}

void TextEx::Text1_MouseUp() {
  dragging_ = false;
  SetFocus(text1_);
}

void TextEx::OnButtonDown(UINT button, LPARAM lp) {
  last_button_ = button;
  last_press_ = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  if (button == WM_LBUTTONDOWN && enabled_) PressButton(last_press_.x, last_press_.y);
}

void TextEx::OnDoubleClick() {
  // One more press where the last one was.
  if (last_button_ == WM_LBUTTONDOWN && enabled_) PressButton(last_press_.x, last_press_.y);
}

void TextEx::PressButton(int x, int y) {
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
      [this, direction] { Assign(int64_t{TypedValue()} + int64_t{ChangeValue} * direction); },
      [&] {
        if (!held() || !LetMessagesRun(hwnd(), true) || !held()) return false;
        WaitForMessages(1);
        return true;
      });
  if (hwnd() && GetCapture() == hwnd()) ReleaseCapture();
}

}  // namespace vx

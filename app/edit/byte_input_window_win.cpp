#include "app/edit/byte_input_window_win.h"

#include "app/edit/input_field.h"
#include "app/settings/display_settings.h"
#include "common/ui/dpi_win.h"
#include "common/ui/font_faces.h"
#include "common/ui/shift_state_win.h"

namespace vx {
namespace {

// A tool window: it floats over the page without a task-bar button of its own.
constexpr WindowClass kClass{L"VanteloxByteInputWindow"};
// The field's font size, from which InputBoxWidth sizes the field.
constexpr int32_t kFieldFontPoints = 9;
// The field's place and height in the window's client area, in pixels of
// the 96-dot layout.
constexpr int kFieldLeft = 2;
constexpr int kFieldTop = 2;
constexpr int kFieldHeight = 18;

POINT ClientOrigin(HWND h) {
  POINT p{0, 0};
  ClientToScreen(h, &p);
  return p;
}

}  // namespace

void ByteInputWindow::Form_Load(HWND owner_window) {
  WindowArgs window;
  window.style = WS_POPUP | WS_BORDER;
  window.ex_style = WS_EX_TOOLWINDOW;
  window.x = 0;
  window.y = 0;
  // At the density of the page it floats over.
  const DpiScale d(owner_window);
  window.width = d(40);
  window.height = d(kFieldHeight + 2 * kFieldTop);
  window.parent = owner_window;
  if (!CreateBound(kClass, window)) return;
  max_length_ = 0;  // the new field is sized by the next SizeFor
  font_ = MakeFixedPitchFont(font_faces::kFixedPitch, kFieldFontPoints, d.dpi());
  Text1 = MakeControl(hwnd(), {L"EDIT",
                               L"",
                               {kFieldLeft, kFieldTop, 30, kFieldHeight},
                               WS_BORDER | ES_AUTOHSCROLL,
                               0,
                               font_.get()});
  text1_keys_.Attach(
      Text1, [this](UINT m, WPARAM w, LPARAM l, LRESULT& r) { return Text1_Message(m, w, l, r); });
  InputFieldOffsetX = ClientOrigin(Text1).x - ClientOrigin(hwnd()).x + d(kInputFieldOffsetXExtra);
}

void ByteInputWindow::Unload() {
  text1_keys_.Detach();
  Close();
  Text1 = nullptr;
}

void ByteInputWindow::SizeFor(InputRadix radix) {
  // Every step of a settings field comes here; resizing a window costs
  // about a millisecond under Wine even when nothing changes.
  if (InputMaxLength(radix) == max_length_) return;
  max_length_ = InputMaxLength(radix);
  SendMessageW(Text1, EM_LIMITTEXT, static_cast<WPARAM>(max_length_), 0);
  const DpiScale d(hwnd());
  const int box_width = d(InputBoxWidth(kFieldFontPoints, max_length_));
  SetWindowPos(Text1, nullptr, 0, 0, box_width, d(kFieldHeight),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT r{};
  GetWindowRect(hwnd(), &r);
  SetWindowPos(hwnd(), nullptr, 0, 0, box_width + d(8), r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT ByteInputWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SETFOCUS:
      // Activating the window means typing into its field.
      SetFocus(Text1);
      return 0;
    case WM_CLOSE:
      // The window lives as long as the program; Alt+F4 only hides it.
      host_.HideIP();
      return 0;
    case WM_DPICHANGED: {
      ApplyDpiChange(hwnd(), wp, lp);
      Font font = MakeFixedPitchFont(font_faces::kFixedPitch, kFieldFontPoints, HIWORD(wp));
      SetControlFont(Text1, font.get(), true);
      font_ = std::move(font);
      const DpiScale d(hwnd());
      SetWindowPos(Text1, nullptr, d(kFieldLeft), d(kFieldTop), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      InputFieldOffsetX =
          ClientOrigin(Text1).x - ClientOrigin(hwnd()).x + d(kInputFieldOffsetXExtra);
      RECT r{0, 0, 0, d(kFieldHeight + 2 * kFieldTop)};
      AdjustFrameForDpi(r, WS_POPUP | WS_BORDER, false, WS_EX_TOOLWINDOW, d.dpi());
      SetWindowPos(hwnd(), nullptr, 0, 0, 1, r.bottom - r.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      // The widths follow from the radix at the new density.
      max_length_ = 0;
      SizeFor(static_cast<InputRadix>(DisplaySettings.InputRadix));
      return 0;
    }
    default:
      return Default(msg, wp, lp);
  }
}

bool ByteInputWindow::Text1_Message(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  result = 0;
  switch (msg) {
    case WM_KEYDOWN:
      // The field never acts on a key press itself: no caret moves, no Delete.
      Text1_KeyDown(static_cast<int>(wp), ShiftState());
      return true;
    case WM_SYSKEYDOWN:
      // Alt keys still reach the system, for Alt+F4.
      Text1_KeyDown(static_cast<int>(wp), ShiftState());
      return false;
    case WM_CHAR:
      return Text1_KeyPress();
    case WM_KEYUP:
      Text1_KeyUp(static_cast<int>(wp));
      return false;
    default:
      return false;
  }
}

void ByteInputWindow::Text1_KeyDown(int KeyCode, int Shift) { host_.CallPicture1KeyDown(KeyCode, Shift); }

bool ByteInputWindow::Text1_KeyPress() { return host_.TakeRejectNextChar(); }

void ByteInputWindow::Text1_KeyUp(int KeyCode) {
  if (!IsDigitKey(KeyCode, static_cast<InputRadix>(DisplaySettings.InputRadix))) return;
  if (!DisplaySettings.AutoCompleteAtMax) return;
  if (GetWindowTextLengthW(Text1) != max_length_) return;
  // Exactly as if Enter had been pressed.
  host_.CallPicture1KeyDown(VK_RETURN, 0);
}

}  // namespace vx

#include "app/edit/form4_win.h"

#include <commctrl.h>

#include "app/edit/input_field.h"
#include "app/settings/display_settings.h"
#include "app/view/form1_win.h"
#include "app/view/shift_state_win.h"

namespace vx {
namespace {

constexpr wchar_t kClassName[] = L"VanteloxForm4";
// The field's font; the design fixes only its size's share of the width.
constexpr wchar_t kFieldFontName[] = L"ＭＳ ゴシック";
constexpr int32_t kFieldFontPoints = 9;
// The field's place and height in the window's client area, in pixels.
constexpr int kFieldLeft = 2;
constexpr int kFieldTop = 2;
constexpr int kFieldHeight = 18;
constexpr UINT_PTR kText1Subclass = 1;

void RegisterOnce(WNDPROC window_proc) {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = window_proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);
  registered = true;
}

POINT ClientOrigin(HWND h) {
  POINT p{0, 0};
  ClientToScreen(h, &p);
  return p;
}

}  // namespace

Form4::Form4(Form1& owner) : owner_(owner) {}

Form4::~Form4() { Unload(); }

void Form4::Form_Load(HWND owner_window) {
  RegisterOnce(&Form4::WindowProc);
  // A tool window: it floats over the page without a task-bar button of its own.
  hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP | WS_BORDER, 0, 0, 40,
                          kFieldHeight + 2 * kFieldTop, owner_window, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  Text1 = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                          kFieldLeft, kFieldTop, 30, kFieldHeight, hwnd_, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(kFieldFontPoints, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  font_.reset(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          FIXED_PITCH | FF_MODERN, kFieldFontName));
  SendMessageW(Text1, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  SetWindowSubclass(Text1, &Form4::Text1Proc, kText1Subclass, reinterpret_cast<DWORD_PTR>(this));
  InputFieldOffsetX = ClientOrigin(Text1).x - ClientOrigin(hwnd_).x + kInputFieldOffsetXExtra;
}

void Form4::Unload() {
  if (!hwnd_) return;
  if (IsWindow(hwnd_)) {
    RemoveWindowSubclass(Text1, &Form4::Text1Proc, kText1Subclass);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  hwnd_ = nullptr;
  Text1 = nullptr;
}

void Form4::SizeFor(InputRadix radix) {
  max_length_ = InputMaxLength(radix);
  SendMessageW(Text1, EM_LIMITTEXT, static_cast<WPARAM>(max_length_), 0);
  const int box_width = InputBoxWidth(kFieldFontPoints, max_length_);
  SetWindowPos(Text1, nullptr, 0, 0, box_width, kFieldHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT r{};
  GetWindowRect(hwnd_, &r);
  SetWindowPos(hwnd_, nullptr, 0, 0, box_width + 8, r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK Form4::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<Form4*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  return self->HandleMessage(msg, wp, lp);
}

LRESULT Form4::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SETFOCUS:
      // Activating the window means typing into its field.
      SetFocus(Text1);
      return 0;
    case WM_CLOSE:
      // The window lives as long as the program; Alt+F4 only hides it.
      owner_.HideIP();
      return 0;
    default:
      return DefWindowProcW(hwnd_, msg, wp, lp);
  }
}

LRESULT CALLBACK Form4::Text1Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                  DWORD_PTR self_data) {
  auto* self = reinterpret_cast<Form4*>(self_data);
  switch (msg) {
    case WM_KEYDOWN:
      // The field never acts on a key press itself: no caret moves, no Delete.
      self->Text1_KeyDown(static_cast<int>(wp), ShiftState());
      return 0;
    case WM_SYSKEYDOWN:
      // Alt keys still reach the system, for Alt+F4.
      self->Text1_KeyDown(static_cast<int>(wp), ShiftState());
      break;
    case WM_CHAR:
      if (self->Text1_KeyPress()) return 0;
      break;
    case WM_KEYUP:
      self->Text1_KeyUp(static_cast<int>(wp));
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

void Form4::Text1_KeyDown(int KeyCode, int Shift) { owner_.CallPicture1KeyDown(KeyCode, Shift); }

bool Form4::Text1_KeyPress() {
  if (!owner_.RejectNextChar) return false;
  owner_.RejectNextChar = false;
  return true;
}

void Form4::Text1_KeyUp(int KeyCode) {
  if (!IsDigitKey(KeyCode, static_cast<InputRadix>(DisplaySettings.InputRadix))) return;
  if (!DisplaySettings.AutoCompleteAtMax) return;
  if (GetWindowTextLengthW(Text1) != max_length_) return;
  // Exactly as if Enter had been pressed.
  owner_.CallPicture1KeyDown(VK_RETURN, 0);
}

}  // namespace vx

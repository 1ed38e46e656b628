#include "app/edit/byte_input_window_win.h"

#include "app/edit/input_field.h"
#include "app/settings/display_settings.h"
#include "common/ui/dpi_win.h"
#include "common/ui/font_faces.h"
#include "common/ui/shift_state_win.h"

namespace vx {
namespace {

constexpr WindowClass kClass{L"VanteloxByteInputWindow"};
// A tool window: it floats over the page without a task-bar button of its own.
constexpr DWORD kStyle = WS_POPUP | WS_BORDER;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;
// The field's font size, from which InputBoxWidth sizes the field.
constexpr int32_t kFieldFontPoints = 9;
// The field's place and height in the window's client area, in pixels of
// the 96-dot layout.
constexpr int kFieldLeft = 2;
constexpr int kFieldTop = 2;
constexpr int kFieldHeight = 18;

POINT ClientOrigin(HWND window) {
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return origin;
}

InputRadix CurrentRadix() { return static_cast<InputRadix>(DisplaySettings.InputRadix); }

}  // namespace

void ByteInputWindow::Create(HWND owner) {
  owner_ = owner;
  WindowArgs window;
  window.style = kStyle;
  window.ex_style = kExStyle;
  window.x = 0;
  window.y = 0;
  // At the density of the page it floats over.
  const DpiScale scale(owner);
  window.width = scale(40);
  window.height = scale(kFieldHeight + 2 * kFieldTop);
  window.parent = owner;
  if (!CreateBound(kClass, window)) return;
  max_length_ = 0;  // the new field is sized by the next SizeFor
  font_ = MakeFixedPitchFont(font_faces::kFixedPitch, kFieldFontPoints, scale.dpi());
  field_ = MakeEditField(Site(font_.get()), {.rect = {kFieldLeft, kFieldTop, 30, kFieldHeight},
                                             .style = WS_BORDER | ES_AUTOHSCROLL});
  field_keys_.Attach(field_.hwnd(), [this](UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    return OnFieldMessage(msg, wp, lp, result);
  });
  MeasureFieldOffset(scale);
}

void ByteInputWindow::Close() {
  field_keys_.Detach();
  FormWindow::Close();
  field_ = {};
}

void ByteInputWindow::MeasureFieldOffset(const DpiScale& scale) {
  field_offset_x_ =
      ClientOrigin(field_.hwnd()).x - ClientOrigin(hwnd()).x + scale(kInputFieldOffsetXExtra);
}

void ByteInputWindow::SizeFor(InputRadix radix) {
  // Every step of a settings field comes here; resizing a window costs
  // about a millisecond under Wine even when nothing changes.
  if (InputMaxLength(radix) == max_length_) return;
  max_length_ = InputMaxLength(radix);
  field_.LimitLength(max_length_);
  const DpiScale scale(hwnd());
  const int field_width = scale(InputBoxWidth(kFieldFontPoints, max_length_));
  SetWindowPos(field_.hwnd(), nullptr, 0, 0, field_width, scale(kFieldHeight),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT frame{};
  GetWindowRect(hwnd(), &frame);
  SetWindowPos(hwnd(), nullptr, 0, 0, field_width + scale(8), frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ByteInputWindow::ShowValue(const std::wstring& text) {
  field_.SetText(text);
  field_.SelectAll();
  UpdateWindow(field_.hwnd());
}

void ByteInputWindow::PlaceOver(POINT cell) {
  SetWindowPos(hwnd(), nullptr, cell.x - field_offset_x_,
               cell.y - DpiScale(owner_)(kInputFieldOffsetY), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT ByteInputWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  // Activating the window means typing into its field.
  if (msg == WM_SETFOCUS) {
    field_.Focus();
    return 0;
  }
  return FormWindow::HandleMessage(msg, wp, lp);
}

void ByteInputWindow::OnDpiChanged(int dpi) {
  Font font = MakeFixedPitchFont(font_faces::kFixedPitch, kFieldFontPoints, dpi);
  SetControlFont(field_.hwnd(), font.get(), true);
  font_ = std::move(font);
  const DpiScale scale(hwnd());
  SetWindowPos(field_.hwnd(), nullptr, scale(kFieldLeft), scale(kFieldTop), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  MeasureFieldOffset(scale);
  RECT frame{0, 0, 0, scale(kFieldHeight + 2 * kFieldTop)};
  AdjustFrameForDpi(frame, kStyle, false, kExStyle, scale.dpi());
  SetWindowPos(hwnd(), nullptr, 0, 0, 1, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The widths follow from the radix at the new density.
  max_length_ = 0;
  SizeFor(CurrentRadix());
}

bool ByteInputWindow::OnFieldMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  result = 0;
  switch (msg) {
    case WM_KEYDOWN:
      // The field never acts on a key press itself: no caret moves, no Delete.
      host_.OnInputFieldKey(static_cast<int>(wp), ShiftState());
      return true;
    case WM_SYSKEYDOWN:
      // Alt keys still reach the system, for Alt+F4.
      host_.OnInputFieldKey(static_cast<int>(wp), ShiftState());
      return false;
    case WM_CHAR:
      // Thrown away when the key just handled says so.
      return host_.TakeCharacterRefusal();
    case WM_KEYUP:
      OnFieldKeyUp(static_cast<int>(wp));
      return false;
    default:
      return false;
  }
}

void ByteInputWindow::OnFieldKeyUp(int key) {
  if (!IsDigitKey(key, CurrentRadix())) return;
  if (!DisplaySettings.AutoCompleteAtMax) return;
  if (static_cast<int32_t>(field_.Text().size()) != max_length_) return;
  // Exactly as if Enter had been pressed.
  host_.OnInputFieldKey(VK_RETURN, 0);
}

}  // namespace vx

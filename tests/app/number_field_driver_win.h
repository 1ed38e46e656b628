// Drives the settings window's number fields as a person does: the field is
// the one beside its caption, typed into through its text box, and its
// buttons pressed where its own layout puts them.
#pragma once

#include <windows.h>

#include <string>

#include "app/controls/number_field_layout.h"
#include "common/ui/dpi_win.h"
#include "tests/support/control_finder_win.h"

namespace vx::test {

// The number field beside the label `caption` of `window`, or null.
inline HWND NumberFieldBeside(HWND window, const std::wstring& caption) {
  return ControlBeside(window, caption, L"VanteloxNumberField");
}

// The text box inside a number field.
inline HWND TextBoxOf(HWND field) { return GetWindow(field, GW_CHILD); }

// The middle of the field's plus button (`plus`) or minus button, as the
// mouse messages' lParam.
inline LPARAM ButtonPoint(HWND field, bool plus) {
  RECT client;
  GetClientRect(field, &client);
  const NumberFieldLayout layout = LayOutNumberField(client.right, client.bottom, WindowDpi(field));
  const PixelRect& button = plus ? layout.plus : layout.minus;
  return MAKELPARAM(button.x + button.width / 2, button.y + button.height / 2);
}

}  // namespace vx::test

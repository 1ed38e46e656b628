// Overwriting a byte of the open file as a person does, through the byte
// input window, and the backup the first change makes: shared by the tests
// of the input window and of editing.
#pragma once

#include <windows.h>

#include <string>

#include "app/disk/backup.h"
#include "app/settings/display_settings.h"
#include "tests/support/modal_script_win.h"
#include "tests/support/window_driver_win.h"

namespace vx::test {

// The byte input window's field.
inline HWND InputField(HWND input_window) { return ChildOfClass(input_window, L"Edit"); }

// Space on `page`, `value` typed into the field of `input_window`, Enter;
// returns once what it set off has run.
inline void Overwrite(HWND page, HWND input_window, const std::wstring& value) {
  Key(page, VK_SPACE, L' ');
  const HWND field = InputField(input_window);
  Type(field, value);
  Key(field, VK_RETURN, L'\r');
  PumpMessages();
}

// Where the first change of `path` keeps the file as it was, as set now.
inline std::wstring BackUpName(const std::wstring& path) {
  return BackUpPathFor(path, DisplaySettings.BackUpSuffix);
}

}  // namespace vx::test

// Drives a modal window of the main window from inside its own message loop:
// the command that opens it does not return until it is closed, so the checks
// run from a thread timer that fires in that loop.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/modal_script_win.h"

namespace vx::test {

struct Child {
  HWND hwnd;
  std::wstring window_class;
  std::wstring text;
  RECT rect;  // in the owning window's client coordinates
};

std::vector<Child> Children(HWND window);
const Child* ByText(const std::vector<Child>& children, const std::wstring& text);
// The child with `text`, failing the test when there is none.
HWND ChildWithText(HWND window, const std::wstring& text);

// Why a label of `window` cuts its text, measured in the label's font as the
// label lays it out (wrapped at its width unless it never wraps) against its
// client area; empty when every label shows its whole text.
std::wstring CutLabels(HWND window);

// PlayScript (tests/support/modal_script_win.h); a step that never finishes
// fails the test.
void RunScript(HWND owner, const std::function<void()>& open, std::vector<Step> steps,
               int ticks = 500);

// Runs `open`, which shows a modal window owned by `owner`; `with_window` runs
// once that window is up and must close it. A window that does not show or
// does not close within `ticks` ticks of 10 ms fails the test (and is closed).
void DriveModal(HWND owner, const std::function<void()>& open,
                const std::function<void(HWND)>& with_window, int ticks = 500);
// DriveModal with the menu command at `item` of top menu `menu` as the opening.
void ChooseAndDrive(HWND owner, int menu, int item, const std::function<void(HWND)>& with_window,
                    int ticks = 500);

}  // namespace vx::test

// Drives real windows from a test as a person would: keys, clicks, menu
// commands, the texts the windows show, and modal windows run from inside
// their own message loop (the command that opens one does not return until
// it is closed, so the checks run from a thread timer in that loop).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/control_finder_win.h"
#include "tests/support/modal_script_win.h"

namespace vx::test {

// PumpMessages: tests/support/modal_script_win.h.
// Whether `condition` comes true within `timeout_ms` while this thread's
// messages run: windows change in answer to messages, never at once.
bool Eventually(const std::function<bool()>& condition, int timeout_ms = 5000);

// A key as the keyboard delivers it to `target`: down, the character it makes
// (when given), up.
void Key(HWND target, int key, wchar_t character = 0);
// The same key put in the queue (down, then up) rather than sent: the loop
// that takes it, a modal window's own, handles it as it handles a typed key.
void PostKey(HWND target, int key);
// A key-down message (`msg`: WM_KEYDOWN, or WM_SYSKEYDOWN for Alt) with
// modifier keys held, as the keyboard state tells them while it is handled.
void KeyWith(HWND target, UINT msg, int key, const std::vector<int>& held);
// `text` typed into `field` at its caret, each character as Key delivers it
// with the key that makes it on this keyboard.
void Type(HWND field, const std::wstring& text);
// The field's whole text typed over: all of it selected, Backspace, `text`.
void TypeOver(HWND field, const std::wstring& text);
// `window` told that it is now on a display of `dpi` dots an inch, with the
// rectangle it has as the suggested one, as the system tells a window moved.
void ChangeDensity(HWND window, int dpi);
// A button pressed as a click does; returns once the button has acted.
void Click(HWND button);
bool Checked(HWND button);

// A menu command of `window` by the program's own id, chosen as a click on
// its item sends it, grayed or not; and whether its item is grayed.
void Choose(HWND window, int command);
bool Grayed(HWND window, int command);

struct Child {
  HWND hwnd;
  std::wstring window_class;
  std::wstring text;
  RECT rect;  // in the owning window's client coordinates
};

std::vector<Child> Children(HWND window);
const Child* ByText(const std::vector<Child>& children, const std::wstring& text);
// The child that shows `text`, or null.
HWND FindChildWithText(HWND window, const std::wstring& text);
// The child with `text`, failing the test when there is none.
HWND ChildWithText(HWND window, const std::wstring& text);
// The first child of the window class `window_class` ("Edit"), or null.
HWND ChildOfClass(HWND window, const std::wstring& window_class);

// Why a label of `window` cuts its text, measured in the label's font as the
// label lays it out (wrapped at its width unless it never wraps) against its
// client area; empty when every label shows its whole text. A label wholly
// outside the window's client area is not shown, and left out.
std::wstring CutLabels(HWND window);
// Whether `text` shows whole on one line of `control` in the control's font:
// within a text field's formatting rectangle, else within its client area.
bool TextFits(HWND control, const std::wstring& text);

// PlayScript (tests/support/modal_script_win.h); a step that never finishes
// fails the test.
void RunScript(HWND owner, const std::function<void()>& open, std::vector<Step> steps,
               int ticks = 500);
// Runs `open`, which shows a modal window owned by `owner`; `with_window` runs
// once that window is up and must close it. A window that does not show or
// does not close within `ticks` ticks of 10 ms fails the test (and is closed).
void DriveModal(HWND owner, const std::function<void()>& open,
                const std::function<void(HWND)>& with_window, int ticks = 500);
// DriveModal with the menu command `command` of `owner` as the opening.
void ChooseAndDrive(HWND owner, int command, const std::function<void(HWND)>& with_window,
                    int ticks = 500);

// A file held open as another program holds it; by default for reading and
// writing and sharing nothing, so that no one else may open it meanwhile.
class FileLock {
 public:
  explicit FileLock(const std::wstring& path, DWORD access = GENERIC_READ | GENERIC_WRITE,
                    DWORD share = 0);
  ~FileLock() { Release(); }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  bool held() const { return handle_ != INVALID_HANDLE_VALUE; }
  void Release();

 private:
  HANDLE handle_;
};

}  // namespace vx::test

// Drives the shipped programs themselves, in processes of their own, from
// outside, as a person at the screen would: their windows are found by
// caption or class, their buttons pressed and their message boxes answered.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/handle_win.h"

namespace vx::test {

// How long a program of its own is waited for: it starts, shows and answers
// in another process, on a machine that may be busy.
inline constexpr int kProgramPatienceMs = 30000;

// Starts a program by its command line; a null handle when it did not start.
Handle StartProgram(const std::wstring& command_line);
// Waits for the program to end; false when it is still running after a while.
bool WaitForEnd(HANDLE process);

// The shown top-level window of `process` of `window_class`, waited for.
HWND WaitForWindowOf(HANDLE process, const std::wstring& window_class);

// The shown top-level window with `caption`, waited for; null when none came.
HWND WaitForWindow(const std::wstring& caption);
// Waits until no shown top-level window has `caption`.
bool WaitForNoWindow(const std::wstring& caption);
// Waits until a child of `window` shows `text`; false when none did.
bool WaitForChildText(HWND window, const std::wstring& text);
// Presses the child button of `window` that shows `text`.
void PressButton(HWND window, const std::wstring& text);

// Waits for a message box titled `title` (of `process` when given), answers
// it with the button `id` (IDOK, IDYES, IDNO) and gives back its text; empty
// when none came.
std::wstring AnswerMessageBox(const std::wstring& title, int id, HANDLE process = nullptr);

}  // namespace vx::test

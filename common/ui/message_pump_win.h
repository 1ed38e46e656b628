// Lets the window messages that are waiting run, from inside a long piece of
// work on the window thread (a listing of many files, the auto-repeat of a
// held button, the print loop between pages).
#pragma once

#include <windows.h>

namespace vx {

// Runs every pending message; with `dialog`, that window's keys (Tab, Enter,
// Esc) work as in its own loop. A WM_QUIT is put back for the main loop and
// makes the result false, so that the work can stop.
bool PumpPendingMessages(HWND dialog = nullptr);

}  // namespace vx

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

namespace vx {

// From inside long work on the window thread (a tail move, a backup copy, a
// search): lets the system reach this thread's windows without letting the
// person in. Messages that other threads and programs send are answered and
// windows that need painting are painted, so that the system never calls the
// program hung; keys, clicks, commands, timers and posted messages stay
// queued until the work is over, since nothing may run inside a half-moved
// file. Looks at most once every kLetSystemInMs, so that it can be called
// after every block; true when it looked.
inline constexpr unsigned kLetSystemInMs = 50;
bool LetSystemIn();

// True while LetSystemIn answers a message: a window that is asked to close
// or to run a command then puts the request off until the work is over.
bool LettingSystemIn();

}  // namespace vx

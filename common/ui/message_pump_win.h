// The message loops' shared parts: the dialog keys of a window, the one way
// to let pending messages run from inside a long piece of work on the window
// thread (a listing of many files, the auto-repeat of a held button, the
// print loop between pages, the install steps), and the one timer.
#pragma once

#include <windows.h>

namespace vx {

// Takes `msg` when it is one of the dialog keys of `window` (Tab and the
// arrows between controls, Enter for the default button, Esc for the cancel
// button) and acts on it; false when the message is for the usual dispatch.
// Every modal loop and every LetMessagesRun with dialog keys comes here: the
// one place those keys are decided.
bool TakeDialogKey(HWND window, MSG& msg);

// Runs every pending message. False when the work should stop: the program
// is ending (the quit is put back for the main loop) or `window`, when
// given, has gone meanwhile. With `dialog_keys`, the keys of `window`'s
// top-level window work as in its own loop.
bool LetMessagesRun(HWND window = nullptr, bool dialog_keys = false);

// WM_TIMER with `id` to `window` every `interval_ms` milliseconds for the
// life of the object, at the system's finest resolution: the installers'
// frames and the last 10 ms stage of a held button's repeat are finer than
// the 15.6 ms Windows ticks at by default.
class Ticker {
 public:
  Ticker(HWND window, UINT_PTR id, UINT interval_ms);
  ~Ticker();
  Ticker(const Ticker&) = delete;
  Ticker& operator=(const Ticker&) = delete;

 private:
  HWND window_;
  UINT_PTR id_;
};

}  // namespace vx

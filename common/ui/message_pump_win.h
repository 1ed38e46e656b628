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

// The system's timers and waits at 1 ms resolution for the life of the
// object: the installers' frames and the 10 ms stage of a held button's
// repeat are finer than the 15.6 ms Windows keeps by default.
class FineTimeResolution {
 public:
  FineTimeResolution();
  ~FineTimeResolution();
  FineTimeResolution(const FineTimeResolution&) = delete;
  FineTimeResolution& operator=(const FineTimeResolution&) = delete;
};

// Waits until a message comes for the thread or `timeout_ms` pass: work
// that runs its own loop wakes at once for a key or a click and otherwise
// after the timeout, without a window timer (never shorter than 10 ms).
void WaitForMessages(DWORD timeout_ms);

// WM_TIMER with `id` to `window` every `interval_ms` milliseconds for the
// life of the object, at fine resolution: the ticks of work that other
// loops (a message box's) must keep running too.
class Ticker {
 public:
  Ticker(HWND window, UINT_PTR id, UINT interval_ms);
  ~Ticker();
  Ticker(const Ticker&) = delete;
  Ticker& operator=(const Ticker&) = delete;

 private:
  FineTimeResolution fine_;
  HWND window_;
  UINT_PTR id_;
};

}  // namespace vx

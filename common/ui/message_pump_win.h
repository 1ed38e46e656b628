// The message loops' shared parts: the dialog keys of a window; the two ways
// of running messages from inside a long piece of work on the window thread,
// LetMessagesRun (everything pending runs: a listing of many files, the
// auto-repeat of a held button, the print loop between pages, the install
// steps) and LetSystemIn (only the system gets in: a tail move, a backup);
// and the one timer.
#pragma once

#include <windows.h>

namespace vx {

// Takes `msg` when it is one of the dialog keys of `window` and acts on it;
// false when the message is for the usual dispatch. Every modal loop and
// every LetMessagesRun with dialog keys comes here: the one place those keys
// are decided. Tab and the arrows move between controls; Esc is the cancel
// button's (IDCANCEL, which ModalWindow gives to its cancel button). Enter
// presses the focused push button, or else the window's one default button
// (the one it names to DM_GETDEFID, as ModalWindow does) when enabled; a
// control that takes Enter itself (a number field, a swatch, a dropped
// list) keeps it. The focused push button, else the default one, is drawn
// as the default, which the system's navigation does for the dialog class
// only. A label's mnemonic ("&A", with Alt or where the focus takes no
// characters) moves the focus to the control after the label.
bool TakeDialogKey(HWND window, MSG& msg);

// Runs every pending message. False when the work should stop: the program
// is ending (the quit is put back for the main loop) or `window`, when
// given, has gone meanwhile. With `dialog_keys`, the keys of `window`'s
// top-level window work as in its own loop.
bool LetMessagesRun(HWND window = nullptr, bool dialog_keys = false);

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

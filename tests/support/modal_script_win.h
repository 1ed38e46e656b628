// Plays a script of steps over a modal window: the command that opens the
// window does not return until it is closed, so the steps run from a thread
// timer that ticks in whatever message loop runs meanwhile. Used by the
// window tests and by the benchmarks.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

namespace vx::test {

// One step of a script: called on every tick until it returns true. A step
// must not wait: whatever opens a window is posted, not sent.
using Step = std::function<bool()>;
// A step that does `action` once and is done.
inline Step Do(std::function<void()> action) {
  return [action = std::move(action)] {
    action();
    return true;
  };
}

// Runs every message waiting for this thread's windows.
void PumpMessages();

// The shown window owned by `owner`, or null.
HWND FindOwnedWindow(HWND owner);

// Runs `open`, which shows a modal window owned by `owner`, and the steps in
// turn. A step that does not finish within `ticks` ticks of 10 ms ends the
// script: the window still open over `owner` is closed, `stalled` is the
// step's index and the result is false.
bool PlayScript(HWND owner, const std::function<void()>& open, std::vector<Step> steps,
                size_t& stalled, int ticks = 500);

}  // namespace vx::test

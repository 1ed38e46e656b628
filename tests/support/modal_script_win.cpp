#include "tests/support/modal_script_win.h"

namespace vx::test {
namespace {

// Called on every tick until it returns true. A step that sends a message
// may find the tick running again from a loop inside; that tick waits.
std::function<bool()> g_on_tick;
bool g_in_tick = false;

void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
  if (g_in_tick || !g_on_tick) return;
  g_in_tick = true;
  const bool done = g_on_tick();
  g_in_tick = false;
  if (done) {
    KillTimer(nullptr, id);
    g_on_tick = nullptr;
  }
}

// A window that showed without the owner it should have would keep the
// command waiting for ever: every other shown window of the thread is asked
// to close, so that the test fails instead of hanging.
void CloseStrayWindows(HWND owner) {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND h, LPARAM lp) -> BOOL {
        if (h != reinterpret_cast<HWND>(lp) && IsWindowVisible(h)) {
          PostMessageW(h, WM_COMMAND, IDCANCEL, 0);
          PostMessageW(h, WM_CLOSE, 0, 0);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(owner));
}

}  // namespace

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

HWND FindOwnedWindow(HWND owner) {
  struct Search {
    HWND owner;
    HWND found;
  } search{owner, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND h, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        if (GetWindow(h, GW_OWNER) != s->owner || !IsWindowVisible(h)) return TRUE;
        s->found = h;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool PlayScript(HWND owner, const std::function<void()>& open, std::vector<Step> steps,
                size_t& stalled, int ticks_per_step) {
  size_t next = 0;
  int ticks = 0;
  bool stuck = false;
  g_on_tick = [&]() {
    if (next == steps.size()) return true;
    if (steps[next]()) {
      ++next;
      ticks = 0;
    } else if (++ticks > ticks_per_step) {
      stuck = true;
      stalled = next;
      next = steps.size();
      if (HWND open_window = FindOwnedWindow(owner)) {
        DestroyWindow(open_window);
      } else {
        CloseStrayWindows(owner);
      }
    }
    return false;
  };
  SetTimer(nullptr, 0, 10, &Tick);
  open();
  // The timer may still be due once the loop has ended.
  while (g_on_tick) {
    WaitMessage();
    PumpMessages();
  }
  return !stuck;
}

}  // namespace vx::test

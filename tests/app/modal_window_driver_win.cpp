#include "tests/app/modal_window_driver_win.h"

#include <gtest/gtest.h>

#include "common/ui/controls_win.h"

namespace vx::test {
namespace {

// Called on every tick until it returns true.
std::function<bool()> g_on_tick;

void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
  if (g_on_tick && g_on_tick()) {
    KillTimer(nullptr, id);
    g_on_tick = nullptr;
  }
}

}  // namespace

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

std::vector<Child> Children(HWND window) {
  std::vector<Child> children;
  struct Walk {
    HWND window;
    std::vector<Child>* out;
  } walk{window, &children};
  EnumChildWindows(
      window,
      [](HWND h, LPARAM lp) -> BOOL {
        auto* w = reinterpret_cast<Walk*>(lp);
        wchar_t name[64];
        GetClassNameW(h, name, 64);
        RECT r;
        GetWindowRect(h, &r);
        MapWindowPoints(nullptr, w->window, reinterpret_cast<POINT*>(&r), 2);
        w->out->push_back({h, name, ControlText(h), r});
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&walk));
  return children;
}

const Child* ByText(const std::vector<Child>& children, const std::wstring& text) {
  for (const Child& c : children) {
    if (c.text == text) return &c;
  }
  return nullptr;
}

HWND ChildWithText(HWND window, const std::wstring& text) {
  const std::vector<Child> children = Children(window);
  const Child* c = ByText(children, text);
  EXPECT_NE(c, nullptr) << "no control shows this text";
  return c ? c->hwnd : nullptr;
}

void DriveModal(HWND owner, const std::function<void()>& open,
                const std::function<void(HWND)>& with_window, int ticks_allowed) {
  int ticks = 0;
  HWND shown = nullptr;
  bool stuck = false;
  g_on_tick = [&]() {
    if (!shown) {
      shown = FindOwnedWindow(owner);
      if (shown) with_window(shown);
      return !shown && ++ticks > ticks_allowed;
    }
    if (!IsWindow(shown)) return true;
    if (++ticks > ticks_allowed) {
      stuck = true;
      DestroyWindow(shown);
    }
    return false;
  };
  SetTimer(nullptr, 0, 10, &Tick);
  open();
  // The timer may still be due once the loop has ended.
  while (g_on_tick) {
    WaitMessage();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  EXPECT_NE(shown, nullptr) << "the window never showed";
  EXPECT_FALSE(stuck) << "the window did not close";
}

void ChooseAndDrive(HWND owner, int menu, int item, const std::function<void(HWND)>& with_window,
                    int ticks) {
  const UINT id = GetMenuItemID(GetSubMenu(GetMenu(owner), menu), item);
  DriveModal(
      owner, [&] { SendMessageW(owner, WM_COMMAND, MAKEWPARAM(id, 0), 0); }, with_window, ticks);
}

}  // namespace vx::test

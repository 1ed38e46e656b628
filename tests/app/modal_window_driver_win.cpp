#include "tests/app/modal_window_driver_win.h"

#include <gtest/gtest.h>

#include "common/ui/controls_win.h"

namespace vx::test {

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

void RunScript(HWND owner, const std::function<void()>& open, std::vector<Step> steps) {
  size_t stalled = 0;
  EXPECT_TRUE(PlayScript(owner, open, std::move(steps), stalled))
      << "step " << stalled << " of the script never finished";
}

void DriveModal(HWND owner, const std::function<void()>& open,
                const std::function<void(HWND)>& with_window) {
  HWND shown = nullptr;
  RunScript(owner, open,
            {[&] {
               shown = FindOwnedWindow(owner);
               if (shown) with_window(shown);
               return shown != nullptr;
             },
             [&] { return !IsWindow(shown); }});
  EXPECT_NE(shown, nullptr) << "the window never showed";
}

void ChooseAndDrive(HWND owner, int menu, int item, const std::function<void(HWND)>& with_window) {
  const UINT id = GetMenuItemID(GetSubMenu(GetMenu(owner), menu), item);
  DriveModal(
      owner, [&] { SendMessageW(owner, WM_COMMAND, MAKEWPARAM(id, 0), 0); }, with_window);
}

}  // namespace vx::test

#include "tests/app/modal_window_driver_win.h"

#include <gtest/gtest.h>

#include <algorithm>

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

std::wstring CutLabels(HWND window) {
  RECT parent;
  GetClientRect(window, &parent);
  const std::vector<Child> children = Children(window);
  std::wstring cut;
  for (const Child& c : children) {
    const LONG kind = GetWindowLongW(c.hwnd, GWL_STYLE) & SS_TYPEMASK;
    const bool text_label = kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT ||
                            kind == SS_LEFTNOWORDWRAP || kind == SS_SIMPLE;
    if (c.window_class != L"Static" || !text_label || c.text.empty() || !IsWindowVisible(c.hwnd)) {
      continue;
    }
    // What the parent's edge and a neighbour on the right leave of the
    // label's client area.
    RECT client;
    GetClientRect(c.hwnd, &client);
    LONG width = std::min<LONG>(client.right, parent.right - c.rect.left);
    const LONG height = std::min<LONG>(client.bottom, parent.bottom - c.rect.top);
    for (const Child& other : children) {
      if (other.rect.left > c.rect.left && other.rect.top < c.rect.bottom &&
          other.rect.bottom > c.rect.top && IsWindowVisible(other.hwnd)) {
        width = std::min<LONG>(width, other.rect.left - c.rect.left);
      }
    }
    const SIZE need = LabelTextExtent(c.hwnd);
    if (need.cx > width || need.cy > height) {
      cut += L"\"" + c.text + L"\" needs " + std::to_wstring(need.cx) + L"x" +
             std::to_wstring(need.cy) + L", shows " + std::to_wstring(width) + L"x" +
             std::to_wstring(height) + L"\n";
    }
  }
  return cut;
}

void RunScript(HWND owner, const std::function<void()>& open, std::vector<Step> steps,
               int ticks) {
  size_t stalled = 0;
  EXPECT_TRUE(PlayScript(owner, open, std::move(steps), stalled, ticks))
      << "step " << stalled << " of the script never finished";
}

void DriveModal(HWND owner, const std::function<void()>& open,
                const std::function<void(HWND)>& with_window, int ticks) {
  HWND shown = nullptr;
  RunScript(owner, open,
            {[&] {
               shown = FindOwnedWindow(owner);
               if (shown) with_window(shown);
               return shown != nullptr;
             },
             [&] { return !IsWindow(shown); }},
            ticks);
  EXPECT_NE(shown, nullptr) << "the window never showed";
}

void ChooseAndDrive(HWND owner, int menu, int item, const std::function<void(HWND)>& with_window,
                    int ticks) {
  const UINT id = GetMenuItemID(GetSubMenu(GetMenu(owner), menu), item);
  DriveModal(
      owner, [&] { SendMessageW(owner, WM_COMMAND, MAKEWPARAM(id, 0), 0); }, with_window, ticks);
}

}  // namespace vx::test

#include "tests/support/control_finder_win.h"

#include <algorithm>

namespace vx::test {
namespace {

struct Placed {
  HWND hwnd;
  RECT rect;  // in the window's client coordinates
};

// The window's own shown controls.
std::vector<Placed> ShownControls(HWND window) {
  std::vector<Placed> controls;
  for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (!IsWindowVisible(c)) continue;
    RECT r;
    GetWindowRect(c, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    controls.push_back({c, r});
  }
  return controls;
}

}  // namespace

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring WindowText(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
  std::wstring text(length + 1, L'\0');
  DWORD_PTR got = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 2000, &got);
  text.resize(std::min<size_t>(got, length));
  return text;
}

std::vector<HWND> ControlsBeside(HWND window, const std::wstring& label,
                                 const std::wstring& window_class) {
  const std::vector<Placed> controls = ShownControls(window);
  const auto found = std::find_if(controls.begin(), controls.end(), [&](const Placed& c) {
    return ClassOf(c.hwnd) == L"Static" && WindowText(c.hwnd) == label;
  });
  if (found == controls.end()) return {};
  const RECT line = found->rect;
  std::vector<Placed> beside;
  for (const Placed& c : controls) {
    if (c.rect.left >= line.right && c.rect.top < line.bottom && c.rect.bottom > line.top &&
        lstrcmpiW(ClassOf(c.hwnd).c_str(), window_class.c_str()) == 0) {
      beside.push_back(c);
    }
  }
  std::sort(beside.begin(), beside.end(),
            [](const Placed& a, const Placed& b) { return a.rect.left < b.rect.left; });
  std::vector<HWND> nearest_first;
  for (const Placed& c : beside) nearest_first.push_back(c.hwnd);
  return nearest_first;
}

HWND ControlBeside(HWND window, const std::wstring& label, const std::wstring& window_class) {
  const std::vector<HWND> beside = ControlsBeside(window, label, window_class);
  return beside.empty() ? nullptr : beside.front();
}

}  // namespace vx::test

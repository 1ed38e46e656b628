#include "tests/support/window_driver_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "common/ui/controls_win.h"

namespace vx::test {

bool Eventually(const std::function<bool()>& condition, int timeout_ms) {
  for (const ULONGLONG end = GetTickCount64() + timeout_ms; GetTickCount64() < end;) {
    if (condition()) return true;
    PumpMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return condition();
}

// Repeat count 1 in the key messages' lParam, as for a single press.
void Key(HWND target, int key, wchar_t character) {
  SendMessageW(target, WM_KEYDOWN, static_cast<WPARAM>(key), 1);
  if (character) SendMessageW(target, WM_CHAR, character, 1);
  SendMessageW(target, WM_KEYUP, static_cast<WPARAM>(key), 1);
}

void Type(HWND field, const std::wstring& text) {
  // A character no key of the layout makes (full-width, kana) comes with
  // the key code 0xFF that VkKeyScanW's failure leaves, which nothing takes.
  for (wchar_t c : text) Key(field, LOBYTE(VkKeyScanW(c)), c);
}

void TypeOver(HWND field, const std::wstring& text) {
  SendMessageW(field, EM_SETSEL, 0, -1);
  Key(field, VK_BACK, L'\b');
  Type(field, text);
}

void PostKey(HWND target, int key) {
  PostMessageW(target, WM_KEYDOWN, static_cast<WPARAM>(key), 1);
  PostMessageW(target, WM_KEYUP, static_cast<WPARAM>(key), 0xC0000001);
}

void KeyWith(HWND target, UINT msg, int key, const std::vector<int>& held) {
  BYTE state[256];
  GetKeyboardState(state);
  const auto saved = std::to_array(state);
  for (int h : held) state[h] = 0x80;
  SetKeyboardState(state);
  SendMessageW(target, msg, static_cast<WPARAM>(key), 1);
  SetKeyboardState(const_cast<BYTE*>(saved.data()));
}

void ChangeDensity(HWND window, int dpi) {
  RECT suggested;
  GetWindowRect(window, &suggested);
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

bool Checked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Choose(HWND window, int command) {
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

bool Grayed(HWND window, int command) {
  const UINT state = GetMenuState(GetMenu(window), static_cast<UINT>(command), MF_BYCOMMAND);
  EXPECT_NE(state, static_cast<UINT>(-1)) << "no menu item has the command " << command;
  return (state & MF_GRAYED) != 0;
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
        RECT r;
        GetWindowRect(h, &r);
        MapWindowPoints(nullptr, w->window, reinterpret_cast<POINT*>(&r), 2);
        w->out->push_back({h, ClassOf(h), WindowText(h), r});
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

HWND FindChildWithText(HWND window, const std::wstring& text) {
  const std::vector<Child> children = Children(window);
  const Child* c = ByText(children, text);
  return c ? c->hwnd : nullptr;
}

HWND ChildWithText(HWND window, const std::wstring& text) {
  const HWND child = FindChildWithText(window, text);
  EXPECT_NE(child, nullptr) << "no control shows this text";
  return child;
}

HWND ChildOfClass(HWND window, const std::wstring& window_class) {
  for (const Child& c : Children(window)) {
    if (c.window_class == window_class) return c.hwnd;
  }
  return nullptr;
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
    // A label wholly outside the client area is not shown (one waiting to
    // be uncovered).
    RECT shown_part;
    if (c.window_class != L"Static" || !text_label || c.text.empty() || !IsWindowVisible(c.hwnd) ||
        !IntersectRect(&shown_part, &c.rect, &parent)) {
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

namespace {

// The room `text` takes on one line in `control`'s font, shown as it is.
SIZE OneLineExtent(HWND control, const std::wstring& text) {
  const HDC dc = GetDC(control);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT need{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), -1, &need, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return {need.right, need.bottom};
}

}  // namespace

bool TextFits(HWND control, const std::wstring& text) {
  RECT room;
  if (ClassOf(control) == L"Edit") {
    SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
  } else {
    GetClientRect(control, &room);
  }
  const SIZE need = OneLineExtent(control, text);
  return need.cx <= room.right - room.left && need.cy <= room.bottom - room.top;
}

void RunScript(HWND owner, const std::function<void()>& open, std::vector<Step> steps, int ticks) {
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

void ChooseAndDrive(HWND owner, int command, const std::function<void(HWND)>& with_window,
                    int ticks) {
  DriveModal(
      owner, [&] { Choose(owner, command); }, with_window, ticks);
}

FileLock::FileLock(const std::wstring& path, DWORD access, DWORD share)
    : handle_(CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {}

void FileLock::Release() {
  if (held()) CloseHandle(handle_);
  handle_ = INVALID_HANDLE_VALUE;
}

}  // namespace vx::test

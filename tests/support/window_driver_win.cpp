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
        w->out->push_back({h, name, WindowText(h), r});
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

namespace {

// CutLabels for `children`, in a parent whose client area is `parent`.
std::wstring CutLabelsAmong(const std::vector<Child>& children, const RECT& parent) {
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

// The room `text` takes on one line in `control`'s font; a "&" marks the
// next character unless the control shows its text as it is.
SIZE OneLineExtent(HWND control, const std::wstring& text, bool prefixes) {
  const HDC dc = GetDC(control);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT need{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), -1, &need,
            DT_CALCRECT | DT_SINGLELINE | (prefixes ? 0 : DT_NOPREFIX));
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return {need.right, need.bottom};
}

bool Overlap(const RECT& a, const RECT& b) {
  RECT common;
  return IntersectRect(&common, &a, &b) != FALSE;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool IsGroupFrame(const Child& c) {
  return c.window_class == L"Button" &&
         (GetWindowLongW(c.hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// Room a button's caption needs besides its text: the box or circle of a
// check box or option with its gap, a frame's indents, a push button's edges.
int CaptionRoom(HWND button) {
  switch (GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return GetSystemMetrics(SM_CXMENUCHECK) + 2;
    case BS_GROUPBOX:
      return 8;
    default:
      return 4;
  }
}

std::wstring Named(const Child& c) { return L"\"" + c.text + L"\" (" + c.window_class + L")"; }

}  // namespace

std::wstring CutLabels(HWND window) {
  RECT parent;
  GetClientRect(window, &parent);
  return CutLabelsAmong(Children(window), parent);
}

bool TextFits(HWND control, const std::wstring& text) {
  wchar_t name[16];
  GetClassNameW(control, name, 16);
  RECT room;
  if (std::wstring(name) == L"Edit") {
    SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
  } else {
    GetClientRect(control, &room);
  }
  const SIZE need = OneLineExtent(control, text, false);
  return need.cx <= room.right - room.left && need.cy <= room.bottom - room.top;
}

std::wstring LayoutFaults(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  std::vector<Child> shown;
  for (const Child& c : Children(window)) {
    if (IsWindowVisible(c.hwnd) && Overlap(c.rect, client)) shown.push_back(c);
  }
  std::wstring faults;
  for (size_t i = 0; i < shown.size(); ++i) {
    const Child& c = shown[i];
    if (!Inside(c.rect, client)) faults += Named(c) + L" reaches out of the window\n";
    for (size_t j = i + 1; j < shown.size(); ++j) {
      const Child& other = shown[j];
      if (!Overlap(c.rect, other.rect)) continue;
      const bool framed = (IsGroupFrame(c) && !IsGroupFrame(other) && Inside(other.rect, c.rect)) ||
                          (IsGroupFrame(other) && !IsGroupFrame(c) && Inside(c.rect, other.rect));
      if (!framed) faults += Named(c) + L" overlaps " + Named(other) + L"\n";
    }
    if (c.window_class == L"Button" && !c.text.empty()) {
      const SIZE need = OneLineExtent(c.hwnd, c.text, true);
      if (need.cx + CaptionRoom(c.hwnd) > c.rect.right - c.rect.left) {
        faults += Named(c) + L" needs " + std::to_wstring(need.cx + CaptionRoom(c.hwnd)) +
                  L" pixels, is " + std::to_wstring(c.rect.right - c.rect.left) + L"\n";
      }
    }
  }
  return faults + CutLabelsAmong(shown, client);
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

// The version window, opened from the main window's menu. Its modal loop runs
// inside the command, so the checks run from a thread timer that fires there.
#include <functional>
#include <string>
#include <vector>

#include "tests/app/main_window_fixture_win.h"

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

struct Child {
  HWND hwnd;
  std::wstring window_class;
  std::wstring text;
  RECT rect;  // in the version window's client coordinates
};

class VersionWindowTest : public MainWindowTest {
 protected:
  // The shown window owned by the main window, or null.
  HWND FindVersionWindow() const {
    struct Search {
      HWND owner;
      HWND found;
    } search{form->hwnd(), nullptr};
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

  static std::vector<Child> Children(HWND window) {
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
          w->out->push_back({h, name, TextOf(h), r});
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&walk));
    return children;
  }

  // Chooses Version in the Help menu; `with_window` runs once the window is
  // up and must close it. A window that does not close within a few seconds
  // of ticks is closed by force and reported.
  void ChooseVersion(std::function<void(HWND)> with_window) {
    int ticks = 0;
    HWND shown = nullptr;
    bool stuck = false;
    g_on_tick = [&]() {
      if (!shown) {
        shown = FindVersionWindow();
        if (shown) with_window(shown);
        return !shown && ++ticks > 500;
      }
      if (!IsWindow(shown)) return true;
      if (++ticks > 500) {
        stuck = true;
        DestroyWindow(shown);
      }
      return false;
    };
    SetTimer(nullptr, 0, 10, &Tick);
    const UINT id = GetMenuItemID(GetSubMenu(GetMenu(form->hwnd()), 3), 2);
    SendMessageW(form->hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    // The timer may still be due once the loop has ended.
    while (g_on_tick) {
      WaitMessage();
      PumpMessages();
    }
    EXPECT_NE(shown, nullptr) << "the version window never showed";
    EXPECT_FALSE(stuck) << "the version window did not close";
  }

  static const Child* ByText(const std::vector<Child>& children, const std::wstring& text) {
    for (const Child& c : children) {
      if (c.text == text) return &c;
    }
    return nullptr;
  }
};

TEST_F(VersionWindowTest, ShowsNameVersionMakerAndIconAndClosesWithItsButton) {
  StartOn({1});
  bool owner_enabled_while_shown = true;
  std::wstring caption;
  RECT client{};
  std::vector<Child> children;
  LOGFONTW name_font{};
  HICON icon = nullptr;
  ChooseVersion([&](HWND w) {
    owner_enabled_while_shown = IsWindowEnabled(form->hwnd());
    caption = TextOf(w);
    GetClientRect(w, &client);
    children = Children(w);
    if (const Child* name = ByText(children, L"Vantelox")) {
      GetObjectW(reinterpret_cast<HFONT>(SendMessageW(name->hwnd, WM_GETFONT, 0, 0)),
                 sizeof name_font, &name_font);
    }
    for (const Child& c : children) {
      if ((GetWindowLongW(c.hwnd, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
          c.window_class == L"Static") {
        icon = reinterpret_cast<HICON>(SendMessageW(c.hwnd, STM_GETICON, 0, 0));
      }
    }
    if (const Child* close = ByText(children, L"閉じる")) SendMessageW(close->hwnd, BM_CLICK, 0, 0);
  });
  EXPECT_FALSE(owner_enabled_while_shown);
  EXPECT_TRUE(IsWindowEnabled(form->hwnd()));
  EXPECT_EQ(FindVersionWindow(), nullptr);

  EXPECT_EQ(caption, L"バージョン情報");
  EXPECT_EQ(client.right, 170);
  EXPECT_EQ(client.bottom, 129);
  ASSERT_EQ(children.size(), 5u);
  EXPECT_NE(icon, nullptr);
  const Child* version = ByText(children, L"Version 1.1.0");
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version->rect.left, 60);
  EXPECT_EQ(version->rect.top, 32);
  EXPECT_NE(ByText(children, L"Vantelox の開発者"), nullptr);
  const Child* close = ByText(children, L"閉じる");
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->window_class, L"Button");
  EXPECT_EQ(close->rect.left, 100);
  EXPECT_EQ(close->rect.top, 108);
  EXPECT_EQ(close->rect.right - close->rect.left, 49);
  EXPECT_EQ(close->rect.bottom - close->rect.top, 17);

  EXPECT_EQ(std::wstring(name_font.lfFaceName), L"ＭＳ Ｐゴシック");
  EXPECT_EQ(name_font.lfWeight, FW_BOLD);
  EXPECT_EQ(name_font.lfCharSet, SHIFTJIS_CHARSET);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(name_font.lfHeight, -MulDiv(1575, GetDeviceCaps(screen, LOGPIXELSY), 7200));
  ReleaseDC(nullptr, screen);
}

TEST_F(VersionWindowTest, EscCloses) {
  Start(L"");
  ChooseVersion([&](HWND w) {
    const Child* close = ByText(Children(w), L"閉じる");
    PostMessageW(close ? close->hwnd : w, WM_KEYDOWN, VK_ESCAPE, 0);
  });
  EXPECT_EQ(FindVersionWindow(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(form->hwnd()));
}

}  // namespace
}  // namespace vx::test

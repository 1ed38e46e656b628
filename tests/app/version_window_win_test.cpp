// The version window, opened from the main window's menu.
#include <functional>
#include <string>
#include <vector>

#include "app/view/menu_commands.h"
#include "common/ui/dpi_scale.h"
#include "tests/app/main_window_fixture_win.h"
#include "tests/support/layout_check_win.h"

namespace vx::test {
namespace {

class VersionWindowTest : public MainWindowTest {
 protected:
  HWND FindVersionWindow() const { return FindOwnedWindow(form->hwnd()); }
  // Chooses Version in the Help menu.
  void ChooseVersion(const std::function<void(HWND)>& with_window) {
    ChooseAndDrive(form->hwnd(), menu_commands::kVersion, with_window);
  }
};

TEST_F(VersionWindowTest, ShowsNameVersionMakerAndIconAndClosesWithItsButton) {
  StartOn({1});
  bool owner_enabled_while_shown = true;
  std::wstring caption, faults;
  RECT client{};
  std::vector<Child> children;
  LOGFONTW name_font{};
  HICON icon = nullptr;
  ChooseVersion([&](HWND w) {
    owner_enabled_while_shown = IsWindowEnabled(form->hwnd());
    caption = ControlText(w);
    GetClientRect(w, &client);
    children = Children(w);
    faults = LayoutFaults(w);
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
    if (const Child* close = ByText(children, L"閉じる")) Click(close->hwnd);
  });
  EXPECT_FALSE(owner_enabled_while_shown);
  EXPECT_TRUE(IsWindowEnabled(form->hwnd()));
  EXPECT_EQ(FindVersionWindow(), nullptr);

  EXPECT_EQ(caption, L"バージョン情報");
  EXPECT_EQ(client.right, TwipsToPixelsAt(2550, kBaseDpi));
  EXPECT_EQ(client.bottom, TwipsToPixelsAt(1935, kBaseDpi));
  EXPECT_EQ(faults, L"");
  ASSERT_EQ(children.size(), 5u);
  EXPECT_NE(icon, nullptr);
  EXPECT_NE(ByText(children, L"Version 1.1.0"), nullptr);
  EXPECT_NE(ByText(children, L"Morvane Soft"), nullptr);
  const Child* close = ByText(children, L"閉じる");
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->window_class, L"Button");

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
    const HWND close = FindChildWithText(w, L"閉じる");
    PostMessageW(close ? close : w, WM_KEYDOWN, VK_ESCAPE, 0);
  });
  EXPECT_EQ(FindVersionWindow(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(form->hwnd()));
}

}  // namespace
}  // namespace vx::test

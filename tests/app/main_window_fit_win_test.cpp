// The main window on its screen: a page shape larger than the work area is
// limited to the largest that fits, and the scroll bar and the progress area
// stay in sight.
#include "app/settings/page_geometry.h"
#include "tests/app/main_window_fixture_win.h"

namespace vx::test {
namespace {

RECT WorkArea(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  EXPECT_TRUE(GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info));
  return info.rcWork;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

RECT ScreenRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

using MainWindowFitTest = MainWindowTest;

TEST_F(MainWindowFitTest, ALargePageShapeIsLimitedToTheWorkAreaWithEverythingInSight) {
  struct Case {
    const char* name;
    int32_t bytes, lines;
    bool limited;
  };
  // The Xvfb screen of the tests is 1280 x 1024.
  const Case cases[] = {{"Defaults", 16, 32, false}, {"Largest", 48, 96, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetDefaultSettings();
    DisplaySettings.BytesPerLine = c.bytes;
    DisplaySettings.LinesPerPage = c.lines;
    StartOn(std::vector<uint8_t>(100000, 0x41));
    const RECT work = WorkArea(form->hwnd());
    EXPECT_TRUE(Inside(ScreenRect(form->hwnd()), work));
    EXPECT_TRUE(Inside(ScreenRect(view().scroll_bar().hwnd()), work));
    EXPECT_TRUE(Inside(ScreenRect(view().progress_bar().hwnd()), work));
    EXPECT_TRUE(Inside(ScreenRect(view().progress_caption_label()), work));
    const DisplaySettingsRecord& s = DisplaySettings;
    EXPECT_EQ(s.BytesPerLine != c.bytes || s.LinesPerPage != c.lines, c.limited);
    // The page area shows the whole of the shape that was applied.
    const PageGeometry page = LayOutPage(s);
    EXPECT_EQ(view().page_view().width(), page.picture_width);
    EXPECT_EQ(view().page_view().height(), page.picture_height);
    if (c.limited) {
      // One line more would not have fitted.
      EXPECT_GT(ScreenRect(form->hwnd()).bottom + s.LineHeight, work.bottom);
    }
    form.reset();
  }
}

}  // namespace
}  // namespace vx::test

// The main window on its screen: a page shape larger than the work area is
// limited to the largest that fits, for the window only, and the scroll bar
// and the progress area stay in sight.
#include <string>

#include "app/settings/page_geometry.h"
#include "app/settings/settings_record.h"
#include "app/view/menu_commands.h"
#include "common/ui/dpi_scale.h"
#include "tests/app/main_window_fixture_win.h"
#include "tests/support/settings_files.h"

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
    const DisplaySettingsRecord s = view().page_settings();
    EXPECT_EQ(view().limited_shape().has_value(), c.limited);
    EXPECT_EQ(s.BytesPerLine != c.bytes || s.LinesPerPage != c.lines, c.limited);
    // The saved shape stays as it was.
    EXPECT_EQ(ShapeOf(DisplaySettings), (PageShape{c.bytes, c.lines}));
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

// The limit is the window's alone: after a run on a screen too small for the
// saved shape, at any density, the record and "Setting.dat" keep the saved
// shape, and the settings window opened meanwhile shows both.
TEST_F(MainWindowFitTest, ARunOnAScreenTooSmallLeavesTheSavedShapeInTheRecord) {
  for (int dpi : {96, 144, 192}) {
    SCOPED_TRACE(dpi);
    SetDefaultSettings();
    DisplaySettings.BytesPerLine = 48;
    DisplaySettings.LinesPerPage = 96;
    const DisplaySettingsRecord saved = DisplaySettings;
    StartOn(std::vector<uint8_t>(100000, 0x41));
    if (dpi != kBaseDpi) ChangeDensity(form->hwnd(), dpi);
    ASSERT_TRUE(view().limited_shape().has_value());
    const PageShape fits = *view().limited_shape();
    EXPECT_LT(fits.lines, 96);

    std::wstring shown = L"not shown";
    ChooseAndDrive(form->hwnd(), menu_commands::kSettings, [&](HWND w) {
      shown.clear();
      for (const Child& c : Children(w)) {
        if (c.text.starts_with(L"画面に収まる大きさ") && IsWindowVisible(c.hwnd)) shown = c.text;
      }
      Click(ChildWithText(w, L"Cancel"));
    });
    EXPECT_EQ(shown, L"画面に収まる大きさ: " + std::to_wstring(fits.bytes_per_line) + L" × " +
                         std::to_wstring(fits.lines) + L"（保存: 48 × 96）");

    form->Unload();
    PumpMessages();
    EXPECT_TRUE(DisplaySettings == saved);
    const std::optional<DisplaySettingsRecord> written =
        DecodeSettings(ReadFileBytes(SettingsFile()));
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(ShapeOf(*written), (PageShape{48, 96}));
    form.reset();
  }
}

}  // namespace
}  // namespace vx::test

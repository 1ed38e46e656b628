// The windows at other display densities: a window told of a new density by
// WM_DPICHANGED lays itself out again, and a modal window opened over it is
// made at that density: rectangles and fonts scale by dpi / 96, the page's
// cells, the caret bars and the mouse agree, nothing is cut, and at 96 every
// number is the one written in the layouts.
#include <string>

#include "app/settings/page_geometry.h"
#include "app/view/caret_geometry.h"
#include "app/view/main_window_layout.h"
#include "common/ui/dpi_scale.h"
#include "tests/app/main_window_fixture_win.h"
#include "app/view/menu_commands.h"
#include "tests/support/window_driver_win.h"
#include "tests/support/test_bytes.h"

namespace vx::test {
namespace {

RECT RectIn(HWND window, HWND parent) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

LONG FontHeight(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font.lfHeight;
}

// A window re-placed at a new density keeps each edge in proportion, so an
// edge may round one pixel away from the layout scaled afresh.
void ExpectNear(const RECT& r, const PixelRect& want, LONG slack) {
  EXPECT_NEAR(r.left, want.x, slack);
  EXPECT_NEAR(r.top, want.y, slack);
  EXPECT_NEAR(r.right, want.right(), slack);
  EXPECT_NEAR(r.bottom, want.bottom(), slack);
}

class DisplayScaleTest : public MainWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(DisplayScaleTest, MainWindowAndVersionWindowScaleWithTheDensity) {
  const int dpi = GetParam();
  StartOn(CountingBytes(4096));
  const HWND main = form->hwnd();
  if (dpi != kBaseDpi) ChangeDensity(main, dpi);
  const LONG slack = dpi == kBaseDpi ? 0 : 1;

  // The status labels and their font.
  ExpectNear(RectIn(view().file_name_label(), main), ScaleForDpi(kFileNameRect, dpi), slack);
  // Where the label font's characters scale in proportion (6 pixels at 96
  // dots an inch, 9 at 144, 12 at 192), no status label grows.
  if (dpi % 48 == 0) {
    ExpectNear(RectIn(view().binary_label(), main), ScaleForDpi(kBinaryRect, dpi), slack);
  }
  EXPECT_EQ(FontHeight(view().caret_address_label()), -MulDiv(900, dpi, 7200));
  // The byte input window floats over the page at the page's density.
  EXPECT_EQ(FontHeight(ChildOfClass(view().input_window().hwnd(), L"Edit")),
            -MulDiv(900, dpi, 7200));
  EXPECT_EQ(CutLabels(main), L"");

  // The page is as large as the scaled settings make it, and the caret bars
  // and the mouse use the same cells.
  // The shape the window shows: at 192 the test screen limits the saved one.
  const DisplaySettingsRecord s = ScaledForDpi(view().page_settings(), dpi);
  const PageGeometry g = LayOutPage(view().page_settings(), dpi);
  RECT page;
  GetClientRect(view().page_view().hwnd(), &page);
  EXPECT_EQ(page.right, g.picture_width);
  EXPECT_EQ(page.bottom, g.picture_height);
  const int hex_left = s.LeftMargin + s.AddressWidth;
  const LPARAM click = MAKELPARAM(hex_left + 5 * s.HexCellWidth + s.HexCellWidth / 2,
                                  s.TopMargin + 2 * s.LineHeight + s.LineHeight / 2);
  SendMessageW(view().page_view().hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, click);
  SendMessageW(view().page_view().hwnd(), WM_LBUTTONUP, 0, click);
  EXPECT_EQ(view().caret_column(), 5);
  EXPECT_EQ(view().caret_row(), 2);
  const CaretBars bars = CaretBarsAt(s, 5, 2);
  EXPECT_EQ(PagePixel(bars.hex_bar.left, bars.hex_bar.top + 1), RGB(255, 0, 0));
  EXPECT_EQ(PagePixel(bars.text_bar.left, bars.text_bar.bottom - 2), RGB(175, 0, 0));

  // The version window, made over the main window at its density.
  RECT client{}, close{}, close_back{};
  LONG font = 0, font_back = 0, name = 0, name_back = 0;
  std::wstring cut;
  ChooseAndDrive(main, menu_commands::kVersion, [&](HWND w) {
    GetClientRect(w, &client);
    const HWND button = ChildWithText(w, L"閉じる");
    close = RectIn(button, w);
    font = FontHeight(button);
    name = FontHeight(ChildWithText(w, L"Vantelox"));
    cut = CutLabels(w);
    // Moved back to a 96-dot display, it lays itself out as written.
    ChangeDensity(w, kBaseDpi);
    close_back = RectIn(button, w);
    font_back = FontHeight(button);
    name_back = FontHeight(ChildWithText(w, L"Vantelox"));
    SendMessageW(button, BM_CLICK, 0, 0);
  });
  EXPECT_EQ(client.right, TwipsToPixelsAt(2550, dpi));
  EXPECT_EQ(client.bottom, TwipsToPixelsAt(1935, dpi));
  ExpectNear(close, ScaleForDpi(PixelRect(TwipRect{1500, 1620, 735, 255}), dpi), 0);
  EXPECT_EQ(font, -MulDiv(900, dpi, 7200));
  EXPECT_EQ(name, -MulDiv(1575, dpi, 7200));
  EXPECT_EQ(cut, L"");
  ExpectNear(close_back, {100, 108, 49, 17}, slack);
  EXPECT_EQ(font_back, -12);
  EXPECT_EQ(name_back, -21);
}

INSTANTIATE_TEST_SUITE_P(Densities, DisplayScaleTest, ::testing::Values(96, 120, 144, 192));

}  // namespace
}  // namespace vx::test

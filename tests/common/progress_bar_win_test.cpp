// The progress bar as a real control in a window, in both of its looks: the
// editor's full-height bar with its number on the button face, and the
// installers' lower bar on the window colour inside a sunken edge.
#include "common/ui/progress_bar_win.h"

#include <gtest/gtest.h>

#include <string>

namespace vx::test {
namespace {

class BarHost : public Window {
 public:
  bool Make() {
    return CreateBound({L"VanteloxProgressBarTestHost"},
                       {L"", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 0, 320, 160}) != nullptr;
  }
};

constexpr COLORREF kBarColour = RGB(0x22, 0x44, 0xDD);

// Pixels of the bar's image in `area` that are neither the bar nor the background.
int OtherPixels(const ProgressBar& bar, const RECT& area, COLORREF background) {
  int others = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const COLORREF pixel = bar.PixelAt(x, y);
      if (pixel != kBarColour && pixel != background) ++others;
    }
  }
  return others;
}

class ProgressBarTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(host.Make()); }

  BarHost host;
  ProgressBar bar;
};

TEST_F(ProgressBarTest, TheBarFillsFromTheLeftOverItsBackgroundAtItsHeight) {
  const struct {
    const char* look;
    ProgressBarArgs args;
    POINT in_bar, below_bar;
  } cases[] = {
      {"full height", {{0, 0, 200, 21}, 0, true, COLOR_BTNFACE, kBarColour}, {5, 20}, {5, 21}},
      {"lower bar in an edge",
       {{0, 0, 200, 30}, 0, true, COLOR_WINDOW, kBarColour, 18, true},
       {5, 17},
       {5, 18}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.look);
    ProgressBar bar;
    ASSERT_TRUE(bar.Create(host.hwnd(), c.args));
    RECT client;
    GetClientRect(bar.hwnd(), &client);
    EXPECT_EQ(client.right, c.args.rect.width);
    EXPECT_EQ(client.bottom, c.args.rect.height);
    const COLORREF background = GetSysColor(c.args.background);
    EXPECT_EQ(bar.PixelAt(5, 5), background) << "empty before the first report";

    bar.Show(50);
    EXPECT_EQ(bar.filled(), 50);
    EXPECT_EQ(bar.PixelAt(c.in_bar.x, c.in_bar.y), kBarColour);
    EXPECT_EQ(bar.PixelAt(49, 0), kBarColour);
    EXPECT_EQ(bar.PixelAt(50, 0), background);
    if (c.below_bar.y < c.args.rect.height) {
      EXPECT_EQ(bar.PixelAt(c.below_bar.x, c.below_bar.y), background);
    }
  }
}

TEST_F(ProgressBarTest, TheNumberStandsLeftOfTheMiddleAndGoesWithTheNextReport) {
  ASSERT_TRUE(bar.Create(host.hwnd(), {{0, 0, 237, 21}, 0, true, COLOR_BTNFACE, kBarColour}));
  const COLORREF background = GetSysColor(COLOR_BTNFACE);
  const RECT number{237 / 2 - 18, 4, 237 / 2 + 2, 21};
  bar.Show(150, L"63");
  EXPECT_GT(OtherPixels(bar, number, background), 0);
  EXPECT_EQ(OtherPixels(bar, {0, 0, 237 / 2 - 18, 21}, background), 0);
  bar.Show(0);
  EXPECT_EQ(OtherPixels(bar, {0, 0, 237, 21}, background), 0);
  EXPECT_EQ(bar.PixelAt(0, 0), background);
}

TEST_F(ProgressBarTest, ANewSizeIsReportedSoThatTheBarCanFillIt) {
  ASSERT_TRUE(bar.Create(host.hwnd(), {{0, 0, 100, 20}, 0, true, COLOR_WINDOW, kBarColour}));
  int resized = 0;
  bar.Resized = [&] { ++resized; };
  bar.Move(0, 0, 100, 20);
  EXPECT_EQ(resized, 0);
  bar.Move(0, 0, 180, 20);
  EXPECT_EQ(resized, 1);
  EXPECT_EQ(bar.width(), 180);
}

}  // namespace
}  // namespace vx::test

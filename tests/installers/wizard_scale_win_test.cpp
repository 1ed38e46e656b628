// The setup wizard on a display of twice the density: the artwork and its
// ripple fill the doubled picture area, and the panel's controls double.
#include <windows.h>

#include <vector>

#include "common/installer/installer_window_win.h"
#include "common/installer/ripple.h"
#include "tests/installers/installer_machine_win.h"
#include "tests/installers/installer_runs_win.h"

namespace vx::test {
namespace {

class WizardScaleTest : public InstallerMachineTest {};

TEST_F(WizardScaleTest, AtTwiceTheDensityThePictureAndThePanelDouble) {
  WizardRun wizard(registry, MakeSetupFolder());
  setup::SetupWindow& window = wizard.window();
  ASSERT_NE(window.hwnd(), nullptr);
  RECT before;
  GetWindowRect(window.status_label(), &before);
  MapWindowPoints(nullptr, window.hwnd(), reinterpret_cast<POINT*>(&before), 2);
  RECT frame;
  GetWindowRect(window.hwnd(), &frame);
  const RECT suggested{frame.left, frame.top, frame.left + 2 * (frame.right - frame.left),
                       frame.top + 2 * (frame.bottom - frame.top)};
  SendMessageW(window.hwnd(), WM_DPICHANGED, MAKEWPARAM(192, 192),
               reinterpret_cast<LPARAM>(&suggested));

  RECT after;
  GetWindowRect(window.status_label(), &after);
  MapWindowPoints(nullptr, window.hwnd(), reinterpret_cast<POINT*>(&after), 2);
  EXPECT_EQ(after.left, 2 * before.left);
  EXPECT_EQ(after.top, 2 * before.top);
  EXPECT_EQ(after.right - after.left, 2 * (before.right - before.left));
  EXPECT_EQ(after.bottom - after.top, 2 * (before.bottom - before.top));

  // Each picture pixel is a 2 x 2 block now; the frame is bottom-up.
  window.DrawFrame();
  const std::vector<uint8_t>& picture = window.work_picture();
  const HDC dc = GetDC(window.hwnd());
  for (const POINT p : {POINT{0, 0}, POINT{128, 128}, POINT{37, 200}, POINT{255, 255}}) {
    const size_t at = (static_cast<size_t>(kArtworkSide - 1 - p.y) * kArtworkSide + p.x) * 3;
    const COLORREF want = RGB(picture[at + 2], picture[at + 1], picture[at]);
    EXPECT_EQ(GetPixel(dc, 2 * p.x, 2 * p.y), want) << p.x << "," << p.y;
    EXPECT_EQ(GetPixel(dc, 2 * p.x + 1, 2 * p.y + 1), want) << p.x << "," << p.y;
  }
  ReleaseDC(window.hwnd(), dc);
}

}  // namespace
}  // namespace vx::test

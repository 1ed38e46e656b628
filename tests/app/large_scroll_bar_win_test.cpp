// The main window's scroll bar driven as the user drives it: the inner bar's
// arrow, track and thumb messages, and the page following its value.

#include "tests/app/main_window_fixture_win.h"
#include "tests/support/test_bytes.h"

namespace vx::test {
namespace {

class LargeScrollBarTest : public MainWindowTest {
 protected:
  void Scroll(int code, int position = 0) {
    SendMessageW(view().scroll_bar().hwnd(), WM_VSCROLL, MAKEWPARAM(code, position),
                 reinterpret_cast<LPARAM>(view().scroll_bar().inner()));
  }
  int InnerPosition() const { return GetScrollPos(view().scroll_bar().inner(), SB_CTL); }
};

TEST_F(LargeScrollBarTest, ArrowTrackAndThumbMoveThePage) {
  StartOn(CountingBytes(4096));  // scroll range 0..226, LargeChange 16
  ASSERT_EQ(view().scroll_bar().Max(), 226);
  EXPECT_TRUE(view().scroll_bar().Enabled());
  view().PlaceCaret(2, 3, 0);
  Scroll(SB_LINEDOWN);
  EXPECT_EQ(view().scroll_bar().Value(), 1);
  EXPECT_EQ(view().page_bytes()[0], 16);
  EXPECT_EQ(ControlText(view().caret_address_label()), L"42  (66) 番地");
  Scroll(SB_PAGEDOWN);
  EXPECT_EQ(view().scroll_bar().Value(), 17);
  EXPECT_EQ(view().page_bytes()[0], 17 * 16 % 256);
  Scroll(SB_LINEUP);
  EXPECT_EQ(view().scroll_bar().Value(), 16);
  EXPECT_EQ(InnerPosition(), 16 * 32767 / 226);
  Scroll(SB_THUMBTRACK, 32767);
  EXPECT_EQ(view().scroll_bar().Value(), 226);
  EXPECT_EQ(view().page_bytes()[0], 226 * 16 % 256);
  EXPECT_EQ(InnerPosition(), 32767);
  Scroll(SB_THUMBPOSITION, 0);
  EXPECT_EQ(view().scroll_bar().Value(), 0);
  // The caret keeps its place on the page.
  EXPECT_EQ(view().caret_column(), 2);
  EXPECT_EQ(view().caret_row(), 3);
}

TEST_F(LargeScrollBarTest, ValueSetByTheProgramMovesTheThumbOnly) {
  StartOn(CountingBytes(4096));
  int changes = 0;
  view().scroll_bar().Scrolled = [&changes] { ++changes; };
  view().scroll_bar().SetValue(500);
  EXPECT_EQ(view().scroll_bar().Value(), 226);
  EXPECT_EQ(InnerPosition(), 32767);
  view().scroll_bar().SetValue(1);
  EXPECT_EQ(InnerPosition(), 144);
  EXPECT_EQ(changes, 0);
  Scroll(SB_LINEUP);
  EXPECT_EQ(changes, 1);
}

TEST_F(LargeScrollBarTest, FileOnOnePageDisablesTheBar) {
  StartOn(CountingBytes(300));
  EXPECT_FALSE(view().scroll_bar().Enabled());
  EXPECT_FALSE(IsWindowEnabled(view().scroll_bar().inner()));
}

}  // namespace
}  // namespace vx::test

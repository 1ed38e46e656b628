// The main window's scroll bar driven as the user drives it: the inner bar's
// arrow, track and thumb messages, and the page following its value.

#include "tests/app/main_window_fixture_win.h"
#include "tests/support/test_bytes.h"

namespace vx::test {
namespace {

class VscrollExWindowTest : public MainWindowTest {
 protected:
  void Scroll(int code, int position = 0) {
    SendMessageW(view().VscrollEx1().hwnd(), WM_VSCROLL, MAKEWPARAM(code, position),
                 reinterpret_cast<LPARAM>(view().VscrollEx1().inner()));
  }
  int InnerPosition() const { return GetScrollPos(view().VscrollEx1().inner(), SB_CTL); }
};

TEST_F(VscrollExWindowTest, ArrowTrackAndThumbMoveThePage) {
  StartOn(CountingBytes(4096));  // scroll range 0..226, LargeChange 16
  ASSERT_EQ(view().VscrollEx1().Max(), 226);
  EXPECT_TRUE(view().VscrollEx1().Enabled());
  view().CaretChange(2, 3, 0);
  Scroll(SB_LINEDOWN);
  EXPECT_EQ(view().VscrollEx1().Value(), 1);
  EXPECT_EQ(view().PageBytes()[0], 16);
  EXPECT_EQ(ControlText(view().Label(3)), L"42  (66) 番地");
  Scroll(SB_PAGEDOWN);
  EXPECT_EQ(view().VscrollEx1().Value(), 17);
  EXPECT_EQ(view().PageBytes()[0], 17 * 16 % 256);
  Scroll(SB_LINEUP);
  EXPECT_EQ(view().VscrollEx1().Value(), 16);
  EXPECT_EQ(InnerPosition(), 16 * 32767 / 226);
  Scroll(SB_THUMBTRACK, 32767);
  EXPECT_EQ(view().VscrollEx1().Value(), 226);
  EXPECT_EQ(view().PageBytes()[0], 226 * 16 % 256);
  EXPECT_EQ(InnerPosition(), 32767);
  Scroll(SB_THUMBPOSITION, 0);
  EXPECT_EQ(view().VscrollEx1().Value(), 0);
  // The caret keeps its place on the page.
  EXPECT_EQ(view().CaretX(), 2);
  EXPECT_EQ(view().CaretY(), 3);
}

TEST_F(VscrollExWindowTest, ValueSetByTheProgramMovesTheThumbOnly) {
  StartOn(CountingBytes(4096));
  int changes = 0;
  view().VscrollEx1().Change = [&changes] { ++changes; };
  view().VscrollEx1().SetValue(500);
  EXPECT_EQ(view().VscrollEx1().Value(), 226);
  EXPECT_EQ(InnerPosition(), 32767);
  view().VscrollEx1().SetValue(1);
  EXPECT_EQ(InnerPosition(), 144);
  EXPECT_EQ(changes, 0);
  Scroll(SB_LINEUP);
  EXPECT_EQ(changes, 1);
}

TEST_F(VscrollExWindowTest, FileOnOnePageDisablesTheBar) {
  StartOn(CountingBytes(300));
  EXPECT_FALSE(view().VscrollEx1().Enabled());
  EXPECT_FALSE(IsWindowEnabled(view().VscrollEx1().inner()));
}

}  // namespace
}  // namespace vx::test

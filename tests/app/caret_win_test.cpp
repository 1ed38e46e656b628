// The caret in the real main window: keys and mouse sent to the page area,
// checked in the caret state, the page image and the five status labels.
#include <algorithm>
#include <array>
#include <vector>

#include "app/document/caret_moves.h"
#include "tests/app/main_window_fixture_win.h"
#include "tests/support/test_bytes.h"

namespace vx::test {
namespace {

// 256 dump lines; the scroll range ends at (4096 - 30 x 16) / 16 = 226.
constexpr size_t kFileSize = 4096;
constexpr int32_t kLastTop = 226;

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

// A point inside the hex cell of a column and row of the page.
LPARAM CellPoint(int column, int row) { return Point(84 + 18 * column + 5, 2 + 12 * row + 5); }

class CaretWindowTest : public MainWindowTest {
 protected:
  void ExpectCaret(int32_t x, int32_t y, int32_t top) {
    EXPECT_EQ(view().caret_column(), x);
    EXPECT_EQ(view().caret_row(), y);
    EXPECT_EQ(view().scroll_bar().Value(), top);
  }

  void ExpectLabels(const std::wstring& address, const std::wstring& four, const std::wstring& two,
                    const std::wstring& one, const std::wstring& binary) {
    EXPECT_EQ(ControlText(view().caret_address_label()), address);
    EXPECT_EQ(ControlText(view().four_byte_label()), four);
    EXPECT_EQ(ControlText(view().two_byte_label()), two);
    EXPECT_EQ(ControlText(view().one_byte_label()), one);
    EXPECT_EQ(ControlText(view().binary_label()), binary);
  }

  // Both bars of the caret, one line high, at the caret's cell.
  bool BarsAt(int column, int row) const {
    for (int y = 2 + 12 * row; y < 2 + 12 * (row + 1); ++y) {
      if (PagePixel(84 + 18 * column - 2, y) != RGB(255, 0, 0)) return false;
      if (PagePixel(388 + 8 * column - 2, y) != RGB(175, 0, 0)) return false;
    }
    return true;
  }
};

TEST_F(CaretWindowTest, PageTakesTheFocusAndAllKeys) {
  StartOn(CountingBytes(kFileSize));
  SetFocus(form->hwnd());
  EXPECT_TRUE(Eventually([&] { return GetFocus() == page(); }));
  EXPECT_EQ(SendMessageW(page(), WM_GETDLGCODE, VK_DOWN, 0), DLGC_WANTALLKEYS);
}

TEST_F(CaretWindowTest, ArrowsMoveTheCaretBarsAndStatus) {
  StartOn(CountingBytes(kFileSize));
  PageKey(VK_RIGHT);
  ExpectCaret(1, 0, 0);
  PageKey(VK_DOWN);
  ExpectCaret(1, 1, 0);
  EXPECT_TRUE(BarsAt(1, 1));
  EXPECT_FALSE(BarsAt(0, 0));
  ExpectLabels(L"11  (17) 番地", L"4Byte:336794129", L"2Byte:4625", L"1Byte: 17",
               L"２進: 00010001");
  PageKey(VK_UP);
  PageKey(VK_LEFT);
  ExpectCaret(0, 0, 0);
  EXPECT_TRUE(BarsAt(0, 0));
}

// Which move each key and modifier asks for is the page's own wiring; where
// the moves land (wraps, the overhang, the last page, clamping) is checked
// without a window in caret_moves_test.cpp.
TEST_F(CaretWindowTest, EachKeyAndModifierReachesItsMoveAndThePageFollows) {
  StartOn(CountingBytes(kFileSize));
  const struct {
    int key;
    std::vector<int> held;
    CaretPlace from, to;
    bool from_input_window = false;  // its keys come with Ctrl as the shift state 2
  } moves[] = {
      {VK_RIGHT, {}, {4, 6, 40}, {5, 6, 40}},
      {VK_LEFT, {}, {4, 6, 40}, {3, 6, 40}},
      {VK_LEFT, {}, {0, 0, 0}, {0, 0, 0}},  // before the first byte: nothing
      {VK_UP, {}, {4, 6, 40}, {4, 5, 40}},
      {VK_DOWN, {}, {4, 6, 40}, {4, 7, 40}},
      {VK_DOWN, {VK_SHIFT}, {4, 6, 40}, {4, 8, 40}},
      {VK_RIGHT, {VK_CONTROL}, {4, 6, 40}, {8, 6, 40}},
      {VK_DOWN, {VK_SHIFT, VK_CONTROL}, {4, 6, 40}, {4, 14, 40}},
      {VK_DOWN, {VK_MENU}, {4, 6, 40}, {4, 22, 40}},   // Alt comes as a system key
      {VK_DOWN, {VK_MENU}, {4, 30, 40}, {4, 31, 55}},  // the overhang scrolls
      {VK_NEXT, {}, {4, 6, 40}, {4, 6, 71}},
      {VK_NEXT, {VK_SHIFT}, {4, 6, 40}, {4, 6, 103}},
      {VK_PRIOR, {}, {4, 6, 40}, {4, 6, 9}},
      {VK_HOME, {}, {9, 20, 100}, {0, 0, 0}},
      // The byte input window's keys take the same road.
      {VK_DOWN, {}, {4, 6, 40}, {4, 10, 40}, true},
  };
  for (const auto& m : moves) {
    SCOPED_TRACE(testing::Message() << "key " << m.key << " from " << m.from.x << "," << m.from.y
                                    << " top " << m.from.top);
    view().PlaceCaret(m.from.x, m.from.y, m.from.top);
    if (m.from_input_window) {
      view().InputFieldKey(m.key, 2);
    } else {
      const bool alt = std::find(m.held.begin(), m.held.end(), VK_MENU) != m.held.end();
      KeyWith(page(), alt ? WM_SYSKEYDOWN : WM_KEYDOWN, m.key, m.held);
    }
    ExpectCaret(m.to.x, m.to.y, m.to.top);
    EXPECT_EQ(view().page_bytes()[0], m.to.top * 16 % 256) << "the page was not read again";
    EXPECT_TRUE(BarsAt(m.to.x, m.to.y));
  }
}

TEST_F(CaretWindowTest, SeekOnTheLastPageStandsOnItsRow) {
  StartOn(CountingBytes(kFileSize));
  view().GoTo(kFileSize - 1);  // offset 4095 on line 255
  ExpectCaret(15, 255 - kLastTop, kLastTop);
  EXPECT_TRUE(BarsAt(15, 255 - kLastTop));
  // The last byte alone: the missing bytes count as 0.
  ExpectLabels(L"FFF  (4095) 番地", L"4Byte:255", L"2Byte:255", L"1Byte: 255", L"２進: 11111111");
  view().GoTo(16 * 40 + 2);
  ExpectCaret(2, 0, 40);
}

TEST_F(CaretWindowTest, BehindTheEndShowsTheAddressAndZeros) {
  StartOn(CountingBytes(kFileSize));
  view().PlaceCaret(0, 30, kLastTop);
  ExpectLabels(L"1000  (4096) 番地", L"4Byte:0", L"2Byte:0", L"1Byte: 0", L"２進: 00000000");
}

TEST_F(CaretWindowTest, MouseButtonPlacesAndDragsTheCaret) {
  std::vector<uint8_t> bytes = CountingBytes(kFileSize);
  bytes[2 * 16 + 5] = 0x8E;
  StartOn(bytes);
  SetFocus(nullptr);
  SendMessageW(page(), WM_LBUTTONDOWN, MK_LBUTTON, CellPoint(5, 2));
  ExpectCaret(5, 2, 0);
  EXPECT_EQ(GetFocus(), page());
  EXPECT_EQ(GetCapture(), page());
  // 0x8E, 0x26, 0x27, 0x28 from the caret.
  ExpectLabels(L"25  (37) 番地", L"4Byte:673654414", L"2Byte:9870", L"1Byte: 142",
               L"２進: 10001110");
  SendMessageW(page(), WM_MOUSEMOVE, MK_LBUTTON, CellPoint(7, 3));
  ExpectCaret(7, 3, 0);
  EXPECT_TRUE(BarsAt(7, 3));
  // Between the columns the drag leaves the caret where it is.
  SendMessageW(page(), WM_MOUSEMOVE, MK_LBUTTON, Point(380, 40));
  ExpectCaret(7, 3, 0);
  SendMessageW(page(), WM_LBUTTONUP, 0, CellPoint(7, 3));
  EXPECT_EQ(GetCapture(), nullptr);
  SendMessageW(page(), WM_MOUSEMOVE, 0, CellPoint(1, 1));
  ExpectCaret(7, 3, 0);
}

TEST_F(CaretWindowTest, ClicksBesideTheColumnsAreIgnored) {
  StartOn(CountingBytes(kFileSize));
  view().PlaceCaret(4, 4, 10);
  for (LPARAM p : {Point(40, 30), Point(380, 30), Point(100, 1), Point(100, 2 + 12 * 32)}) {
    SendMessageW(page(), WM_LBUTTONDOWN, MK_LBUTTON, p);
    SendMessageW(page(), WM_LBUTTONUP, 0, p);
    ExpectCaret(4, 4, 10);
  }
}

TEST_F(CaretWindowTest, KeysDecideWhetherTheNextCharIsRefused) {
  StartOn(CountingBytes(kFileSize));
  DisplaySettings.InputRadix = 1;
  PageKey('A');
  EXPECT_TRUE(view().refuses_next_character());
  PageKey('1');
  EXPECT_FALSE(view().refuses_next_character());
  PageKey('Q');
  EXPECT_TRUE(view().refuses_next_character());
  PageKey(VK_NUMPAD7);
  EXPECT_FALSE(view().refuses_next_character());
  DisplaySettings.InputRadix = 0;
  PageKey('A');
  EXPECT_FALSE(view().refuses_next_character());
}

}  // namespace
}  // namespace vx::test

#include "app/document/caret_moves.h"

#include <gtest/gtest.h>

#include <limits>

#include "app/controls/large_scroll_model.h"

namespace vx {
namespace {

constexpr int kVkLeft = 0x25;
constexpr int kVkNumPad1 = 0x61;
constexpr int kVkNumPad7 = 0x67;

class CaretMoves : public ::testing::Test {
 protected:
  DisplaySettingsRecord s = DefaultSettings();  // 16 bytes x 32 lines
};

TEST_F(CaretMoves, RightWrapsToTheStartOfTheNextLineWhateverTheStep) {
  EXPECT_EQ(MovedCaret(s, {15, 3, 7}, 1, 0), (CaretPlace{0, 4, 7}));
  EXPECT_EQ(MovedCaret(s, {14, 3, 7}, KeyStep(2), 0), (CaretPlace{0, 4, 7}));
  EXPECT_EQ(MovedCaret(s, {10, 3, 7}, KeyStep(2), 0), (CaretPlace{14, 3, 7}));
}

TEST_F(CaretMoves, LeftWrapsToTheEndOfThePreviousLineButNotBeforeTheFile) {
  EXPECT_EQ(MovedCaret(s, {0, 3, 7}, -1, 0), (CaretPlace{15, 2, 7}));
  EXPECT_EQ(MovedCaret(s, {1, 0, 7}, -4, 0), (CaretPlace{15, 0, 6}));
  EXPECT_EQ(MovedCaret(s, {0, 0, 0}, -1, 0), std::nullopt);
  EXPECT_EQ(MovedCaret(s, {2, 0, 0}, -4, 0), std::nullopt);
  // Still on the first page, but on the second line of the file.
  EXPECT_EQ(MovedCaret(s, {0, 1, 0}, -1, 0), (CaretPlace{15, 0, 0}));
}

TEST_F(CaretMoves, LeavingThePageScrollsByTheOverhang) {
  EXPECT_EQ(MovedCaret(s, {5, 31, 10}, 0, 1), (CaretPlace{5, 31, 11}));
  EXPECT_EQ(MovedCaret(s, {5, 30, 10}, 0, 8), (CaretPlace{5, 31, 17}));
  EXPECT_EQ(MovedCaret(s, {5, 2, 10}, 0, -4), (CaretPlace{5, 0, 8}));
  EXPECT_EQ(MovedCaret(s, {5, 31, 10}, 0, -4), (CaretPlace{5, 27, 10}));
}

TEST_F(CaretMoves, DownOnTheLastPageKeepsTheCaretOnTheBottomRow) {
  LargeScrollModel bar;
  bar.SetMax(50);
  bar.SetValue(50);
  const std::optional<CaretPlace> p = MovedCaret(s, {3, 31, bar.Value()}, 0, 16);
  ASSERT_TRUE(p.has_value());
  EXPECT_EQ(p->y, 31);
  bar.SetValue(p->top);
  EXPECT_EQ(bar.Value(), 50);
}

TEST_F(CaretMoves, ChangeClampsIntoThePageAndTheScrollRange) {
  EXPECT_EQ(ClampedCaret(s, 100, {16, 32, 40}), (CaretPlace{15, 31, 40}));
  EXPECT_EQ(ClampedCaret(s, 100, {-1, -5, 40}), (CaretPlace{0, 0, 40}));
  // Above the top of the file: the first row; past the end: the bottom row.
  EXPECT_EQ(ClampedCaret(s, 100, {3, 20, -30}), (CaretPlace{3, 0, 0}));
  EXPECT_EQ(ClampedCaret(s, 100, {3, 5, 131}), (CaretPlace{3, 31, 100}));
}

TEST_F(CaretMoves, PageStepsKeepOneLineOfTheOldPage) {
  EXPECT_EQ(PageDownTop(s, 100, KeyStep(0)), 131);
  EXPECT_EQ(PageDownTop(s, 100, KeyStep(1)), 163);
  EXPECT_EQ(PageUpTop(s, 100, KeyStep(0)), 69);
  EXPECT_EQ(PageUpTop(s, 100, KeyStep(4)), 100 - 512 + 1);
  EXPECT_EQ(KeyStep(3), 8);
  EXPECT_EQ(KeyStep(7), 128);
}

TEST_F(CaretMoves, AnOffsetPutsItsLineOnTopOrOnItsRowOfTheLastPage) {
  // Offset 34: line 2, column 2.
  EXPECT_EQ(CaretAtOffset(s, 100, 34), (CaretPlace{2, 0, 2}));
  EXPECT_EQ(CaretAtOffset(s, 100, 0), (CaretPlace{0, 0, 0}));
  // Line 120 lies 20 rows below the top of the last page.
  EXPECT_EQ(CaretAtOffset(s, 100, 120 * 16 + 15), (CaretPlace{15, 20, 100}));
}

// Lines far past 32 bits: the arithmetic neither wraps nor saturates.
TEST_F(CaretMoves, OffsetsAndStepsPastThirtyTwoBits) {
  const int64_t kNearMax = std::numeric_limits<int64_t>::max() - 4096;
  for (const int64_t size :
       {int64_t{0x7FFFFFFF}, int64_t{1} << 31, int64_t{1} << 32, int64_t{1} << 40, kNearMax}) {
    SCOPED_TRACE(size);
    const int64_t last_top = size / 16 + 2 - 32;
    const CaretPlace at_end = CaretAtOffset(s, last_top, size - 1);
    EXPECT_EQ(at_end.top, last_top);
    EXPECT_EQ((at_end.top + at_end.y) * 16 + at_end.x, size - 1);
    EXPECT_EQ(ClampedCaret(s, last_top, {at_end.x, at_end.y, PageDownTop(s, at_end.top, 128)}),
              (CaretPlace{at_end.x, 31, last_top}));
    EXPECT_EQ(PageUpTop(s, last_top, 1), last_top - 31);
    EXPECT_EQ(MovedCaret(s, at_end, 0, 40),
              (CaretPlace{at_end.x, 31, last_top + 40 - 31 + at_end.y}));
    const CaretPlace mid = CaretAtOffset(s, last_top, size / 2);
    EXPECT_EQ(mid.top * 16 + mid.x, size / 2);
  }
}

TEST_F(CaretMoves, PointSelectsHexAndTextCells) {
  // The hex column starts at x = 84, the first line at y = 2.
  EXPECT_EQ(PointToCell(s, 84, 2), (PageCell{0, 0}));
  EXPECT_EQ(PointToCell(s, 84 + 18 * 15 + 17, 2 + 12 * 31 + 11), (PageCell{15, 31}));
  EXPECT_EQ(PointToCell(s, 101.6, 14), (PageCell{1, 1}));  // rounded to 102 first
  EXPECT_EQ(PointToCell(s, 83, 50).column, -1);            // the address column
  EXPECT_EQ(PointToCell(s, 84 + 18 * 16, 50).column, -1);  // the gap
  // The text column starts at x = 388, 8 pixels a cell.
  EXPECT_EQ(PointToCell(s, 400, 50), (PageCell{1, 4}));
  EXPECT_EQ(PointToCell(s, 388 + 8 * 15 + 7, 2), (PageCell{15, 0}));
  EXPECT_EQ(PointToCell(s, 388 + 8 * 16, 50).column, -1);  // right of it
  EXPECT_EQ(PointToCell(s, 90, 1).row, -1);
  EXPECT_EQ(PointToCell(s, 90, 2 + 12 * 32).row, -1);
}

TEST_F(CaretMoves, RejectNextCharFollowsTheRadix) {
  constexpr int32_t kHex = 0, kDecimal = 1, kBinary = 2;
  EXPECT_TRUE(RejectsNextChar('A', kDecimal));
  EXPECT_TRUE(RejectsNextChar('F', kBinary));
  EXPECT_FALSE(RejectsNextChar('F', kHex));
  EXPECT_TRUE(RejectsNextChar('G', kHex));
  EXPECT_TRUE(RejectsNextChar('Z', kHex));
  for (int32_t radix : {kHex, kDecimal, kBinary}) {
    EXPECT_FALSE(RejectsNextChar('0', radix));
    EXPECT_FALSE(RejectsNextChar('1', radix));
    EXPECT_FALSE(RejectsNextChar(kVkNumPad1, radix));
    EXPECT_FALSE(RejectsNextChar(kVkLeft, radix));
  }
  EXPECT_FALSE(RejectsNextChar('9', kDecimal));
  EXPECT_TRUE(RejectsNextChar('2', kBinary));
  EXPECT_TRUE(RejectsNextChar(kVkNumPad7, kBinary));
  EXPECT_FALSE(RejectsNextChar(kVkNumPad7, kHex));
}

TEST_F(CaretMoves, AfterACommandThePageStaysWhereItShowsTheCaretsByte) {
  const CaretPlace now{3, 5, 10};  // lines 10 to 41 on the page
  EXPECT_EQ(CaretShowing(s, 1000, now, 10 * 16), (CaretPlace{0, 0, 10}));
  EXPECT_EQ(CaretShowing(s, 1000, now, 41 * 16 + 15), (CaretPlace{15, 31, 10}));
  // Off the page: its line at the top, as the go-to window puts it.
  EXPECT_EQ(CaretShowing(s, 1000, now, 42 * 16 + 1), CaretAtOffset(s, 1000, 42 * 16 + 1));
  EXPECT_EQ(CaretShowing(s, 1000, now, 9 * 16 + 15), CaretAtOffset(s, 1000, 9 * 16 + 15));
}

}  // namespace
}  // namespace vx

// The number rules of the numeric field, its buttons' hit areas and the
// repeat schedule of a held button, against a fake clock.
#include "app/controls/number_field_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/controls/auto_repeat.h"
#include "app/controls/number_field_layout.h"
#include "common/clock.h"

namespace vx {
namespace {

// Only a whole number within the field's bounds is read; every slip of the
// keyboard is refused rather than read as some other number.
TEST(NumberFieldRules, ReadNumberTakesOnlyAWholeNumberWithinTheBounds) {
  const struct {
    const wchar_t* text;
    std::optional<int32_t> value;  // within 0 to 100
  } cases[] = {
      {L"24", 24},
      {L"0", 0},
      {L"100", 100},
      {L"  7 ", 7},
      {L"+7", 7},
      {L"-0", 0},
      {L"007", 7},
      {L"\u3000"
       L"42",
       42},
      {L"２０", 20},
      {L"１００", 100},
      {L"＋５", 5},
      {L"2０", 20},
      {L"p24", {}},
      {L"2x4", {}},
      {L"abc", {}},
      {L"", {}},
      {L"   ", {}},
      {L"+", {}},
      {L"-", {}},
      {L"101", {}},
      {L"-1", {}},
      {L"－１", {}},
      {L"12.5", {}},
      {L"1e2", {}},
      {L"- 5", {}},
      {L"1 2", {}},
      {L"99999999999", {}},
      {L"00000000050", 50},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadNumber(c.text, 0, 100), c.value) << std::wstring(c.text).c_str();
  }
  // Negative bounds take a sign, half- or full-width.
  EXPECT_EQ(ReadNumber(L"-10", -10, 10), -10);
  EXPECT_EQ(ReadNumber(L"－３", -10, 10), -3);
  EXPECT_EQ(ReadNumber(L"-11", -10, 10), std::nullopt);
}

TEST(NumberFieldRules, AssignmentsAreBoundedAndStepsDoubleWithAModifier) {
  EXPECT_EQ(ClampValue(99999, 0, 128), 128);
  EXPECT_EQ(ClampValue(0, 16, 48), 16);
  EXPECT_EQ(ClampValue(int64_t{INT32_MAX} + 16, 0, INT32_MAX), INT32_MAX);
  // Bounds the wrong way round: the lower one is tried first.
  EXPECT_EQ(ClampValue(10, 20, 5), 20);
  // Bytes per line: step 16 within 16..48.
  const auto up_from = [](int32_t v, int direction, bool modifier) {
    return ClampValue(v + KeyStep(direction, 16, modifier), 16, 48);
  };
  EXPECT_EQ(up_from(16, 1, false), 32);
  EXPECT_EQ(up_from(16, 1, true), 48);
  EXPECT_EQ(up_from(16, -1, false), 16);
  EXPECT_EQ(up_from(20, 1, false), 36);
  EXPECT_EQ(up_from(36, 1, false), 48);
}

TEST(NumberFieldRules, OneDragStepPer15PixelsRoundedHalvesToEven) {
  EXPECT_EQ(DragSteps(100, 93), 0);  // 7 up
  EXPECT_EQ(DragSteps(100, 92), 1);  // 8 up
  EXPECT_EQ(DragSteps(100, 108), -1);
  EXPECT_EQ(DragSteps(100, 55), 3);
  EXPECT_EQ(DragSteps(0, 200), -13);
  const struct {
    int64_t n, d, q;
  } halves[] = {{15, 30, 0}, {45, 30, 2}, {75, 30, 2}, {-15, 30, 0}, {-45, 30, -2}, {-46, 30, -2}};
  for (const auto& h : halves) EXPECT_EQ(DivideRoundingHalfToEven(h.n, h.d), h.q) << h.n;
}

TEST(NumberFieldLayout, ButtonsTakeOnePixelMoreAndMinusWinsTheSharedRow) {
  // A settings field: 675 x 255 twips.
  const NumberFieldLayout l = LayOutNumberField(45, 17);
  EXPECT_EQ(l.edit_width, 30);
  EXPECT_EQ(l.edit_height, 15);
  EXPECT_EQ(l.font_points, 10);
  const struct {
    int x, y, direction;
  } points[] = {{31, 0, 1},  {30, 3, 1},  {29, 3, 0},   {44, 7, 1},   {45, 7, 1},  {46, 7, 0},
                {40, 8, -1}, {40, 9, -1}, {40, 16, -1}, {45, 17, -1}, {29, 12, 0}, {10, 5, 0}};
  for (const auto& p : points)
    EXPECT_EQ(ButtonDirection(l, p.x, p.y), p.direction) << p.x << "," << p.y;
  EXPECT_EQ(LayOutNumberField(10, 5).font_points, 1);
}

// A held button against a fake clock: each round between steps costs
// `round_ms`, each step `step_ms`; the button is held until `held_ms`.
class RepeatTest : public ::testing::Test {
 protected:
  void TearDown() override { SetClockHandler(nullptr); }

  std::vector<uint32_t> Hold(uint32_t start, uint32_t held_ms, uint32_t round_ms = 1,
                             uint32_t step_ms = 0) {
    now_ = start;
    SetClockHandler([this] { return now_; });
    std::vector<uint32_t> times;
    const int made = RunAutoRepeat(
        [&] {
          times.push_back(now_ - start);
          now_ += step_ms;
        },
        [&] {
          now_ += round_ms;
          return now_ - start < held_ms;
        });
    EXPECT_EQ(made, static_cast<int>(times.size()));
    return times;
  }

  uint32_t now_ = 0;
};

TEST_F(RepeatTest, OneAtOnceThenAfter700ThenEightAt80FifteenAt50AndEvery10) {
  for (uint32_t start : {0u, 0xFFFFFF00u}) {  // also across the clock's wrap
    const std::vector<uint32_t> t = Hold(start, 3001);
    ASSERT_EQ(t.size(), 116u);
    EXPECT_EQ(t[0], 0u);
    EXPECT_EQ(t[1], 700u);
    for (size_t i = 2; i <= 9; ++i) EXPECT_EQ(t[i] - t[i - 1], 80u) << i;
    for (size_t i = 10; i <= 24; ++i) EXPECT_EQ(t[i] - t[i - 1], 50u) << i;
    for (size_t i = 25; i < t.size(); ++i) EXPECT_EQ(t[i] - t[i - 1], 10u) << i;
    EXPECT_EQ(t.back(), 3000u);
  }
}

TEST_F(RepeatTest, LateRoundsKeepTheScheduleWithoutBursts) {
  // Rounds of 3 ms: each step comes up to 2 ms late, yet none is lost.
  const std::vector<uint32_t> late = Hold(0, 3001, 3);
  EXPECT_EQ(late.size(), 116u);
  // Steps that cost 25 ms at the 10 ms stage: one step a round, no catching up.
  const std::vector<uint32_t> slow = Hold(0, 4000, 1, 25);
  for (size_t i = 26; i < slow.size(); ++i) EXPECT_GE(slow[i] - slow[i - 1], 26u) << i;
}

TEST_F(RepeatTest, ReleasedBeforeTheSecondStepMakesOne) {
  EXPECT_EQ(Hold(0, 699).size(), 1u);
  EXPECT_EQ(Hold(0, 701).size(), 2u);
}

}  // namespace
}  // namespace vx

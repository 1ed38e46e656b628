#include "app/controls/large_scroll_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vx {
namespace {

LargeScrollModel WithMax(int64_t max) {
  LargeScrollModel m;
  m.SetMax(max);
  return m;
}

TEST(LargeScrollModel, ValueIsClampedIntoTheRange) {
  LargeScrollModel m = WithMax(1000);
  EXPECT_EQ(m.SetValue(5000), kInnerMax);
  EXPECT_EQ(m.Value(), 1000);
  m.SetValue(-3);
  EXPECT_EQ(m.Value(), 0);
  // A smaller Max pulls the value down with it.
  m.SetValue(800);
  m.SetMax(500);
  EXPECT_EQ(m.Value(), 500);
}

TEST(LargeScrollModel, InnerPositionShowsAnyValueOffTheTop) {
  EXPECT_EQ(WithMax(100'000'000).SetValue(1), 1);
  EXPECT_EQ(WithMax(100'000'000).SetValue(0), 0);
  EXPECT_EQ(WithMax(100'000'000).SetValue(50'000'000), 16383);
  EXPECT_EQ(WithMax(3).SetValue(1), 10922);
  EXPECT_EQ(WithMax(3).SetValue(3), kInnerMax);
}

TEST(LargeScrollModel, InnerLargeChangeFromThePageShare) {
  EXPECT_EQ(LargeScrollModel::InnerLargeChange(0.5), 32767);
  EXPECT_EQ(LargeScrollModel::InnerLargeChange(0.0001), 3);
  EXPECT_EQ(LargeScrollModel::InnerLargeChange(0), 2);
  EXPECT_EQ(LargeScrollModel::InnerLargeChange(1), 2);
  EXPECT_EQ(LargeScrollModel::InnerLargeChange(0.9), 32767);
  EXPECT_EQ(LargeScrollModel::InnerLargeChange(0.1), 3641);
}

TEST(LargeScrollModel, ArrowMovesOneLineAndTrackMovesLargeChange) {
  LargeScrollModel m = WithMax(100'000);
  m.SetLargeChange(16);
  m.SetValue(500);
  const int at_500 = m.LastInner();
  m.OnInnerChange(at_500 + 1);
  EXPECT_EQ(m.Value(), 501);
  m.OnInnerChange(m.LastInner() - 1);
  EXPECT_EQ(m.Value(), 500);
  m.OnInnerChange(m.LastInner() + 300);
  EXPECT_EQ(m.Value(), 516);
  m.OnInnerChange(m.LastInner() - 300);
  EXPECT_EQ(m.Value(), 500);
  // LastInner follows what the setter showed, not the inner bar's request.
  EXPECT_EQ(m.LastInner(), at_500);
}

TEST(LargeScrollModel, ClicksStopAtTheEnds) {
  LargeScrollModel m = WithMax(40);
  m.SetLargeChange(16);
  m.SetValue(35);
  m.OnInnerChange(m.LastInner() + 2000);
  EXPECT_EQ(m.Value(), 40);
  m.SetValue(0);
  m.OnInnerChange(0);  // the up arrow at the top leaves the inner bar at 0
  EXPECT_EQ(m.Value(), 0);
}

TEST(LargeScrollModel, ThumbMapsBackToTheWholeRange) {
  LargeScrollModel m = WithMax(100'000'000);
  m.OnInnerScroll(kInnerMax);
  EXPECT_EQ(m.Value(), 100'000'000);
  m.OnInnerScroll(0);
  EXPECT_EQ(m.Value(), 0);
  // Rounded to the nearest line, not cut.
  EXPECT_EQ(LargeScrollModel::ValueFromInner(1, 65534), 2);
  EXPECT_EQ(LargeScrollModel::ValueFromInner(16383, 3), 1);  // 1.49995
  EXPECT_EQ(LargeScrollModel::ValueFromInner(21845, 3), 2);  // 2.00003
  EXPECT_EQ(LargeScrollModel::ValueFromInner(27305, 3), 2);  // 2.49992
  EXPECT_EQ(LargeScrollModel::ValueFromInner(27306, 3), 3);  // 2.50002
}

// The lines of a file of 1 TiB and of the largest length: a thumb dragged
// anywhere lands on the line of its share of the track to within one page
// (32 lines), the last line is reached, and steps at the end never pass it.
TEST(LargeScrollModel, HugeRangesMapTheThumbToItsShareAndStopAtTheEnd) {
  const int64_t kPage = 32;
  for (const int64_t max :
       {(int64_t{1} << 40) / 16 - 30, std::numeric_limits<int64_t>::max() / 16}) {
    SCOPED_TRACE(max);
    LargeScrollModel m = WithMax(max);
    m.SetLargeChange(16);
    for (int inner = 0; inner <= kInnerMax; inner += 257) {
      m.OnInnerScroll(inner);
      const long double share = static_cast<long double>(inner) / kInnerMax;
      EXPECT_LE(std::fabs(static_cast<long double>(m.Value()) - share * max), kPage) << inner;
    }
    m.OnInnerScroll(kInnerMax);
    EXPECT_EQ(m.Value(), max);
    for (int i = 0; i < 3; ++i) {
      m.OnInnerChange(kInnerMax);  // the track below the thumb, at the end
      EXPECT_EQ(m.Value(), max);
    }
    m.SetValue(max - 5);
    m.OnInnerChange(m.LastInner() + 2000);
    EXPECT_EQ(m.Value(), max);
    m.OnInnerChange(m.LastInner() - 1);
    EXPECT_EQ(m.Value(), max - 1);
  }
}

}  // namespace
}  // namespace vx

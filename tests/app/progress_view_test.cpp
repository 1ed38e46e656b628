#include "app/view/progress_view.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(ProgressView, NegativeShowsTheCaptionOneOrMoreIsDone) {
  EXPECT_EQ(ProgressViewFor(-1, L"挿入中です.....", 237).kind, ProgressView::Kind::Caption);
  EXPECT_EQ(ProgressViewFor(-1, L"挿入中です.....", 237).caption, L"挿入中です.....");
  EXPECT_EQ(ProgressViewFor(1, L"", 237).kind, ProgressView::Kind::Done);
  EXPECT_EQ(ProgressViewFor(1.7, L"", 237).kind, ProgressView::Kind::Done);
}

TEST(ProgressView, BarWidthAndPercentTruncate) {
  const ProgressView v = ProgressViewFor(0.999, L"", 237);
  EXPECT_EQ(v.kind, ProgressView::Kind::Bar);
  EXPECT_EQ(v.bar_width, 236);
  EXPECT_EQ(v.percent, 99);
  EXPECT_EQ(ProgressViewFor(0, L"", 237).bar_width, 0);
}

TEST(ProgressView, NearbyValuesShowTheSameAndAreNotRedrawn) {
  // 1 GiB in 4096-byte blocks reports 262144 times; only a changed view is drawn.
  int changes = 0;
  ProgressView last = ProgressViewFor(-1, L"x", 237);
  for (int i = 0; i < 262144; ++i) {
    const ProgressView v = ProgressViewFor(i / 262144.0, L"", 237);
    if (!(v == last)) ++changes;
    last = v;
  }
  EXPECT_LE(changes, 237 + 100);
  EXPECT_GE(changes, 100);
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

TEST(ProgressView, AMovingBarIsDrawnAtMostOncePerFrameButCaptionsAndTheEndAtOnce) {
  const ProgressView caption = ProgressViewFor(-1, L"削除中です.....", 237);
  const ProgressView bar1 = ProgressViewFor(0.1, L"", 237);
  const ProgressView bar2 = ProgressViewFor(0.2, L"", 237);
  const ProgressView done = ProgressViewFor(1, L"", 237);
  EXPECT_TRUE(ProgressNeedsDrawing(std::nullopt, bar1, 0));
  EXPECT_TRUE(ProgressNeedsDrawing(caption, bar1, 0));
  EXPECT_FALSE(ProgressNeedsDrawing(bar1, bar1, 1000));
  EXPECT_FALSE(ProgressNeedsDrawing(bar1, bar2, kProgressFrameMs - 1));
  EXPECT_TRUE(ProgressNeedsDrawing(bar1, bar2, kProgressFrameMs));
  EXPECT_TRUE(ProgressNeedsDrawing(bar2, done, 0));
  EXPECT_TRUE(ProgressNeedsDrawing(done, caption, 0));
}

}  // namespace
}  // namespace vx

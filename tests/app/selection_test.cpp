#include "app/document/selection.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(ByteSelection, ReachesFromTheAnchorToTheEndInEitherOrderWithinTheFile) {
  struct Case {
    int64_t anchor, end, file_size;
    std::optional<ByteRange> range;
  };
  const Case cases[] = {
      {3, 7, 100, ByteRange{3, 5}},
      {7, 3, 100, ByteRange{3, 5}},        // dragged backwards
      {5, 5, 100, ByteRange{5, 1}},        // one byte
      {90, 120, 100, ByteRange{90, 10}},   // cut at the file's end
      {120, 90, 100, ByteRange{90, 10}},
      {100, 110, 100, std::nullopt},       // wholly behind the end
      {0, 99, 100, ByteRange{0, 100}},
  };
  for (const Case& c : cases) {
    ByteSelection s;
    s.Select(c.anchor, c.end);
    EXPECT_EQ(s.Range(c.file_size), c.range) << c.anchor << " to " << c.end;
  }
  EXPECT_EQ((ByteRange{3, 5}).last(), 7);
}

TEST(ByteSelection, ExtendingKeepsTheAnchorOrStartsAtTheOldCaret) {
  ByteSelection s;
  EXPECT_EQ(s.Range(100), std::nullopt);
  // Shift+click without a selection: from the caret's byte before the click.
  s.ExtendTo(10, 20);
  EXPECT_EQ(s.Range(100), (ByteRange{10, 11}));
  // A further Shift+click keeps the anchor, whichever side it lands.
  s.ExtendTo(20, 4);
  EXPECT_EQ(s.Range(100), (ByteRange{4, 7}));
  s.Clear();
  EXPECT_EQ(s.Range(100), std::nullopt);
  s.ExtendTo(50, 50);
  EXPECT_EQ(s.Range(100), (ByteRange{50, 1}));
}

TEST(ByteSelection, F8ExtendsFromTheCaretUntilStoppedOrCleared) {
  ByteSelection s;
  s.StartExtending(30);
  EXPECT_TRUE(s.extending());
  EXPECT_EQ(s.Range(100), (ByteRange{30, 1}));
  s.ExtendTo(30, 45);
  s.ExtendTo(45, 25);
  EXPECT_EQ(s.Range(100), (ByteRange{25, 6}));
  // Stopped, the selection stays; cleared, both go.
  s.StopExtending();
  EXPECT_FALSE(s.extending());
  EXPECT_EQ(s.Range(100), (ByteRange{25, 6}));
  s.StartExtending(60);
  EXPECT_EQ(s.Range(100), (ByteRange{60, 1}));
  s.Clear();
  EXPECT_FALSE(s.extending());
  EXPECT_EQ(s.Range(100), std::nullopt);
}

}  // namespace
}  // namespace vx

// The search scans windows that start small and grow: a match must be found
// wherever they part, in both passes, at the file's very start and end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "app/search/file_search.h"
#include "app/search/read_plan.h"
#include "common/file_seam.h"
#include "tests/app/window_borders.h"
#include "tests/support/progress_recorder.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;

const Bytes kPattern{0xA1, 0xB2, 0xC3, 0xD4, 0xE5};
constexpr int64_t kBlock = kSearchBlockSize;
constexpr int64_t kLargest = kSearchLargestWindow;

class FindAcrossReadsTest : public ::testing::Test {
 protected:
  // A file of zeros with the first `count` bytes of the pattern at `at`.
  void WriteFile(int64_t length, int64_t at, size_t count = kPattern.size()) {
    Bytes bytes(static_cast<size_t>(length), 0);
    std::copy_n(kPattern.begin(), count, bytes.begin() + at);
    test::WriteFileBytes(file_.path(), bytes);
  }
  // Moves the pattern within the file written last.
  void MovePattern(int64_t from, int64_t to) {
    fs::File f = fs::OpenFile(file_.path(), false, fs::Share::ReadWrite);
    const Bytes zeros(kPattern.size(), 0);
    ASSERT_TRUE(f.WriteAt(from, zeros.data(), static_cast<int64_t>(zeros.size())));
    ASSERT_TRUE(f.WriteAt(to, kPattern.data(), static_cast<int64_t>(kPattern.size())));
  }
  FindResult Find(int64_t from) {
    return FindForward(file_, SearchPattern(kPattern), {}, from, test::IgnoreProgress);
  }
  static FindResult At(int64_t offset) { return {FindOutcome::Found, offset}; }

  test::TempFolder dir_;
  const EditedFile file_{dir_ / L"data.bin"};
};

// A match across any border of the windows, from either start, first pass or
// round from the beginning, is found.
TEST_F(FindAcrossReadsTest, AMatchAcrossAnyWindowBorderIsFoundInBothPasses) {
  const int64_t length = 2 * kLargest + 3 * kBlock;
  for (const int64_t start : {int64_t{0}, int64_t{777}}) {
    const std::vector<int64_t> borders = test::WindowBorders(start, length);
    int64_t match = borders.front() - 2;
    WriteFile(length, match);
    for (const int64_t border : borders) {
      if (border != borders.front()) MovePattern(match, border - 2);
      match = border - 2;
      ASSERT_EQ(Find(start), At(match)) << "first pass from " << start << ", match at " << match;
      if (start == 0) {
        ASSERT_EQ(Find(match + 5), At(match)) << "round from the beginning, match at " << match;
      }
    }
  }
}

TEST_F(FindAcrossReadsTest, MatchesAtTheVeryStartAndEndOfFilesOfBlockLengths) {
  for (const int64_t length : {kBlock - 1, kBlock, kBlock + 1, kLargest + 1, 2 * kLargest + 4}) {
    SCOPED_TRACE(testing::Message() << "length " << length);
    WriteFile(length, 0);
    EXPECT_EQ(Find(0), At(0));
    EXPECT_EQ(Find(length - 1), At(0));  // round from the beginning
    const int64_t last = length - static_cast<int64_t>(kPattern.size());
    WriteFile(length, last);
    EXPECT_EQ(Find(0), At(last));
    EXPECT_EQ(Find(last), At(last));
    EXPECT_EQ(Find(length - 1), At(last));  // ends on the start byte: the second pass
    // One byte further it would run past the end.
    WriteFile(length, last + 1, kPattern.size() - 1);
    EXPECT_EQ(Find(0), FindResult{FindOutcome::NotFound});
    EXPECT_EQ(Find(last + 1), FindResult{FindOutcome::NotFound});
  }
}

// The wrap: a match before the start that ends on the start byte is found
// on the way round, one that reaches over it is in neither pass, wherever
// the start stands against the reads.
TEST_F(FindAcrossReadsTest, AroundTheStartOfASearchFarIntoTheFile) {
  const int64_t length = 2 * kLargest;
  for (const int64_t start : {kBlock, kLargest, kLargest + kBlock - 1}) {
    SCOPED_TRACE(testing::Message() << "start " << start);
    WriteFile(length, start - 4);
    EXPECT_EQ(Find(start), At(start - 4));
    WriteFile(length, start - 3);
    EXPECT_EQ(Find(start), FindResult{FindOutcome::NotFound});
    WriteFile(length, start);
    EXPECT_EQ(Find(start), At(start));
  }
}

}  // namespace
}  // namespace vx

// A search cut off on its way: a read failing anywhere or an exception out
// of the progress report ends the reading and lets the file go, and a file
// cut short meanwhile is searched as far as it still reaches.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/search/file_search.h"
#include "common/file_seam.h"
#include "tests/app/faulty_file.h"
#include "tests/support/progress_recorder.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;

const Bytes kPattern{0xA1, 0xB2, 0xC3, 0xD4};
constexpr int64_t kStep = int64_t{1} << 20;
#ifdef _WIN32
constexpr bool kOnWindows = true;
#else
constexpr bool kOnWindows = false;
#endif

// Zeros with the pattern at the very end: a search that gets there finds it.
Bytes PatternAtTheEnd(int64_t length) {
  Bytes bytes(static_cast<size_t>(length), 0);
  std::copy(kPattern.begin(), kPattern.end(), bytes.end() - static_cast<int64_t>(kPattern.size()));
  return bytes;
}

FindResult FindIn(test::FaultyFile& file, int64_t from, const ProgressCallback& progress) {
  BlockSource source(file);
  return FindForward(source, file.Length(), SearchPattern(kPattern), {}, from, progress);
}

FindResult FindIn(const EditedFile& file, const ProgressCallback& progress) {
  return FindForward(file, SearchPattern(kPattern), {}, 0, progress);
}

struct Cancelled {};

TEST(FindInterrupted, AReadFailingAnywhereFailsTheSearchAndEndsTheReading) {
  // From the middle, so that the reads also run round from the beginning.
  const int64_t from = 3 * kStep;
  const Bytes zeros(static_cast<size_t>(5 * kStep), 0);
  test::FaultyFile whole(zeros);
  ASSERT_EQ(FindIn(whole, from, test::IgnoreProgress).outcome, FindOutcome::NotFound);
  const int reads = whole.reads();
  ASSERT_GT(reads, 4);
  // The first read, the second, one in the middle, the last one, round from
  // the beginning.
  for (const int failing : {1, 2, reads / 2, reads}) {
    SCOPED_TRACE(testing::Message() << "read " << failing << " of " << reads << " fails");
    test::FaultyFile file(zeros);
    file.fail_read = failing;
    test::ProgressRecorder progress;
    EXPECT_EQ(FindIn(file, from, progress.Callback()), FindResult{FindOutcome::Failed});
    EXPECT_EQ(file.reads(), failing);
    ASSERT_FALSE(progress.calls().empty());
    EXPECT_EQ(progress.calls().back().share, kProgressEnd);
  }
}

TEST(FindInterrupted, AnExceptionOutOfTheProgressReportEndsTheReading) {
  const Bytes bytes(static_cast<size_t>(16 * kStep), 0);
  test::FaultyFile whole(bytes);
  ASSERT_EQ(FindIn(whole, 0, test::IgnoreProgress).outcome, FindOutcome::NotFound);
  for (const int cancel_at : {1, 2, 8}) {
    SCOPED_TRACE(testing::Message() << "cancelled at report " << cancel_at);
    test::FaultyFile file(bytes);
    int reports = 0;
    const ProgressCallback cancel = [&](double share, const std::wstring&) {
      if (share >= 0 && ++reports == cancel_at) throw Cancelled{};
    };
    EXPECT_THROW(FindIn(file, 0, cancel), Cancelled);
    EXPECT_LT(file.reads(), whole.reads());
  }
}

class FindInFileInterrupted : public ::testing::Test {
 protected:
  test::TempFolder dir_;
  const EditedFile file_{dir_ / L"data.bin"};
};

TEST_F(FindInFileInterrupted, ACancelledSearchLetsTheFileGo) {
  test::WriteFileBytes(file_.path(), Bytes(static_cast<size_t>(4 * kStep), 0));
  const ProgressCallback cancel = [](double share, const std::wstring&) {
    if (share >= 0 && share < 1) throw Cancelled{};
  };
  EXPECT_THROW(FindIn(file_, cancel), Cancelled);
  // Its handle would keep a Windows file from being deleted.
  EXPECT_TRUE(fs::RemoveFile(file_.path()));
}

// Another program cutting the file short during the search: Windows (and
// Wine) refuse the cut while the search views the file, so it is searched
// whole; where the cut goes through (POSIX), the search reads as far as the
// file still reaches and tells every report of the old length.
TEST_F(FindInFileInterrupted, AFileCutShortMeanwhileIsSearchedAsFarAsItReaches) {
  const int64_t length = 6 * kStep;
  test::WriteFileBytes(file_.path(), Bytes(static_cast<size_t>(length), 0));
  test::ProgressRecorder whole;
  ASSERT_EQ(FindIn(file_, whole.Callback()).outcome, FindOutcome::NotFound);

  test::WriteFileBytes(file_.path(), PatternAtTheEnd(length));
  test::ProgressRecorder progress;
  const auto record = progress.Callback();
  std::optional<bool> cut;
  const ProgressCallback cut_at_the_first_step = [&](double share, const std::wstring& caption) {
    record(share, caption);
    if (share < 0 || share >= 1 || cut) return;
    cut = fs::OpenFile(file_.path(), false, fs::Share::ReadWrite).SetLength(2 * kStep);
  };
  const FindResult result = FindIn(file_, cut_at_the_first_step);
  ASSERT_TRUE(cut.has_value());
  EXPECT_EQ(*cut, !kOnWindows);
  const FindResult expected =
      *cut ? FindResult{FindOutcome::NotFound} : FindResult{FindOutcome::Found, length - 4};
  EXPECT_EQ(result, expected);
  if (*cut) {
    ASSERT_EQ(progress.calls().size(), whole.calls().size());
    for (size_t k = 0; k < whole.calls().size(); ++k) {
      EXPECT_EQ(progress.calls()[k].share, whole.calls()[k].share) << "report " << k;
    }
  }
}

}  // namespace
}  // namespace vx

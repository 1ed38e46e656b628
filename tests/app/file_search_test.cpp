#include "app/search/file_search.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>

#include "app/search/read_plan.h"
#include "app/search/search_messages.h"
#include "app/search/search_pattern.h"
#include "app/search/search_state.h"
#include "common/file_seam.h"
#include "tests/support/progress_recorder.h"
#include "tests/support/temp_folder.h"

namespace vx {
// Names the outcome and the offset when an expectation fails.
void PrintTo(const FindResult& result, std::ostream* out) {
  static const char* const kOutcomes[] = {"found", "not found", "failed"};
  *out << kOutcomes[static_cast<int>(result.outcome)];
  if (result.outcome == FindOutcome::Found) *out << " at " << result.offset;
}

namespace {

using Bytes = std::vector<uint8_t>;

constexpr int32_t kBlock = kSearchBlockSize;
constexpr int32_t kStep = 1 << 20;
constexpr FindResult kNotFound{FindOutcome::NotFound};
constexpr FindResult kFailed{FindOutcome::Failed};

FindResult FoundAt(int64_t offset) { return {FindOutcome::Found, static_cast<int32_t>(offset)}; }

// The matching rule by brute force: the first whole match from `from` on,
// else the first one from the beginning that ends at or before the byte at
// `from`.
FindResult ReferenceFind(const Bytes& file, int64_t from, const Bytes& pattern) {
  const int64_t length = static_cast<int64_t>(file.size());
  const int64_t size = static_cast<int64_t>(pattern.size());
  auto matches_at = [&](int64_t at) {
    return std::equal(pattern.begin(), pattern.end(), file.begin() + at);
  };
  for (int64_t at = from; at + size <= length; ++at) {
    if (matches_at(at)) return FoundAt(at);
  }
  for (int64_t at = 0; at + size <= std::min(from + 1, length); ++at) {
    if (matches_at(at)) return FoundAt(at);
  }
  return kNotFound;
}

class FindTest : public ::testing::Test {
 protected:
  void Write(const Bytes& bytes) { test::WriteFileBytes(file_.path(), bytes); }
  static Bytes Zeros(size_t length) { return Bytes(length, 0); }
  // Writes `pattern` into `file` at `offset`.
  static void Put(Bytes& file, int64_t offset, const Bytes& pattern) {
    std::copy(pattern.begin(), pattern.end(), file.begin() + offset);
  }

  FindResult Find(int64_t from, const Bytes& pattern) {
    return FindForward(file_, SearchPattern(pattern), {}, from, progress_.Callback());
  }

  test::TempFolder dir_;
  const EditedFile file_{dir_ / L"data.bin"};
  test::ProgressRecorder progress_;
};

TEST_F(FindTest, FindsTheFirstMatchAtOrAfterTheStart) {
  Write({0x00, 0x4D, 0x5A, 0x4D, 0x5A, 0x4D});
  EXPECT_EQ(Find(0, {0x4D, 0x5A}), FoundAt(1));
  EXPECT_EQ(Find(1, {0x4D, 0x5A}), FoundAt(1));
  EXPECT_EQ(Find(2, {0x4D, 0x5A}), FoundAt(3));
  EXPECT_EQ(Find(0, {0x5A}), FoundAt(2));
  EXPECT_EQ(Find(0, {0x4D, 0x4D}), kNotFound);
}

TEST_F(FindTest, FindsMatchesAcrossEveryBlockBorder) {
  const Bytes pattern{1, 2, 3, 4, 5};
  for (int32_t border : {kBlock, 2 * kBlock, 3 * kBlock}) {
    // From wholly before the border to wholly behind it.
    for (int32_t at = border - 5; at <= border; ++at) {
      Bytes file = Zeros(3 * kBlock + 100);
      Put(file, at, pattern);
      Write(file);
      EXPECT_EQ(Find(0, pattern), FoundAt(at)) << "border " << border;
      EXPECT_EQ(Find(at, pattern), FoundAt(at)) << "border " << border;
    }
  }
}

TEST_F(FindTest, FindsAMatchEndingOnTheLastByteButNoneRunningPastIt) {
  Bytes file = Zeros(2 * kBlock + 3);
  Put(file, 2 * kBlock - 1, {7, 8, 9, 1});
  Write(file);
  EXPECT_EQ(Find(0, {7, 8, 9, 1}), FoundAt(2 * kBlock - 1));
  EXPECT_EQ(Find(0, {9, 1}), FoundAt(2 * kBlock + 1));
  EXPECT_EQ(Find(0, {8, 9, 1, 5}), kNotFound);
  EXPECT_EQ(Find(0, {1, 0}), kNotFound);
}

TEST_F(FindTest, APatternLongerThanTheFileFindsNothing) {
  Write({1, 2, 3});
  EXPECT_EQ(Find(0, {1, 2, 3, 0}), kNotFound);
  Write({});
  EXPECT_EQ(Find(0, {0}), kNotFound);
}

TEST_F(FindTest, TheSecondPassFindsMatchesEndingAtOrBeforeTheStart) {
  Bytes file = Zeros(3 * kBlock);
  Put(file, kBlock + 9, {5, 6, 7});
  Write(file);
  EXPECT_EQ(Find(2 * kBlock + 99, {5, 6, 7}), FoundAt(kBlock + 9));
  EXPECT_EQ(Find(kBlock + 11, {5, 6, 7}), FoundAt(kBlock + 9));
  // A match that reaches over the start is in neither pass.
  EXPECT_EQ(Find(kBlock + 10, {5, 6, 7}), kNotFound);
}

TEST_F(FindTest, AMissingFileIsAnErrorAndIsNotMadeAgain) {
  EXPECT_EQ(Find(0, {0}), kFailed);
  EXPECT_FALSE(fs::FileExists(file_.path()));
  EXPECT_TRUE(progress_.calls().empty());
}

// Every share told while the search runs lies between 0 and 1 and grows;
// only the end says 1. (A search from the middle once counted its way round
// the start from the start position and told 4/3.)
void ExpectProgressBelowOneUntilTheEnd(const std::vector<test::ProgressCall>& calls) {
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls.front().share, kProgressStart);
  EXPECT_EQ(calls.front().caption, L"検索中です．．．");
  double last = 0;
  for (size_t k = 1; k + 1 < calls.size(); ++k) {
    EXPECT_GT(calls[k].share, last) << "report " << k;
    EXPECT_LT(calls[k].share, 1.0) << "report " << k;
    EXPECT_EQ(calls[k].caption, L"");
    last = calls[k].share;
  }
  EXPECT_EQ(calls.back().share, kProgressEnd);
}

TEST_F(FindTest, ProgressStaysBelowOneInBothPassesUntilTheEnd) {
  Write(Zeros(3 * kStep));
  for (const int64_t from :
       {int64_t{0}, int64_t{kStep}, int64_t{3 * kStep - 1}, int64_t{3 * kStep}}) {
    progress_.Clear();
    EXPECT_EQ(Find(from, {1}), kNotFound);
    ExpectProgressBelowOneUntilTheEnd(progress_.calls());
    // Both passes together take every window once.
    EXPECT_GT(progress_.calls().size(), 4u) << "from " << from;
  }
}

TEST_F(FindTest, AMatchEndsTheSearchInItsWindow) {
  Bytes file = Zeros(3 * kStep);
  Put(file, kBlock + 1, {1});
  Write(file);
  EXPECT_EQ(Find(0, {1}), FoundAt(kBlock + 1));
  // The first window, then the one with the match.
  ASSERT_EQ(progress_.calls().size(), 3u);
  // Both passes: every start of the file, then the one at 0 round it.
  EXPECT_DOUBLE_EQ(progress_.calls()[1].share, static_cast<double>(kBlock) / (3 * kStep + 1));
  EXPECT_EQ(progress_.calls()[2].share, kProgressEnd);
}

TEST_F(FindTest, AJapaneseTextMatchesItsShiftJisBytes) {
  SearchPattern pattern;
  ASSERT_EQ(ParsePattern(L"検索", {.kind = SearchKind::Text}, pattern), std::nullopt);
  const Bytes bytes(pattern.bytes().begin(), pattern.bytes().end());
  Bytes file = Zeros(kBlock + 8);
  Put(file, kBlock - 2, bytes);
  Write(file);
  EXPECT_EQ(Find(0, bytes), FoundAt(kBlock - 2));
}

TEST_F(FindTest, RandomFilesAndPatternsAgreeWithBruteForce) {
  std::mt19937 rng(20240611);
  auto pick = [&](int64_t low, int64_t high) {
    return std::uniform_int_distribution<int64_t>(low, high)(rng);
  };
  for (int file_no = 0; file_no < 24; ++file_no) {
    // Few byte values, so that partial and overlapping matches are common.
    const int values = static_cast<int>(pick(2, 4));
    Bytes file(static_cast<size_t>(pick(0, 3 * kBlock + 40)));
    for (uint8_t& b : file) b = static_cast<uint8_t>(pick(0, values - 1));
    Write(file);
    const int64_t length = static_cast<int64_t>(file.size());
    for (int n = 0; n < 12; ++n) {
      Bytes pattern(static_cast<size_t>(pick(1, 20)));
      // Half the patterns are cut from the file, many of them around a border.
      const int64_t size = static_cast<int64_t>(pattern.size());
      if (length >= size && pick(0, 1) == 0) {
        const int64_t near = pick(0, length / kBlock) * kBlock - pick(1, 25);
        const int64_t at = std::clamp<int64_t>(near, 0, length - size);
        std::copy_n(file.begin() + at, pattern.size(), pattern.begin());
      } else {
        for (uint8_t& b : pattern) b = static_cast<uint8_t>(pick(0, values - 1));
      }
      const int64_t from = pick(0, length + 1);
      ASSERT_EQ(Find(from, pattern), ReferenceFind(file, from, pattern))
          << "file " << file_no << " length " << length << " pattern " << pattern.size() << " from "
          << from;
    }
  }
}

class SearchStateTest : public FindTest {
 protected:
  FindResult Start(int64_t from, const Bytes& pattern) {
    return state_.Start(file_, from, SearchPattern(pattern));
  }

  SearchState state_{progress_.Callback(), [this](bool on) { switches_.push_back(on); }};
  std::vector<bool> switches_;
};

TEST_F(SearchStateTest, AStartMakesTheSearchActiveFromItsMatch) {
  Write({0, 4, 5, 0, 4, 5});
  EXPECT_EQ(Start(2, {4, 5}), FoundAt(4));
  EXPECT_EQ(state_.first_match(), 4);
  EXPECT_EQ(state_.last_match(), 4);
  EXPECT_EQ(state_.pattern(), SearchPattern(Bytes{4, 5}));
  EXPECT_EQ(switches_, (std::vector<bool>{true}));
}

TEST_F(SearchStateTest, AStartWithoutAMatchClearsTheSearch) {
  Write({0, 4, 5});
  ASSERT_EQ(Start(0, {4, 5}), FoundAt(1));
  EXPECT_EQ(Start(0, {5, 4}), kNotFound);
  EXPECT_EQ(state_.first_match(), -1);
  EXPECT_TRUE(state_.pattern().empty());
  EXPECT_FALSE(state_.active());
  EXPECT_EQ(switches_, (std::vector<bool>{true, false}));
  EXPECT_STREQ(SearchResultMessage(kNotFound), L"データが見つかりませんでした。");
}

TEST_F(SearchStateTest, AFileGoneBeforeTheSearchIsAnErrorAndClearsIt) {
  Write({0, 4, 5});
  ASSERT_EQ(Start(0, {4, 5}), FoundAt(1));
  ASSERT_TRUE(fs::RemoveFile(file_.path()));
  EXPECT_EQ(state_.ContinueInWindow(file_), kFailed);
  EXPECT_EQ(state_.first_match(), -1);
  EXPECT_EQ(switches_.back(), false);
  EXPECT_STREQ(SearchResultMessage(kFailed), L"検索中にエラーが発生しました。");
  EXPECT_EQ(SearchResultMessage(FoundAt(0)), nullptr);
}

TEST_F(SearchStateTest, ContinuingVisitsEveryMatchOnceFromTheBeginning) {
  std::mt19937 rng(7);
  // Every match is one open of the file, which is slow under Wine: few rounds.
  for (int round = 0; round < 8; ++round) {
    Bytes file(static_cast<size_t>(std::uniform_int_distribution<int>(1, kBlock + 200)(rng)));
    for (uint8_t& b : file) b = static_cast<uint8_t>(rng() % 4);
    Write(file);
    const Bytes pattern{static_cast<uint8_t>(rng() % 4), static_cast<uint8_t>(rng() % 4)};
    std::vector<int32_t> all;
    for (size_t at = 0; at + 1 < file.size(); ++at) {
      if (file[at] == pattern[0] && file[at + 1] == pattern[1]) {
        all.push_back(static_cast<int32_t>(at));
      }
    }
    std::vector<int32_t> visited;
    for (FindResult r = Start(0, pattern); r.outcome == FindOutcome::Found;
         r = state_.ContinueInWindow(file_)) {
      visited.push_back(r.offset);
      ASSERT_LE(visited.size(), all.size()) << "round " << round;
    }
    EXPECT_EQ(visited, all) << "round " << round;
    EXPECT_EQ(state_.first_match(), -1);
  }
}

TEST_F(SearchStateTest, ContinuingFromTheCaretStartsBehindItAndKeepsThePattern) {
  Write({4, 5, 0, 4, 5, 0});
  ASSERT_EQ(Start(0, {4, 5}), FoundAt(0));
  EXPECT_EQ(state_.ContinueFromCaret(file_, 3), FoundAt(0));
  EXPECT_EQ(state_.first_match(), 4);
  EXPECT_EQ(state_.ContinueFromCaret(file_, 0), FoundAt(3));
  EXPECT_EQ(state_.ContinueFromCaret(file_, 1), FoundAt(3));

  Write({0, 0, 0});
  EXPECT_EQ(state_.ContinueFromCaret(file_, 0), kNotFound);
  EXPECT_EQ(state_.pattern(), SearchPattern(Bytes{4, 5}));
  EXPECT_EQ(state_.first_match(), 1);
  EXPECT_EQ(switches_.back(), false);
}

}  // namespace
}  // namespace vx

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "app/search/find_u.h"
#include "app/search/search_messages.h"
#include "app/search/search_state.h"
#include "app/search/search_text.h"
#include "common/file_seam.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr int32_t kBlock = 4096;

// The matching rule by brute force: the first whole match from Start on,
// else the first one from the beginning that ends at or before Start.
int32_t ReferenceFind(const Bytes& file, int32_t Start, const Bytes& pattern) {
  const int64_t L = static_cast<int64_t>(file.size());
  const int64_t m = static_cast<int64_t>(pattern.size()) - 1;
  auto matches_at = [&](int64_t q) {
    return std::equal(pattern.begin(), pattern.end(), file.begin() + (q - 1));
  };
  for (int64_t q = Start; q + m <= L; ++q) {
    if (matches_at(q)) return static_cast<int32_t>(q);
  }
  for (int64_t q = 1; q + m <= std::min<int64_t>(Start, L); ++q) {
    if (matches_at(q)) return static_cast<int32_t>(q);
  }
  return kFindNoMatch;
}

struct ProgressCall {
  double value;
  std::wstring caption;
};

class FindTest : public ::testing::Test {
 protected:
  void Write(const Bytes& bytes) {
    contents_ = bytes;
    test::WriteFileBytes(name_, bytes);
  }
  static Bytes Zeros(size_t length) { return Bytes(length, 0); }
  // Writes `pattern` into `file` at seek position q.
  static void Put(Bytes& file, int32_t q, const Bytes& pattern) {
    std::copy(pattern.begin(), pattern.end(), file.begin() + (q - 1));
  }

  int32_t Find(int32_t Start, const Bytes& pattern) {
    return FindU(files_, name_, Start, pattern, Prog());
  }
  FindProgress Prog() {
    return [this](double value, const std::wstring& caption) {
      progress_.push_back({value, caption});
    };
  }

  test::TempFolder dir_;
  const std::wstring name_ = dir_ / L"data.bin";
  const FileOperation files_{};
  Bytes contents_;
  std::vector<ProgressCall> progress_;
};

TEST_F(FindTest, FindsTheFirstMatchAtOrAfterTheStart) {
  Write({0x00, 0x4D, 0x5A, 0x4D, 0x5A, 0x4D});
  EXPECT_EQ(Find(1, {0x4D, 0x5A}), 2);
  EXPECT_EQ(Find(2, {0x4D, 0x5A}), 2);
  EXPECT_EQ(Find(3, {0x4D, 0x5A}), 4);
  EXPECT_EQ(Find(1, {0x5A}), 3);
  EXPECT_EQ(Find(1, {0x4D, 0x4D}), kFindNoMatch);
}

TEST_F(FindTest, FindsMatchesAcrossEveryBlockBorder) {
  const Bytes pattern{1, 2, 3, 4, 5};
  for (int32_t border : {kBlock, 2 * kBlock, 3 * kBlock}) {
    // From wholly before the border to wholly behind it.
    for (int32_t q = border - 5; q <= border + 1; ++q) {
      Bytes file = Zeros(3 * kBlock + 100);
      Put(file, q, pattern);
      Write(file);
      EXPECT_EQ(Find(1, pattern), q) << "border " << border;
      EXPECT_EQ(Find(q, pattern), q) << "border " << border;
    }
  }
}

TEST_F(FindTest, FindsAMatchEndingOnTheLastByteButNoneRunningPastIt) {
  Bytes file = Zeros(2 * kBlock + 3);
  Put(file, 2 * kBlock, {7, 8, 9, 1});
  Write(file);
  EXPECT_EQ(Find(1, {7, 8, 9, 1}), 2 * kBlock);
  EXPECT_EQ(Find(1, {9, 1}), 2 * kBlock + 2);
  EXPECT_EQ(Find(1, {8, 9, 1, 5}), kFindNoMatch);
  EXPECT_EQ(Find(1, {1, 0}), kFindNoMatch);
}

TEST_F(FindTest, APatternLongerThanTheFileFindsNothing) {
  Write({1, 2, 3});
  EXPECT_EQ(Find(1, {1, 2, 3, 0}), kFindNoMatch);
  Write({});
  EXPECT_EQ(Find(1, {0}), kFindNoMatch);
}

TEST_F(FindTest, TheSecondPassFindsMatchesEndingAtOrBeforeTheStart) {
  Bytes file = Zeros(3 * kBlock);
  Put(file, kBlock + 10, {5, 6, 7});
  Write(file);
  EXPECT_EQ(Find(2 * kBlock + 100, {5, 6, 7}), kBlock + 10);
  EXPECT_EQ(Find(kBlock + 12, {5, 6, 7}), kBlock + 10);
  // A match that reaches over the start is in neither pass.
  EXPECT_EQ(Find(kBlock + 11, {5, 6, 7}), kFindNoMatch);
}

TEST_F(FindTest, AMissingFileIsAnErrorAndIsNotMadeAgain) {
  EXPECT_EQ(Find(1, {0}), kFindOpenFailed);
  EXPECT_FALSE(fs::FileExists(name_));
  EXPECT_TRUE(progress_.empty());
}

TEST_F(FindTest, ShowsProgressAfterEveryBlockOfBothPasses) {
  Write(Zeros(3 * kBlock));
  EXPECT_EQ(Find(kBlock + 1, {1}), kFindNoMatch);
  // Blocks at 4097 and 8193, then round from 1 and 4097.
  const double L = 3 * kBlock;
  ASSERT_EQ(progress_.size(), 6u);
  EXPECT_EQ(progress_.front().value, -1);
  EXPECT_EQ(progress_.front().caption, L"検索中です．．．");
  for (size_t k = 1; k <= 4; ++k) {
    EXPECT_DOUBLE_EQ(progress_[k].value, k * kBlock / L);
    EXPECT_EQ(progress_[k].caption, L"");
  }
  EXPECT_EQ(progress_.back().value, 1);
  EXPECT_EQ(progress_.back().caption, L"");
}

TEST_F(FindTest, AMatchEndsTheSearchInItsBlock) {
  Bytes file = Zeros(3 * kBlock);
  Put(file, kBlock + 2, {1});
  Write(file);
  EXPECT_EQ(Find(1, {1}), kBlock + 2);
  ASSERT_EQ(progress_.size(), 3u);
  EXPECT_DOUBLE_EQ(progress_[1].value, 1.0 / 3);
  EXPECT_EQ(progress_[2].value, 1);
}

TEST_F(FindTest, AJapaneseTextMatchesItsShiftJisBytes) {
  Bytes pattern;
  ASSERT_EQ(GetByteFromText(L"検索", SearchTarget::Text, pattern), 0);
  Bytes file = Zeros(kBlock + 8);
  Put(file, kBlock - 1, pattern);
  Write(file);
  EXPECT_EQ(Find(1, pattern), kBlock - 1);
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
    const int64_t L = static_cast<int64_t>(file.size());
    for (int n = 0; n < 12; ++n) {
      Bytes pattern(static_cast<size_t>(pick(1, 20)));
      // Half the patterns are cut from the file, many of them around a border.
      const int64_t length = static_cast<int64_t>(pattern.size());
      if (L >= length && pick(0, 1) == 0) {
        const int64_t near = pick(0, L / kBlock) * kBlock - pick(0, 24);
        const int64_t q = std::clamp<int64_t>(near, 1, L - length + 1);
        std::copy_n(file.begin() + (q - 1), pattern.size(), pattern.begin());
      } else {
        for (uint8_t& b : pattern) b = static_cast<uint8_t>(pick(0, values - 1));
      }
      const int32_t Start = static_cast<int32_t>(pick(1, L + 2));
      ASSERT_EQ(Find(Start, pattern), ReferenceFind(file, Start, pattern))
          << "file " << file_no << " length " << L << " pattern " << pattern.size() << " start "
          << Start;
    }
  }
}

class SearchStateTest : public FindTest {
 protected:
  SearchState state_{files_, Prog(), [this](bool on) { switches_.push_back(on); }};
  std::vector<bool> switches_;
};

TEST_F(SearchStateTest, FindStartMakesTheSearchActiveFromItsMatch) {
  Write({0, 4, 5, 0, 4, 5});
  EXPECT_EQ(state_.FindStart(name_, 3, {4, 5}), 5);
  EXPECT_EQ(state_.FindFirst(), 5);
  EXPECT_EQ(state_.FindLast(), 5);
  EXPECT_EQ(state_.FindBytes(), (Bytes{4, 5}));
  EXPECT_EQ(switches_, (std::vector<bool>{true}));
}

TEST_F(SearchStateTest, FindStartWithoutAMatchClearsTheSearch) {
  Write({0, 4, 5});
  ASSERT_GT(state_.FindStart(name_, 1, {4, 5}), 0);
  EXPECT_EQ(state_.FindStart(name_, 1, {5, 4}), kFindNoMatch);
  EXPECT_EQ(state_.FindFirst(), -1);
  EXPECT_EQ(state_.FindBytes(), (Bytes{0}));
  EXPECT_EQ(switches_, (std::vector<bool>{true, false}));
  EXPECT_STREQ(SearchResultMessage(kFindNoMatch), L"データが見つかりませんでした。");
}

TEST_F(SearchStateTest, AFileGoneBeforeTheSearchIsAnErrorAndClearsIt) {
  Write({0, 4, 5});
  ASSERT_GT(state_.FindStart(name_, 1, {4, 5}), 0);
  ASSERT_TRUE(fs::RemoveFile(name_));
  EXPECT_EQ(state_.FindNextInWindow(name_), kFindOpenFailed);
  EXPECT_EQ(state_.FindFirst(), -1);
  EXPECT_EQ(switches_.back(), false);
  EXPECT_STREQ(SearchResultMessage(kFindOpenFailed), L"検索中にエラーが発生しました。");
  EXPECT_EQ(SearchResultMessage(3), nullptr);
}

TEST_F(SearchStateTest, FindNextVisitsEveryMatchOnceFromTheBeginning) {
  std::mt19937 rng(7);
  // Every match is one open of the file, which is slow under Wine: few rounds.
  for (int round = 0; round < 8; ++round) {
    Bytes file(static_cast<size_t>(std::uniform_int_distribution<int>(1, kBlock + 200)(rng)));
    for (uint8_t& b : file) b = static_cast<uint8_t>(rng() % 4);
    Write(file);
    const Bytes pattern{static_cast<uint8_t>(rng() % 4), static_cast<uint8_t>(rng() % 4)};
    std::vector<int32_t> all;
    for (size_t q = 1; q + 1 <= file.size(); ++q) {
      if (file[q - 1] == pattern[0] && file[q] == pattern[1])
        all.push_back(static_cast<int32_t>(q));
    }
    std::vector<int32_t> visited;
    for (int32_t r = state_.FindStart(name_, 1, pattern); r > 0;
         r = state_.FindNextInWindow(name_)) {
      visited.push_back(r);
      ASSERT_LE(visited.size(), all.size()) << "round " << round;
    }
    EXPECT_EQ(visited, all) << "round " << round;
    EXPECT_EQ(state_.FindFirst(), -1);
  }
}

TEST_F(SearchStateTest, FindNextFromTheCaretStartsBehindItAndKeepsThePattern) {
  Write({4, 5, 0, 4, 5, 0});
  ASSERT_EQ(state_.FindStart(name_, 1, {4, 5}), 1);
  EXPECT_EQ(state_.FindNextFromCaret(name_, 4), 1);
  EXPECT_EQ(state_.FindFirst(), 5);
  EXPECT_EQ(state_.FindNextFromCaret(name_, 1), 4);
  EXPECT_EQ(state_.FindNextFromCaret(name_, 2), 4);

  Write({0, 0, 0});
  EXPECT_EQ(state_.FindNextFromCaret(name_, 1), kFindNoMatch);
  EXPECT_EQ(state_.FindBytes(), (Bytes{4, 5}));
  EXPECT_EQ(state_.FindFirst(), 2);
  EXPECT_EQ(switches_.back(), false);
}

}  // namespace
}  // namespace vx

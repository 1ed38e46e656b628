// Find previous and find all, within a scope and with case folding, against
// models that try every offset; at the borders of the windows and round the
// ends of the file and the scope.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "app/search/file_search.h"
#include "app/search/read_plan.h"
#include "app/search/search_pattern.h"
#include "app/search/search_state.h"
#include "tests/app/window_borders.h"
#include "tests/support/progress_recorder.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr int64_t kBlock = kSearchBlockSize;
constexpr FindResult kNotFound{FindOutcome::NotFound};

FindResult FoundAt(int64_t offset) { return {FindOutcome::Found, offset}; }

struct Match {
  int64_t offset;
  Bytes bytes;
  bool operator==(const Match&) const = default;
};

// The models: every start of the scope where the whole pattern fits.
class Model {
 public:
  Model(const Bytes& file, const SearchPattern& pattern, SearchScope scope)
      : file_(file), pattern_(pattern) {
    first_ = std::clamp<int64_t>(scope.first, 0, Length());
    end_ = std::clamp<int64_t>(scope.end, first_, Length());
  }

  bool MatchesAt(int64_t at) const {
    return at >= first_ && at + Size() <= end_ && pattern_.Matches(file_.data() + at);
  }
  FindResult Forward(int64_t from) const {
    for (int64_t at = std::max(from, first_); at < end_; ++at) {
      if (MatchesAt(at)) return FoundAt(at);
    }
    for (int64_t at = first_; at + Size() <= std::min(from + 1, end_); ++at) {
      if (MatchesAt(at)) return FoundAt(at);
    }
    return kNotFound;
  }
  FindResult Backward(int64_t before) const {
    for (int64_t at = std::min(before, end_) - 1; at >= first_; --at) {
      if (MatchesAt(at)) return FoundAt(at);
    }
    for (int64_t at = end_ - 1; at >= std::max(before, first_); --at) {
      if (MatchesAt(at)) return FoundAt(at);
    }
    return kNotFound;
  }
  std::vector<Match> All() const {
    std::vector<Match> all;
    for (int64_t at = first_; at < end_;) {
      if (!MatchesAt(at)) {
        ++at;
        continue;
      }
      all.push_back({at, Bytes(file_.begin() + at, file_.begin() + at + Size())});
      at += Size();
    }
    return all;
  }

 private:
  int64_t Length() const { return static_cast<int64_t>(file_.size()); }
  int64_t Size() const { return static_cast<int64_t>(pattern_.length()); }

  const Bytes& file_;
  const SearchPattern& pattern_;
  int64_t first_ = 0;
  int64_t end_ = 0;
};

class DirectionsTest : public ::testing::Test {
 protected:
  void Write(const Bytes& bytes) { test::WriteFileBytes(file_.path(), bytes); }

  FindResult Backward(const SearchPattern& pattern, int64_t before, SearchScope scope = {}) {
    return FindBackward(file_, pattern, scope, before, progress_.Callback());
  }
  FindAllResult All(const SearchPattern& pattern, std::vector<Match>& found,
                    SearchScope scope = {}) {
    found.clear();
    return FindAll(
        file_, pattern, scope,
        [&](int64_t offset, std::span<const uint8_t> bytes) {
          found.push_back({offset, Bytes(bytes.begin(), bytes.end())});
          return true;
        },
        progress_.Callback());
  }

  test::TempFolder dir_;
  const EditedFile file_{dir_ / L"data.bin"};
  test::ProgressRecorder progress_;
};

const SearchPattern kFive(Bytes{1, 2, 3, 4, 5});

TEST_F(DirectionsTest, FindPreviousAndFindAllSeeMatchesAcrossWindowBorders) {
  const int64_t length = 3 * kSearchLargestWindow;
  Bytes file(static_cast<size_t>(length), 0);
  std::vector<Match> expected;
  for (const int64_t border : test::WindowBorders(0, length)) {
    std::copy_n(kFive.bytes().begin(), 5, file.begin() + border - 2);
    expected.push_back({border - 2, Bytes{1, 2, 3, 4, 5}});
  }
  Write(file);
  std::vector<Match> found;
  EXPECT_EQ(All(kFive, found),
            (FindAllResult{FindAllOutcome::Done, static_cast<int64_t>(expected.size())}));
  EXPECT_EQ(found, expected);
  for (const Match& match : expected) {
    // Backwards, the first window ends 2 bytes behind the match's start; the
    // next one holds the match with its last bytes behind its border.
    EXPECT_EQ(Backward(kFive, match.offset + 2 + kBlock), FoundAt(match.offset));
  }
  // Stepping back from the end visits them all and then comes round.
  int64_t before = length;
  for (auto it = expected.rbegin(); it != expected.rend(); ++it) {
    ASSERT_EQ(Backward(kFive, before), FoundAt(it->offset));
    before = it->offset;
  }
  EXPECT_EQ(Backward(kFive, before), FoundAt(expected.back().offset));
}

TEST_F(DirectionsTest, FindPreviousWrapsRoundTheEndOfTheFileAndOfTheScope) {
  Bytes file(static_cast<size_t>(2 * kBlock), 0);
  std::copy_n(kFive.bytes().begin(), 5, file.begin() + 10);
  std::copy_n(kFive.bytes().begin(), 5, file.end() - 5);
  Write(file);
  const int64_t last = 2 * kBlock - 5;
  EXPECT_EQ(Backward(kFive, 11), FoundAt(10));
  EXPECT_EQ(Backward(kFive, 10), FoundAt(last));  // round the end
  EXPECT_EQ(Backward(kFive, 0), FoundAt(last));
  EXPECT_EQ(Backward(kFive, 2 * kBlock), FoundAt(last));
  // A scope that cuts the last match short holds only the first.
  EXPECT_EQ(Backward(kFive, 10, {0, 2 * kBlock - 1}), FoundAt(10));
  EXPECT_EQ(Backward(kFive, 5, {5, 14}), kNotFound);
  EXPECT_EQ(Backward(kFive, 5, {10, 15}), FoundAt(10));
  EXPECT_EQ(Backward(kFive, 0, {11, 2 * kBlock}), FoundAt(last));
}

TEST_F(DirectionsTest, FindAllStopsWhenTold) {
  Write(Bytes(static_cast<size_t>(kBlock), 7));
  std::vector<int64_t> told;
  const FindAllResult result = FindAll(
      file_, SearchPattern(Bytes{7, 7}), {},
      [&](int64_t offset, std::span<const uint8_t>) {
        told.push_back(offset);
        return told.size() < 3;
      },
      progress_.Callback());
  EXPECT_EQ(result, (FindAllResult{FindAllOutcome::Cancelled, 3}));
  EXPECT_EQ(told, (std::vector<int64_t>{0, 2, 4}));
  EXPECT_EQ(progress_.calls().back().share, kProgressEnd);
}

TEST_F(DirectionsTest, AFileGoneIsAnErrorForEveryDirection) {
  std::vector<Match> found;
  EXPECT_EQ(Backward(kFive, 0), FindResult{FindOutcome::Failed});
  EXPECT_EQ(All(kFive, found).outcome, FindAllOutcome::Failed);
  EXPECT_FALSE(fs::FileExists(file_.path()));
  EXPECT_TRUE(progress_.calls().empty());
}

// Random files of few byte values, so that partial and overlapping matches
// are common; patterns cut from the file or made up, exact or ignoring the
// case of letters; random scopes and starts.
TEST_F(DirectionsTest, EveryDirectionAgreesWithTheModelOnRandomFiles) {
  std::mt19937 rng(20261209);
  auto pick = [&](int64_t low, int64_t high) {
    return std::uniform_int_distribution<int64_t>(low, high)(rng);
  };
  const Bytes letters{'a', 'A', 'b', 'B', 0};
  for (int file_no = 0; file_no < 12; ++file_no) {
    Bytes file(static_cast<size_t>(pick(0, 3 * kBlock + 40)));
    for (uint8_t& b : file) b = letters[static_cast<size_t>(pick(0, 4))];
    Write(file);
    const int64_t length = static_cast<int64_t>(file.size());
    for (int n = 0; n < 10; ++n) {
      std::wstring text;
      for (int64_t k = pick(1, 6); k > 0; --k) text += L"aAbB "[pick(0, 4)];
      SearchPattern pattern;
      ASSERT_EQ(
          ParsePattern(text, {.kind = SearchKind::Text, .ignore_case = pick(0, 1) == 1}, pattern),
          std::nullopt);
      SearchScope scope;
      if (pick(0, 1) == 1) {
        scope.first = pick(-2, length);
        scope.end = pick(scope.first, length + 3);
      }
      const Model model(file, pattern, scope);
      const int64_t at = pick(-1, length + 1);
      SCOPED_TRACE(testing::Message()
                   << "file " << file_no << " length " << length << " pattern " << pattern.length()
                   << " scope " << scope.first << ".." << scope.end << " at " << at);
      if (at >= 0) {
        ASSERT_EQ(FindForward(file_, pattern, scope, at, test::IgnoreProgress), model.Forward(at));
      }
      ASSERT_EQ(Backward(pattern, at, scope), model.Backward(at));
      std::vector<Match> found;
      const std::vector<Match> all = model.All();
      ASSERT_EQ(All(pattern, found, scope),
                (FindAllResult{FindAllOutcome::Done, static_cast<int64_t>(all.size())}));
      ASSERT_EQ(found, all);
    }
  }
}

TEST_F(DirectionsTest, ProgressOfFindAllAndFindPreviousStaysBelowOneUntilTheEnd) {
  Write(Bytes(static_cast<size_t>(3 * kSearchLargestWindow + 5), 1));
  std::vector<Match> found;
  const SearchPattern absent(Bytes{2});
  for (int round = 0; round < 2; ++round) {
    progress_.Clear();
    if (round == 0) {
      ASSERT_EQ(All(absent, found).count, 0);
    } else {
      ASSERT_EQ(Backward(absent, kBlock), kNotFound);
    }
    const auto& calls = progress_.calls();
    ASSERT_GT(calls.size(), 4u);
    EXPECT_EQ(calls.front().share, kProgressStart);
    for (size_t k = 1; k + 1 < calls.size(); ++k) {
      EXPECT_GT(calls[k].share, calls[k - 1].share);
      EXPECT_LT(calls[k].share, 1.0);
    }
    EXPECT_EQ(calls.back().share, kProgressEnd);
  }
}

class PreviousFromCaretTest : public DirectionsTest {
 protected:
  SearchState state_{progress_.Callback(), [this](bool on) { switches_.push_back(on); }};
  std::vector<bool> switches_;
};

TEST_F(PreviousFromCaretTest, FindsTheLastMatchBeforeTheCaretAndFindNextGoesOnFromIt) {
  Write({4, 5, 0, 4, 5, 0, 4, 5});
  const SearchPattern pattern(Bytes{4, 5});
  ASSERT_EQ(state_.Start(file_, 0, pattern), FoundAt(0));
  EXPECT_EQ(state_.PreviousFromCaret(file_, 0), FoundAt(6));  // round the end
  EXPECT_EQ(state_.PreviousFromCaret(file_, 6), FoundAt(3));
  EXPECT_EQ(state_.ContinueInWindow(file_), FoundAt(6));
  EXPECT_EQ(state_.ContinueInWindow(file_), FoundAt(0));
  EXPECT_EQ(state_.ContinueInWindow(file_), kNotFound);  // round to where it started
  EXPECT_FALSE(state_.active());
}

// As Find next does: the commands are disabled, the pattern and scope kept.
TEST_F(PreviousFromCaretTest, WithoutAMatchTheCommandsAreDisabledAndThePatternKept) {
  Write({4, 5, 0});
  ASSERT_EQ(state_.Start(file_, 0, SearchPattern(Bytes{4, 5}), {0, 3}), FoundAt(0));
  EXPECT_EQ(state_.scope(), (SearchScope{0, 3}));
  Write({0, 0, 0});
  EXPECT_EQ(state_.PreviousFromCaret(file_, 2), kNotFound);
  EXPECT_TRUE(state_.active());
  EXPECT_EQ(state_.pattern(), SearchPattern(Bytes{4, 5}));
  EXPECT_EQ(switches_, (std::vector<bool>{true, false}));
}

TEST_F(PreviousFromCaretTest, TheWindowsBackwardSearchStartsAfreshWithItsPattern) {
  Write({4, 5, 0, 4, 5, 0, 4, 5});
  const SearchPattern pattern(Bytes{4, 5});
  EXPECT_EQ(state_.StartBackward(file_, 5, pattern, {1, 8}), FoundAt(3));
  EXPECT_TRUE(state_.active());
  EXPECT_EQ(state_.scope(), (SearchScope{1, 8}));
  // Round the end, inside the scope: the match at 0 lies outside it.
  EXPECT_EQ(state_.StartBackward(file_, 3, pattern, {1, 8}), FoundAt(6));
  EXPECT_EQ(state_.StartBackward(file_, 3, SearchPattern(Bytes{9}), {}), kNotFound);
  EXPECT_FALSE(state_.active());
}

}  // namespace
}  // namespace vx

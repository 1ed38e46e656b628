#include "app/search/candidate_scan.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(NextCandidate, NeedsTheFirstAndTheLastByteInPlace) {
  const Bytes data{9, 1, 0, 0, 1, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 7, 3};
  const SearchPattern pattern(Bytes{1, 5, 3});
  EXPECT_EQ(NextCandidate(data.data(), 0, data.size() - 2, pattern), 4u);
  EXPECT_EQ(NextCandidate(data.data(), 5, data.size() - 2, pattern), 20u);
  EXPECT_EQ(NextCandidate(data.data(), 0, 20, pattern), 4u);
  EXPECT_EQ(NextCandidate(data.data(), 5, 20, pattern), 20u);
  const SearchPattern one(Bytes{7});
  EXPECT_EQ(NextCandidate(data.data(), 0, data.size(), one), 21u);
  EXPECT_EQ(NextCandidate(data.data(), 22, data.size(), one), data.size());
}

// Every start, every end and every lane of the vector loops, the widest's
// 128 offsets included, against a byte loop, with and without a choice of
// values at either end.
TEST(NextCandidate, AgreesWithAByteLoopEverywhere) {
  constexpr size_t kLength = 300;
  std::mt19937 rng(99);
  for (int round = 0; round < 24; ++round) {
    const size_t m = rng() % 6;
    Bytes data(kLength + m);
    // Rounds with few candidates, so that whole stretches are skipped.
    const unsigned sparseness = round % 3 == 0 ? 3 : 100;
    for (uint8_t& b : data) {
      b = static_cast<uint8_t>(rng() % sparseness == 0 ? 0xF0 : rng() % 256);
    }
    // Half the rounds let the first and the last place take either of two values.
    const bool choice = round % 2 == 1;
    const uint8_t last = static_cast<uint8_t>(rng() % 2 ? 0xF0 : data[rng() % data.size()]);
    const uint8_t other_first = static_cast<uint8_t>(rng() % 256);
    const uint8_t other_last = data[rng() % data.size()];
    SearchPattern pattern;
    if (choice) {
      pattern.AddEither(Bytes{0xF0}, Bytes{other_first});
      pattern.AddExact(Bytes(m == 0 ? 0 : m - 1, 0xF0));
      if (m > 0) pattern.AddEither(Bytes{last}, Bytes{other_last});
    } else {
      Bytes exact(m + 1, 0xF0);
      exact.back() = last;
      pattern.AddExact(exact);
    }
    auto may_stand = [](uint8_t b, ByteChoice c) { return b == c.one || b == c.other; };
    for (size_t count = 0; count <= kLength; ++count) {
      for (size_t from = 0; from <= count; ++from) {
        size_t expected = from;
        while (expected < count && !(may_stand(data[expected], pattern.At(0)) &&
                                     may_stand(data[expected + m], pattern.At(m)))) {
          ++expected;
        }
        ASSERT_EQ(NextCandidate(data.data(), from, count, pattern), expected)
            << "round " << round << " from " << from << " count " << count;
      }
    }
  }
}

}  // namespace
}  // namespace vx

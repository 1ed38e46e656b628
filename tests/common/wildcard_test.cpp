#include "common/wildcard.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(Wildcard, StarsBacktrackAndQuestionMarksTakeOneCharacter) {
  EXPECT_TRUE(MatchesWildcard(L"*b*c", L"abxbyc"));
  EXPECT_FALSE(MatchesWildcard(L"*b*c", L"abxbyca"));
  EXPECT_TRUE(MatchesWildcard(L"a?c", L"abc"));
  EXPECT_FALSE(MatchesWildcard(L"a?c", L"ac"));
  EXPECT_TRUE(MatchesWildcard(L"DATA*", L"data.bin"));
}

TEST(Wildcard, AFinalDotStarAlsoMatchesNamesWithoutExtension) {
  EXPECT_TRUE(MatchesWildcard(L"*.*", L"README"));
  EXPECT_TRUE(MatchesWildcard(L"read*.*", L"README"));
  EXPECT_FALSE(MatchesWildcard(L"*.*x", L"README"));
  EXPECT_FALSE(HasWildcard(L"plain.txt"));
  EXPECT_TRUE(HasWildcard(L"a?.txt"));
}

}  // namespace
}  // namespace vx

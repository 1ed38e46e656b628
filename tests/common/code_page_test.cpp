#include "common/code_page.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(CodePage, ShiftJisRoundTripsJapaneseText) {
  const std::string bytes = ToShiftJis(L"ＭＳ ゴシック");
  EXPECT_EQ(bytes, "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E");
  EXPECT_EQ(FromShiftJis(bytes), L"ＭＳ ゴシック");
  EXPECT_EQ(FromShiftJis("\xB1"), L"\uFF71");  // half-width katakana
}

TEST(CodePage, UnmappableCharactersAreReplacedNotDropped) {
  EXPECT_EQ(ToShiftJis(L"a\u0100b"), "a?b");
  EXPECT_EQ(FromShiftJis("a\x82").size(), 2u);
}

}  // namespace
}  // namespace vx

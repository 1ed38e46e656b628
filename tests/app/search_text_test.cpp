#include "app/search/search_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "app/search/search_messages.h"

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;

struct Parsed {
  PatternRefusal refusal;
  Bytes bytes;
};

Parsed Parse(std::wstring_view text, SearchTarget target = SearchTarget::Bytes) {
  Parsed p{PatternRefusal::None, {}};
  p.refusal = PatternFromText(text, target, p.bytes);
  return p;
}

Bytes BytesOf(std::wstring_view text) {
  const Parsed p = Parse(text);
  EXPECT_EQ(p.refusal, PatternRefusal::None) << "for the text of " << text.size() << " characters";
  return p.bytes;
}

TEST(PatternFromValues, ReadsHexValuesInAnyCaseAndWidth) {
  EXPECT_EQ(BytesOf(L"4d 5a"), (Bytes{0x4D, 0x5A}));
  EXPECT_EQ(BytesOf(L"4D ５Ａ"), (Bytes{0x4D, 0x5A}));
  EXPECT_EQ(BytesOf(L"ｆｆ　0 a"), (Bytes{0xFF, 0x00, 0x0A}));
  EXPECT_EQ(BytesOf(L"09"), (Bytes{0x09}));
}

TEST(PatternFromValues, EveryLoneBlankMakesAnElementAndAnEmptyOneIsZero) {
  EXPECT_EQ(BytesOf(L"12  34"), (Bytes{0x12, 0x00, 0x34}));
  EXPECT_EQ(BytesOf(L" 4d"), (Bytes{0x00, 0x4D}));
  EXPECT_EQ(BytesOf(L"4d "), (Bytes{0x4D, 0x00}));
  EXPECT_EQ(BytesOf(L" "), (Bytes{0x00, 0x00}));
}

TEST(PatternFromValues, RefusesCharactersOutsideTheRules) {
  for (const wchar_t* text : {L"1g", L"12,34", L"ｇ0", L"12，34", L"4d\t5a", L"0x4d", L"-1"}) {
    EXPECT_EQ(Parse(text).refusal, PatternRefusal::OutsideRules)
        << static_cast<int>(std::wstring(text).size());
  }
  // A bad character anywhere wins over an element that is too long.
  EXPECT_EQ(Parse(L"123 g").refusal, PatternRefusal::OutsideRules);
}

TEST(PatternFromValues, RefusesElementsOfMoreThanTwoDigits) {
  EXPECT_EQ(Parse(L"123").refusal, PatternRefusal::BeyondByte);
  EXPECT_EQ(Parse(L"4D５Ａ").refusal, PatternRefusal::BeyondByte);
  EXPECT_EQ(Parse(L"12 34 100").refusal, PatternRefusal::BeyondByte);
  EXPECT_EQ(Parse(L"001").refusal, PatternRefusal::BeyondByte);
}

TEST(PatternFromText, EmptyTextIsRefusedInBothModes) {
  EXPECT_EQ(Parse(L"", SearchTarget::Bytes).refusal, PatternRefusal::NoData);
  EXPECT_EQ(Parse(L"", SearchTarget::Text).refusal, PatternRefusal::NoData);
}

TEST(PatternFromCharacters, IsTheShiftJisBytesUnchanged) {
  EXPECT_EQ(Parse(L"MZ", SearchTarget::Text).bytes, (Bytes{0x4D, 0x5A}));
  EXPECT_EQ(Parse(L"検索 Ab", SearchTarget::Text).bytes,
            (Bytes{0x8C, 0x9F, 0x8D, 0xF5, 0x20, 0x41, 0x62}));
  // No narrowing or folding in this mode: a full-width A stays double-byte.
  EXPECT_EQ(Parse(L"Ａ", SearchTarget::Text).bytes, (Bytes{0x82, 0x60}));
  EXPECT_EQ(Parse(L"12  g", SearchTarget::Text).refusal, PatternRefusal::None);
}

TEST(SearchMessages, NameEachRefusalAndFailure) {
  EXPECT_STREQ(RefusalMessage(PatternRefusal::OutsideRules), L"規定外の文字が含まれています。");
  EXPECT_STREQ(RefusalMessage(PatternRefusal::NoData), L"データが含まれていません。");
  EXPECT_STREQ(RefusalMessage(PatternRefusal::BeyondByte),
               L"バイト型（０－２５５）の範囲を超えています。");
  EXPECT_EQ(RefusalMessage(PatternRefusal::None), nullptr);
}

// Texts are built from elements whose meaning is known, each character drawn
// in a random case and width, and the expected result follows from what was
// put in.
class RandomSearchText {
 public:
  explicit RandomSearchText(unsigned seed) : rng_(seed) {}

  struct Case {
    std::wstring text;
    PatternRefusal refusal = PatternRefusal::None;
    Bytes bytes;
  };

  Case Make() {
    Case c;
    bool bad = false;
    bool too_long = false;
    const int elements = Pick(1, 6);
    for (int e = 0; e < elements; ++e) {
      if (e > 0) c.text += Pick(0, 3) == 0 ? L'　' : L' ';
      const int kind = Pick(0, 9);
      const int digits = kind == 0 ? 0 : kind == 9 ? Pick(3, 4) : Pick(1, 2);
      int value = 0;
      for (int d = 0; d < digits; ++d) {
        const int digit = Pick(0, 15);
        value = value * 16 + digit;
        c.text += Spell(digit);
      }
      if (Pick(0, 19) == 0) {
        c.text.insert(c.text.begin() + Pick(0, static_cast<int>(c.text.size())), BadChar());
        bad = true;
      }
      too_long = too_long || digits > 2;
      c.bytes.push_back(static_cast<uint8_t>(value));
    }
    c.refusal = bad              ? PatternRefusal::OutsideRules
                : c.text.empty() ? PatternRefusal::NoData
                : too_long       ? PatternRefusal::BeyondByte
                                 : PatternRefusal::None;
    if (c.refusal != PatternRefusal::None) c.bytes.clear();
    return c;
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

  wchar_t Spell(int digit) {
    const wchar_t narrow = digit < 10
                               ? static_cast<wchar_t>(L'0' + digit)
                               : static_cast<wchar_t>((Pick(0, 1) ? L'a' : L'A') + digit - 10);
    return Pick(0, 2) == 0 ? static_cast<wchar_t>(narrow - 0x21 + 0xFF01) : narrow;
  }

  wchar_t BadChar() {
    static constexpr wchar_t kBad[] = L"gGｇ,，x-.\tあ";
    return kBad[Pick(0, static_cast<int>(std::size(kBad)) - 2)];
  }

  std::mt19937 rng_;
};

TEST(PatternFromValues, RandomTextsGiveTheValuesTheyWereMadeOf) {
  for (unsigned seed : {1u, 2u, 3u}) {
    RandomSearchText make(seed);
    for (int n = 0; n < 400; ++n) {
      const RandomSearchText::Case c = make.Make();
      const Parsed p = Parse(c.text);
      ASSERT_EQ(p.refusal, c.refusal) << "seed " << seed << " case " << n;
      if (c.refusal == PatternRefusal::None) {
        ASSERT_EQ(p.bytes, c.bytes) << "seed " << seed << " case " << n;
      }
    }
  }
}

}  // namespace
}  // namespace vx

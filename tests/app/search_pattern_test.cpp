#include "app/search/search_pattern.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>
#include <utility>

#include "common/text_encoding.h"

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr wchar_t kOutsideRules[] = L"規定外の文字が含まれています。";
constexpr wchar_t kNoData[] = L"データが含まれていません。";
constexpr wchar_t kBeyondByte[] = L"バイト型（０－２５５）の範囲を超えています。";

// A parse's bytes, or its message.
struct Parsed {
  std::optional<std::wstring> message;
  Bytes bytes;
};

Parsed Parse(std::wstring_view text, const PatternOptions& options = {}) {
  SearchPattern pattern;
  Parsed p{ParsePattern(text, options, pattern), {}};
  p.bytes.assign(pattern.bytes().begin(), pattern.bytes().end());
  return p;
}

Bytes BytesOf(std::wstring_view text) {
  const Parsed p = Parse(text);
  EXPECT_EQ(p.message, std::nullopt) << "for the text of " << text.size() << " characters";
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
    EXPECT_EQ(Parse(text).message, kOutsideRules) << static_cast<int>(std::wstring(text).size());
  }
  // A bad character anywhere wins over an element that is too long.
  EXPECT_EQ(Parse(L"123 g").message, kOutsideRules);
}

TEST(PatternFromValues, RefusesElementsOfMoreThanTwoDigits) {
  for (const wchar_t* text : {L"123", L"4D５Ａ", L"12 34 100", L"001"}) {
    EXPECT_EQ(Parse(text).message, kBeyondByte);
  }
}

TEST(PatternFromText, EmptyTextIsRefusedInEveryKind) {
  for (const SearchKind kind :
       {SearchKind::Bytes, SearchKind::Text, SearchKind::Utf8, SearchKind::Utf16Le,
        SearchKind::Utf16Be, SearchKind::Integer, SearchKind::Float}) {
    EXPECT_EQ(Parse(L"", {.kind = kind}).message, kNoData) << static_cast<int>(kind);
  }
}

TEST(PatternFromCharacters, IsTheShiftJisBytesUnchanged) {
  EXPECT_EQ(Parse(L"MZ", {.kind = SearchKind::Text}).bytes, (Bytes{0x4D, 0x5A}));
  EXPECT_EQ(Parse(L"検索 Ab", {.kind = SearchKind::Text}).bytes,
            (Bytes{0x8C, 0x9F, 0x8D, 0xF5, 0x20, 0x41, 0x62}));
  // No narrowing or folding in this mode: a full-width A stays double-byte.
  EXPECT_EQ(Parse(L"Ａ", {.kind = SearchKind::Text}).bytes, (Bytes{0x82, 0x60}));
  EXPECT_EQ(Parse(L"12  g", {.kind = SearchKind::Text}).message, std::nullopt);
}

// A number's bytes for each width and byte order, or its refusal.
struct NumberCase {
  const wchar_t* text;
  int width;
  bool big_endian;
  Bytes bytes;  // empty: refused with `message`
  std::wstring message = L"";
};

const std::wstring kNotInteger =
    L"整数として読めません。10進数か、0x で始まる16進数で入力してください。";
const std::wstring kNotFloat =
    L"浮動小数点数として読めません。1.5 や -2.5e10 のように入力してください。";

void CheckNumbers(SearchKind kind, std::initializer_list<NumberCase> cases) {
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "text of " << std::wstring(c.text).size() << " characters, width " << c.width
                 << (c.big_endian ? " big" : " little") << "-endian");
    const Parsed p = Parse(c.text, {.kind = kind, .width = c.width, .big_endian = c.big_endian});
    if (c.bytes.empty()) {
      EXPECT_EQ(p.message, c.message);
    } else {
      EXPECT_EQ(p.message, std::nullopt);
      EXPECT_EQ(p.bytes, c.bytes);
    }
  }
}

TEST(PatternFromNumbers, IntegersTakeSignedOrUnsignedValuesOfTheirWidth) {
  const std::wstring range1 = L"1バイトの整数は -128 から 255 までです。";
  const std::wstring range2 = L"2バイトの整数は -32768 から 65535 までです。";
  const std::wstring range4 = L"4バイトの整数は -2147483648 から 4294967295 までです。";
  const std::wstring range8 =
      L"8バイトの整数は -9223372036854775808 から 18446744073709551615 までです。";
  CheckNumbers(SearchKind::Integer,
               {
                   {L"0", 1, false, {0x00}},
                   {L"255", 1, false, {0xFF}},
                   {L"-128", 1, true, {0x80}},
                   {L"256", 1, false, {}, range1},
                   {L"-129", 1, false, {}, range1},
                   {L"-1", 2, false, {0xFF, 0xFF}},
                   {L"65535", 2, true, {0xFF, 0xFF}},
                   {L"-32768", 2, true, {0x80, 0x00}},
                   {L"-32768", 2, false, {0x00, 0x80}},
                   {L"65536", 2, false, {}, range2},
                   {L"-32769", 2, true, {}, range2},
                   {L"0x12345678", 4, false, {0x78, 0x56, 0x34, 0x12}},
                   {L"0x12345678", 4, true, {0x12, 0x34, 0x56, 0x78}},
                   {L"4294967295", 4, false, {0xFF, 0xFF, 0xFF, 0xFF}},
                   {L"-2147483648", 4, false, {0x00, 0x00, 0x00, 0x80}},
                   {L"4294967296", 4, false, {}, range4},
                   {L"-2147483649", 4, true, {}, range4},
                   {L"18446744073709551615", 8, false, Bytes(8, 0xFF)},
                   {L"-9223372036854775808", 8, true, {0x80, 0, 0, 0, 0, 0, 0, 0}},
                   {L"0x0102030405060708", 8, false, {8, 7, 6, 5, 4, 3, 2, 1}},
                   {L"18446744073709551616", 8, false, {}, range8},
                   {L"-9223372036854775809", 8, false, {}, range8},
                   {L"99999999999999999999999", 8, false, {}, range8},
                   {L"0x10000000000000000", 8, false, {}, range8},
                   // Signs, blanks around, full width, either case of the hex mark.
                   {L"-0", 4, false, {0, 0, 0, 0}},
                   {L"+7", 1, false, {0x07}},
                   {L"　１２３ ", 1, false, {0x7B}},
                   {L"0X1f", 1, false, {0x1F}},
                   {L"－0x80", 1, false, {0x80}},
                   {L"   ", 4, false, {}, kNoData},
                   {L"1.5", 4, false, {}, kNotInteger},
                   {L"12a", 4, false, {}, kNotInteger},
                   {L"0x", 4, false, {}, kNotInteger},
                   {L"0xg1", 4, false, {}, kNotInteger},
                   {L"--1", 4, false, {}, kNotInteger},
                   {L"1 2", 4, false, {}, kNotInteger},
                   {L"-", 4, false, {}, kNotInteger},
                   {L"1,000", 4, false, {}, kNotInteger},
                   {L"七", 4, false, {}, kNotInteger},
               });
}

TEST(PatternFromNumbers, FloatsRoundOnceToTheirWidthAndRefuseWhatRoundsToInfinity) {
  const std::wstring range4 =
      L"4バイトの浮動小数点数は -3.4028235e+38 から 3.4028235e+38 までです。";
  const std::wstring range8 =
      L"8バイトの浮動小数点数は -1.7976931348623157e+308 から 1.7976931348623157e+308 までです。";
  const std::wstring nan = L"NaN は決まったバイト列を持たないため検索できません。";
  CheckNumbers(SearchKind::Float,
               {
                   {L"1.5", 4, false, {0x00, 0x00, 0xC0, 0x3F}},
                   {L"1.5", 4, true, {0x3F, 0xC0, 0x00, 0x00}},
                   {L"0.1", 4, false, {0xCD, 0xCC, 0xCC, 0x3D}},
                   {L"0.1", 8, false, {0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xB9, 0x3F}},
                   {L"-2", 8, true, {0xC0, 0, 0, 0, 0, 0, 0, 0}},
                   {L"0", 4, false, {0, 0, 0, 0}},
                   {L"-0", 4, false, {0, 0, 0, 0x80}},
                   {L"-0.0", 8, true, {0x80, 0, 0, 0, 0, 0, 0, 0}},
                   {L"3.4028235e38", 4, false, {0xFF, 0xFF, 0x7F, 0x7F}},
                   {L"3.5e38", 4, false, {}, range4},
                   {L"-1e39", 4, true, {}, range4},
                   {L"1e308", 8, false, {0xA0, 0xC8, 0xEB, 0x85, 0xF3, 0xCC, 0xE1, 0x7F}},
                   {L"1e309", 8, false, {}, range8},
                   {L"3.5e38", 8, false, {0x7B, 0xCD, 0xD3, 0xC4, 0xF8, 0x74, 0xF0, 0x47}},
                   // Just above the half-way point between 1 and the next float: rounded
                   // through a double first it would fall on the half-way point and go
                   // down to 1.
                   {L"1.000000059604644775390625001", 4, false, {0x01, 0x00, 0x80, 0x3F}},
                   // Below the smallest float: the nearest is zero or the least denormal.
                   {L"1e-50", 4, false, {0, 0, 0, 0}},
                   {L"1.4e-45", 4, false, {0x01, 0, 0, 0}},
                   {L"inf", 4, false, {0x00, 0x00, 0x80, 0x7F}},
                   {L"-Infinity", 8, false, {0, 0, 0, 0, 0, 0, 0xF0, 0xFF}},
                   {L"nan", 4, false, {}, nan},
                   {L"-NaN", 8, false, {}, nan},
                   {L"１．５", 4, false, {0x00, 0x00, 0xC0, 0x3F}},
                   {L".5", 4, false, {0x00, 0x00, 0x00, 0x3F}},
                   {L"5.", 4, false, {0x00, 0x00, 0xA0, 0x40}},
                   {L" 2.5e+1 ", 4, true, {0x41, 0xC8, 0x00, 0x00}},
                   {L"　", 4, false, {}, kNoData},
                   {L"1e", 4, false, {}, kNotFloat},
                   {L"e5", 4, false, {}, kNotFloat},
                   {L".", 4, false, {}, kNotFloat},
                   {L"0x10", 4, false, {}, kNotFloat},
                   {L"1,5", 4, false, {}, kNotFloat},
                   {L"1.5.2", 4, false, {}, kNotFloat},
                   {L"infinite", 4, false, {}, kNotFloat},
               });
}

TEST(PatternFromCharacters, EachKindEncodesItsWayOrNamesTheCharacterItCannotHold) {
  struct Case {
    SearchKind kind;
    std::wstring text;
    Bytes bytes;
    std::wstring message = L"";
  };
  const std::wstring lone(1, static_cast<wchar_t>(0xDC00));
  const Case cases[] = {
      {SearchKind::Utf8, L"検a", {0xE6, 0xA4, 0x9C, 0x61}},
      {SearchKind::Utf16Le, L"Ab", {0x41, 0x00, 0x62, 0x00}},
      {SearchKind::Utf16Be, L"Ab", {0x00, 0x41, 0x00, 0x62}},
      {SearchKind::Utf16Le, L"\U0001F600", {0x3D, 0xD8, 0x00, 0xDE}},
      {SearchKind::Text, L"caf\u00E9", {}, L"「\u00E9」は Shift-JIS で表せない文字です。"},
      {SearchKind::Utf8, L"x" + lone, {}, L"「" + lone + L"」は UTF-8 で表せない文字です。"},
      {SearchKind::Utf16Be,
       lone,
       {},
       L"「" + lone + L"」は UTF-16 ビッグエンディアン で表せない文字です。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(c.kind));
    const Parsed p = Parse(c.text, {.kind = c.kind});
    if (c.bytes.empty()) {
      EXPECT_EQ(p.message, c.message);
    } else {
      EXPECT_EQ(p.message, std::nullopt);
      EXPECT_EQ(p.bytes, c.bytes);
    }
  }
}

// Ignoring case, a letter matches its other case whole: in UTF-8 the bytes
// of Ａ (EF BC A1) and ａ (EF BD 81) never mix into ！ (EF BC 81) or ｡ (EF BD A1).
TEST(PatternFromCharacters, IgnoringCaseMatchesEitherCaseOfEachLetterAndNothingElse) {
  struct Case {
    SearchKind kind;
    TextEncoding encoding;
    std::wstring text;
    std::vector<std::wstring> matching;
    std::vector<std::wstring> other;
  };
  const Case cases[] = {
      {SearchKind::Utf8, TextEncoding::Utf8, L"Ａ", {L"Ａ", L"ａ"}, {L"！", L"｡", L"Ｂ"}},
      {SearchKind::Utf8, TextEncoding::Utf8, L"x1Ｂy", {L"X1ｂY", L"x1Ｂy"}, {L"x2Ｂy", L"x1Ｂz"}},
      {SearchKind::Text,
       TextEncoding::ShiftJis,
       L"ａ検z",
       {L"Ａ検Z", L"ａ検z"},
       {L"ａ検[", L"Ａ験z"}},
      {SearchKind::Utf16Le, TextEncoding::Utf16Le, L"Mz", {L"mZ", L"MZ"}, {L"m[", L"-z"}},
      {SearchKind::Utf16Be, TextEncoding::Utf16Be, L"ｑ@", {L"Ｑ@", L"ｑ@"}, {L"ｑ`", L"Q@"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(c.kind));
    SearchPattern pattern;
    ASSERT_EQ(ParsePattern(c.text, {.kind = c.kind, .ignore_case = true}, pattern), std::nullopt);
    EXPECT_FALSE(pattern.exact());
    for (const auto& [texts, expected] : {std::pair(c.matching, true), std::pair(c.other, false)}) {
      for (const std::wstring& text : texts) {
        const std::string bytes = EncodeText(text, c.encoding).value();
        ASSERT_EQ(bytes.size(), pattern.length());
        EXPECT_EQ(pattern.Matches(reinterpret_cast<const uint8_t*>(bytes.data())), expected)
            << "text of " << text.size() << " characters";
      }
    }
  }
  // Without letters the pattern stays exact.
  SearchPattern digits;
  ASSERT_EQ(ParsePattern(L"12", {.kind = SearchKind::Utf8, .ignore_case = true}, digits),
            std::nullopt);
  EXPECT_TRUE(digits.exact());
}

TEST(ReplacementFromText, IsExactBytesOfTheKindAndMayBeEmpty) {
  for (const SearchKind kind : {SearchKind::Bytes, SearchKind::Text, SearchKind::Utf16Be,
                                SearchKind::Integer, SearchKind::Float}) {
    Bytes replacement{1};
    EXPECT_EQ(ParseReplacement(L"", {.kind = kind}, replacement), std::nullopt);
    EXPECT_TRUE(replacement.empty()) << static_cast<int>(kind);
  }
  Bytes replacement;
  EXPECT_EQ(ParseReplacement(L"12  34", {}, replacement), std::nullopt);
  EXPECT_EQ(replacement, (Bytes{0x12, 0x00, 0x34}));
  EXPECT_EQ(
      ParseReplacement(L"aB", {.kind = SearchKind::Utf16Le, .ignore_case = true}, replacement),
      std::nullopt);
  EXPECT_EQ(replacement, (Bytes{0x61, 0x00, 0x42, 0x00}));
  EXPECT_EQ(ParseReplacement(L"-1", {.kind = SearchKind::Integer, .width = 2, .big_endian = true},
                             replacement),
            std::nullopt);
  EXPECT_EQ(replacement, (Bytes{0xFF, 0xFF}));
  // Refused as a pattern is, and then left as it was.
  EXPECT_EQ(ParseReplacement(L"300", {.kind = SearchKind::Integer, .width = 1}, replacement),
            L"1バイトの整数は -128 から 255 までです。");
  EXPECT_EQ(ParseReplacement(L"1g", {}, replacement), kOutsideRules);
  EXPECT_EQ(replacement, (Bytes{0xFF, 0xFF}));
}

// Texts are built from elements whose meaning is known, each character drawn
// in a random case and width, and the expected result follows from what was
// put in.
class RandomSearchText {
 public:
  explicit RandomSearchText(unsigned seed) : rng_(seed) {}

  struct Case {
    std::wstring text;
    std::optional<std::wstring> message;
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
    if (bad) {
      c.message = kOutsideRules;
    } else if (c.text.empty()) {
      c.message = kNoData;
    } else if (too_long) {
      c.message = kBeyondByte;
    }
    if (c.message) c.bytes.clear();
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
      ASSERT_EQ(p.message, c.message) << "seed " << seed << " case " << n;
      if (!c.message) {
        ASSERT_EQ(p.bytes, c.bytes) << "seed " << seed << " case " << n;
      }
    }
  }
}

}  // namespace
}  // namespace vx

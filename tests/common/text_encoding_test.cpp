#include "common/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace vx {
namespace {

// A literal's bytes, zeros included.
template <size_t N>
std::string B(const char (&bytes)[N]) {
  return std::string(bytes, N - 1);
}

struct EncodingCase {
  TextEncoding encoding;
  std::wstring text;
  std::string bytes;
};

// Both hosts of the tests read the system's ANSI page as 932: the native
// build by its own rule, Wine by the prefix's Japanese locale.
const EncodingCase kRoundTrips[] = {
    {TextEncoding::ShiftJis, L"検索 Ab", "\x8C\x9F\x8D\xF5 Ab"},
    {TextEncoding::ShiftJis, L"\uFF71Ａ", "\xB1\x82\x60"},  // half-width katakana, full-width A
    {TextEncoding::SystemAnsi, L"検索", "\x8C\x9F\x8D\xF5"},
    {TextEncoding::Windows1252, L"café €", "caf\xE9 \x80"},
    {TextEncoding::EucJp, L"検索a",
     "\xB8\xA1\xBA\xF7"
     "a"},
    {TextEncoding::EucJp, L"\uFF71", "\x8E\xB1"},
    {TextEncoding::Utf8, L"検a",
     "\xE6\xA4\x9C"
     "a"},
    {TextEncoding::Utf8, L"\U0001F600", "\xF0\x9F\x98\x80"},
    {TextEncoding::Utf16Le, L"検A", B("\x1C\x69\x41\x00")},
    {TextEncoding::Utf16Le, L"\U0001F600", B("\x3D\xD8\x00\xDE")},
    {TextEncoding::Utf16Be, L"検A", B("\x69\x1C\x00\x41")},
    {TextEncoding::Utf16Be, L"\U0001F600", B("\xD8\x3D\xDE\x00")},
};

TEST(TextEncoding, EncodesAndDecodesEachEncodingBothWays) {
  for (const EncodingCase& c : kRoundTrips) {
    SCOPED_TRACE(testing::Message() << "encoding " << static_cast<int>(c.encoding));
    EXPECT_EQ(EncodeText(c.text, c.encoding), c.bytes);
    EXPECT_EQ(DecodeText(c.bytes, c.encoding), c.text);
  }
}

TEST(TextEncoding, RefusesCharactersWithoutAFormInsteadOfALookAlike) {
  const std::wstring lone_surrogate(1, static_cast<wchar_t>(0xD800));
  const EncodingCase kRefused[] = {
      // é would become e by the system's best fit, 한 "?".
      {TextEncoding::ShiftJis, L"caf\u00E9", ""},
      {TextEncoding::ShiftJis, L"a\uD55C", ""},
      {TextEncoding::SystemAnsi, L"\u00E9", ""},
      {TextEncoding::Windows1252, L"a検", ""},
      {TextEncoding::EucJp, L"\uD55C", ""},
      {TextEncoding::Utf8, L"a" + lone_surrogate, ""},
      {TextEncoding::Utf16Le, lone_surrogate + L"a", ""},
      {TextEncoding::Utf16Be, L"a" + lone_surrogate, ""},
  };
  for (const EncodingCase& c : kRefused) {
    EXPECT_EQ(EncodeText(c.text, c.encoding), std::nullopt)
        << "encoding " << static_cast<int>(c.encoding);
  }
}

TEST(TextEncoding, BytesFormingNoCharacterAreReplacedNotDropped) {
  EXPECT_EQ(DecodeText("a\xFF"
                       "b",
                       TextEncoding::Utf8),
            L"a\uFFFDb");
  EXPECT_EQ(DecodeText("a\x82", TextEncoding::ShiftJis).size(), 2u);
  EXPECT_EQ(DecodeText(B("\x41\x00\x42"), TextEncoding::Utf16Le), L"A\uFFFD");
  EXPECT_EQ(DecodeText(B("\xDC\x00\x00\x41"), TextEncoding::Utf16Be), L"\uFFFDA");
  EXPECT_EQ(EncodeText(L"", TextEncoding::Utf16Be), "");
}

TEST(TextEncoding, TheTableNamesEveryEncodingWithItsCodePage) {
  ASSERT_EQ(TextEncodings().size(), 7u);
  EXPECT_STREQ(EncodingEntry(TextEncoding::SystemAnsi).name, L"システムの既定 (ANSI)");
  EXPECT_STREQ(EncodingEntry(TextEncoding::Utf16Be).name, L"UTF-16 ビッグエンディアン");
  EXPECT_EQ(EncodingEntry(TextEncoding::EucJp).code_page, 20932u);
  EXPECT_EQ(EncodingEntry(TextEncoding::Utf8).code_page, 65001u);
}

}  // namespace
}  // namespace vx

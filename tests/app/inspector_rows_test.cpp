#include "app/inspect/inspector_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/inspect/inspector_texts.h"

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;
using R = InspectorRow;
constexpr ByteOrder L = ByteOrder::Little;
constexpr ByteOrder B = ByteOrder::Big;
namespace t = inspector_texts;

struct ShownCase {
  R row;
  Bytes bytes;
  ByteOrder order;
  std::wstring shown;
};

TEST(InspectorRows, ShowTheBytesAtTheCaretInEitherOrder) {
  const std::vector<ShownCase> cases{
      {R::Signed8, {0x80}, L, L"-128"},
      {R::Signed8, {0x7F}, B, L"127"},
      {R::Unsigned8, {0xFF}, L, L"255"},
      {R::Signed16, {0x00, 0x80}, L, L"-32768"},
      {R::Signed16, {0x00, 0x80}, B, L"128"},
      {R::Unsigned16, {0x34, 0x12}, L, L"4660"},
      {R::Unsigned16, {0x34, 0x12}, B, L"13330"},
      {R::Signed32, {0xFF, 0xFF, 0xFF, 0x7F}, L, L"2147483647"},
      {R::Signed32, {0xFF, 0xFF, 0xFF, 0x7F}, B, L"-129"},
      {R::Unsigned32, {0x01, 0, 0, 0}, B, L"16777216"},
      {R::Signed64, {0, 0, 0, 0, 0, 0, 0, 0x80}, L, L"-9223372036854775808"},
      {R::Unsigned64, Bytes(8, 0xFF), B, L"18446744073709551615"},
      {R::Float32, {0, 0, 0x80, 0x3F}, L, L"1"},
      {R::Float32, {0x3F, 0x80, 0, 0}, B, L"1"},
      {R::Float32, {0, 0, 0, 0x80}, L, L"-0"},
      {R::Float32, {0, 0, 0x80, 0x7F}, L, L"inf"},
      {R::Float32, {0xFF, 0x80, 0, 0}, B, L"-inf"},
      {R::Float32, {0, 0, 0xC0, 0x7F}, L, L"nan"},
      {R::Float32, {0xFF, 0xFF, 0x7F, 0x7F}, L, L"3.4028235e+38"},
      {R::Float32, {0x01, 0, 0, 0}, L, L"1e-45"},
      {R::Float64, {0, 0, 0, 0, 0, 0, 0xF0, 0x3F}, L, L"1"},
      {R::Float64, {0x40, 0x09, 0x21, 0xFB, 0x54, 0x44, 0x2D, 0x18}, B, L"3.141592653589793"},
      {R::Float64, {0x80, 0, 0, 0, 0, 0, 0, 0}, B, L"-0"},
      {R::Float64, {0xFF, 0xF8, 0, 0, 0, 0, 0, 1}, B, L"nan"},
      {R::Binary, {0xA5}, L, L"10100101"},
      {R::Octal, {0xFF}, L, L"377"},
      {R::Octal, {0x08}, B, L"010"},
      // Unix times: the epoch, a second before it, both ends of 32 bits, past 2038.
      {R::UnixTime32, {0, 0, 0, 0}, L, L"1970-01-01 00:00:00 UTC"},
      {R::UnixTime32, {0xFF, 0xFF, 0xFF, 0xFF}, L, L"1969-12-31 23:59:59 UTC"},
      {R::UnixTime32, {0xFF, 0xFF, 0xFF, 0x7F}, L, L"2038-01-19 03:14:07 UTC"},
      {R::UnixTime32, {0x80, 0, 0, 0}, B, L"1901-12-13 20:45:52 UTC"},
      {R::UnixTime64, {0, 0, 0, 0, 1, 0, 0, 0}, L, L"2106-02-07 06:28:16 UTC"},
      // 64 bits: the first and last second with a four-digit year, and beyond.
      {R::UnixTime64,
       {0xFF, 0xFF, 0xFF, 0xF1, 0x88, 0x6E, 0x09, 0x00},
       B,
       L"0001-01-01 00:00:00 UTC"},
      {R::UnixTime64, {0xFF, 0xFF, 0xFF, 0xF1, 0x88, 0x6E, 0x08, 0xFF}, B, t::kNoDate},
      {R::UnixTime64, {0x7F, 0x41, 0xF4, 0xFF, 0x3A, 0, 0, 0}, L, L"9999-12-31 23:59:59 UTC"},
      {R::UnixTime64, {0x80, 0x41, 0xF4, 0xFF, 0x3A, 0, 0, 0}, L, t::kNoDate},
      {R::UnixTime64, {0x80, 0, 0, 0, 0, 0, 0, 0}, B, t::kNoDate},
      {R::FileTime,
       {0x00, 0x80, 0x3E, 0xD5, 0xDE, 0xB1, 0x9D, 0x01},
       L,
       L"1970-01-01 00:00:00 UTC"},
      {R::FileTime, Bytes(8, 0), B, L"1601-01-01 00:00:00 UTC"},
      {R::FileTime, {0, 0, 0, 0, 0, 0, 0, 1}, B, L"1601-01-01 00:00:00.0000001 UTC"},
      {R::FileTime, Bytes(8, 0xFF), L, t::kNoDate},
      // MS-DOS: time in the low word, date in the high word; impossible ones refused.
      {R::DosDateTime, {0xC5, 0x63, 0x21, 0x5A}, L, L"2025-01-01 12:30:10"},
      {R::DosDateTime, {0x5A, 0x21, 0x63, 0xC5}, B, L"2025-01-01 12:30:10"},
      {R::DosDateTime, {0, 0, 0, 0}, L, t::kNoDate},
      {R::DosDateTime, {0x00, 0x00, 0x5E, 0x00}, L, t::kNoDate},  // 30 February
      {R::DosDateTime, {0x00, 0xC0, 0x21, 0x00}, L, t::kNoDate},  // 24 o'clock
      // Rows whose bytes pass the end of the file.
      {R::Signed32, {1, 2, 3}, L, t::kPastEnd},
      {R::Float64, {}, B, t::kPastEnd},
      {R::Unsigned8, {}, L, t::kPastEnd},
      {R::Utf16Character, {0x41}, L, t::kPastEnd},
      // Characters.
      {R::Utf8Character, {0xE3, 0x81, 0x82}, L, L"\u3042 (U+3042)"},
      {R::Utf8Character, {0x0A}, L, L"(U+000A)"},
      {R::Utf8Character, {0xC0, 0x80}, L, t::kNoCharacter},        // overlong
      {R::Utf8Character, {0xE3, 0x81}, L, t::kNoCharacter},        // cut short
      {R::Utf8Character, {0xED, 0xA0, 0x80}, L, t::kNoCharacter},  // a surrogate
      {R::Utf8Character, {0x81}, L, t::kNoCharacter},
      {R::Utf16Character, {0x42, 0x30}, L, L"\u3042 (U+3042)"},
      {R::Utf16Character, {0x30, 0x42}, B, L"\u3042 (U+3042)"},
      {R::Utf16Character, {0x00, 0xDC}, L, t::kNoCharacter},
      {R::Utf16Character, {0x3D, 0xD8}, L, t::kNoCharacter},
      {R::ColumnCharacter, {0x82, 0xA0}, L, L"\u3042 (U+3042)"},
      {R::ColumnCharacter, {0x41, 0x82}, B, L"A (U+0041)"},
      {R::ColumnCharacter, {0x82, 0x20}, L, t::kNoCharacter},
      {R::ColumnCharacter, {0x82}, L, t::kNoCharacter},
  };
  const CharacterCodec column = CharactersOf(TextEncoding::ShiftJis);
  for (const ShownCase& c : cases) {
    EXPECT_EQ(RowText(c.row, c.bytes, c.order, column), c.shown)
        << RowLabel(c.row) << (c.order == L ? L" little" : L" big");
  }
}

TEST(InspectorRows, CharactersBeyondTheBasicPlaneAreOneCharacter) {
  const CharacterCodec column = CharactersOf(TextEncoding::ShiftJis);
  const std::wstring smile = std::wstring(L"\U0001F600") + L" (U+1F600)";
  EXPECT_EQ(RowText(R::Utf8Character, Bytes{0xF0, 0x9F, 0x98, 0x80}, L, column), smile);
  EXPECT_EQ(RowText(R::Utf16Character, Bytes{0x3D, 0xD8, 0x00, 0xDE}, L, column), smile);
  EXPECT_EQ(RowText(R::Utf16Character, Bytes{0xD8, 0x3D, 0xDE, 0x00}, B, column), smile);
  EXPECT_EQ(ParseRowValue(R::Utf16Character, L"\U0001F600", B, column).bytes,
            (Bytes{0xD8, 0x3D, 0xDE, 0x00}));
  EXPECT_EQ(ParseRowValue(R::Utf8Character, L"\U0001F600", L, column).bytes,
            (Bytes{0xF0, 0x9F, 0x98, 0x80}));
}

struct TypedCase {
  R row;
  std::wstring typed;
  ByteOrder order;
  Bytes bytes;             // empty: refused
  std::wstring refusal{};  // a part of the refusal that names the range
};

TEST(InspectorRows, TypedValuesBecomeBytesOrAreRefusedNamingTheRange) {
  const std::vector<TypedCase> cases{
      {R::Signed8, L"-128", L, {0x80}},
      {R::Signed8, L"128", L, {}, L"-128 から 127 まで"},
      {R::Signed8, L"abc", L, {}, L"-128 から 127 まで"},
      {R::Unsigned8, L"-1", L, {}, L"0 から 255 まで"},
      {R::Unsigned8, L" 255 ", L, {0xFF}},
      {R::Signed16, L"-2", B, {0xFF, 0xFE}},
      {R::Unsigned16, L"0x1234", B, {0x12, 0x34}},
      {R::Unsigned16, L"65536", B, {}, L"0 から 65535 まで"},
      {R::Unsigned32, L"4294967295", B, {0xFF, 0xFF, 0xFF, 0xFF}},
      {R::Signed32, L"+7", B, {0, 0, 0, 7}},
      {R::Signed32, L"1.5", B, {}, L"-2147483648 から 2147483647 まで"},
      {R::Signed64, L"-9223372036854775808", L, {0, 0, 0, 0, 0, 0, 0, 0x80}},
      {R::Signed64, L"9223372036854775808", L, {}, L"-9223372036854775808 から"},
      {R::Unsigned64, L"18446744073709551616", L, {}, L"0 から 18446744073709551615 まで"},
      {R::Unsigned64, L"１２", L, {}, L"0 から 18446744073709551615 まで"},
      {R::Float32, L"1.5", L, {0, 0, 0xC0, 0x3F}},
      {R::Float32, L"-0", B, {0x80, 0, 0, 0}},
      {R::Float32, L"inf", L, {0, 0, 0x80, 0x7F}},
      {R::Float32, L"-inf", B, {0xFF, 0x80, 0, 0}},
      {R::Float32, L"1e39", L, {}, L"-3.4028235e+38 から 3.4028235e+38 まで"},
      {R::Float32, L"one", L, {}, L"3.4028235e+38"},
      {R::Float64, L"3.141592653589793", B, {0x40, 0x09, 0x21, 0xFB, 0x54, 0x44, 0x2D, 0x18}},
      {R::Float64, L"1e309", B, {}, L"1.7976931348623157e+308 まで"},
      {R::Binary, L"101", L, {5}},
      {R::Binary, L"100000000", L, {}, L"0 から 11111111 まで"},
      {R::Binary, L"2", L, {}, L"0 から 11111111 まで"},
      {R::Octal, L"377", L, {0xFF}},
      {R::Octal, L"400", L, {}, L"0 から 377 まで"},
      {R::UnixTime32, L"2038-01-19 03:14:07 UTC", L, {0xFF, 0xFF, 0xFF, 0x7F}},
      {R::UnixTime32, L"1969-12-31 23:59:59", B, {0xFF, 0xFF, 0xFF, 0xFF}},
      {R::UnixTime32,
       L"2038-01-19 03:14:08",
       L,
       {},
       L"1901-12-13 20:45:52 から 2038-01-19 03:14:07 まで"},
      {R::UnixTime64, L"2106-02-07 06:28:16", L, {0, 0, 0, 0, 1, 0, 0, 0}},
      {R::UnixTime64, L"1900/01/01", B, {0xFF, 0xFF, 0xFF, 0xFF, 0x7C, 0x55, 0x81, 0x80}},
      {R::UnixTime64, L"2024-02-30", L, {}, L"0001-01-01 00:00:00 から 9999-12-31 23:59:59"},
      {R::UnixTime64, L"2024-02-29 24:00:00", L, {}, L"9999-12-31 23:59:59"},
      {R::FileTime, L"1601-01-01 00:00:00.0000001", B, {0, 0, 0, 0, 0, 0, 0, 1}},
      {R::FileTime, L"1970-01-01", L, {0x00, 0x80, 0x3E, 0xD5, 0xDE, 0xB1, 0x9D, 0x01}},
      {R::FileTime, L"1600-12-31 23:59:59", L, {}, L"1601-01-01 00:00:00 から"},
      // MS-DOS keeps seconds in steps of two: an odd second goes down.
      {R::DosDateTime, L"2025-01-01 12:30:11", L, {0xC5, 0x63, 0x21, 0x5A}},
      {R::DosDateTime,
       L"1979-12-31 23:59:59",
       L,
       {},
       L"1980-01-01 00:00:00 から 2107-12-31 23:59:59 まで"},
      {R::Utf8Character, L"\u3042", L, {0xE3, 0x81, 0x82}},
      {R::Utf8Character, L"ab", L, {}, t::kTakesOneCharacter},
      {R::Utf8Character, L"", L, {}, t::kTakesOneCharacter},
      {R::Utf8Character, L"U+110000", L, {}, t::kTakesOneCharacter},
      {R::Utf16Character, L"U+0041", L, {0x41, 0x00}},
      {R::Utf16Character, L"(U+000A)", B, {0x00, 0x0A}},
      {R::Utf16Character, L"\u3042 (U+3042)", B, {0x30, 0x42}},
      {R::ColumnCharacter, L"\u3042", L, {0x82, 0xA0}},
      {R::ColumnCharacter, L" ", L, {0x20}},
      // No Shift-JIS bytes for the euro sign, nor for é (no best-fit "e").
      {R::ColumnCharacter, L"\u20AC", L, {}, t::kNoSuchCharacter},
      {R::ColumnCharacter, L"\u00E9", L, {}, t::kNoSuchCharacter},
  };
  const CharacterCodec column = CharactersOf(TextEncoding::ShiftJis);
  for (const TypedCase& c : cases) {
    const TypedRowValue typed = ParseRowValue(c.row, c.typed, c.order, column);
    EXPECT_EQ(typed.bytes, c.bytes) << RowLabel(c.row) << L" " << c.typed;
    if (c.bytes.empty()) {
      EXPECT_NE(typed.refusal.find(RowLabel(c.row)), std::wstring::npos) << typed.refusal;
      EXPECT_NE(typed.refusal.find(c.refusal), std::wstring::npos)
          << typed.refusal << L" should name " << c.refusal;
    } else {
      EXPECT_EQ(typed.refusal, L"") << c.typed;
    }
  }
}

TEST(InspectorRows, EveryShownValueTypedBackWritesTheSameBytes) {
  const CharacterCodec column = CharactersOf(TextEncoding::ShiftJis);
  const std::vector<Bytes> samples{
      {0xC5, 0x63, 0x21, 0x5A, 0x10, 0x20, 0x30, 0x04},
      {0x00, 0x80, 0x3E, 0xD5, 0xDE, 0xB1, 0x9D, 0x01},
      {0x82, 0xA0, 0x00, 0x00, 0x00, 0x00, 0xF0, 0xBF},
      {0xE3, 0x81, 0x82, 0x41, 0xFF, 0xFF, 0xFF, 0xFF},
  };
  int compared = 0;
  for (const Bytes& bytes : samples) {
    for (const ByteOrder order : {L, B}) {
      for (const R row : kInspectorRows) {
        const std::wstring shown = RowText(row, bytes, order, column);
        if (shown.starts_with(L"(") && shown.ends_with(L")") && !shown.starts_with(L"(U+")) {
          continue;  // no value: nothing to type back
        }
        if (shown == L"nan") continue;  // typed, a NaN is the quiet one, not these bits
        const TypedRowValue typed = ParseRowValue(row, shown, order, column);
        ASSERT_EQ(typed.refusal, L"") << RowLabel(row) << L" " << shown;
        EXPECT_EQ(typed.bytes, Bytes(bytes.begin(), bytes.begin() + typed.bytes.size()))
            << RowLabel(row) << L" " << shown;
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 100);
}

}  // namespace
}  // namespace vx

// The text column's cells in the encodings other than Shift-JIS, on a page and
// copied as text: characters whole where they start, split ones at the page's
// end, invalid bytes as placeholders, UTF-16 by the file's even offsets.
#include "app/page/text_cells.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/edit/column_text.h"
#include "app/page/dump_page.h"

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;
using Cells = std::vector<std::wstring>;
using E = TextEncoding;
const std::wstring kNo = kNoCharacterCell;
const std::wstring kRest = kCharacterRestCell;

struct CellCase {
  const char* name;
  E encoding;
  Bytes bytes;
  int64_t offset;
  Cells cells;
};

TEST(TextCells, EachEncodingDrawsCharactersWholeAndInvalidBytesAsPlaceholders) {
  const std::wstring smile = L"\U0001F600";
  const std::vector<CellCase> cases{
      {"utf8", E::Utf8, {0x41, 0xE3, 0x81, 0x82, 0x42}, 0, {L"A", L"あ", kRest, kRest, L"B"}},
      {"utf8 four bytes", E::Utf8, {0xF0, 0x9F, 0x98, 0x80}, 0, {smile, kRest, kRest, kRest}},
      {"utf8 overlong", E::Utf8, {0xC0, 0x80, 0x41}, 0, {kNo, kNo, L"A"}},
      {"utf8 lone continuation", E::Utf8, {0x80, 0x41}, 0, {kNo, L"A"}},
      {"utf8 cut at the end", E::Utf8, {0x41, 0xE3, 0x81}, 0, {L"A", kNo, kNo}},
      {"utf8 surrogate", E::Utf8, {0xED, 0xA0, 0x80}, 0, {kNo, kNo, kNo}},
      {"utf16le", E::Utf16Le, {0x42, 0x30, 0x41, 0x00}, 0, {L"あ", kRest, L"A", kRest}},
      {"utf16le from an odd offset", E::Utf16Le, {0x30, 0x41, 0x00}, 7, {kNo, L"A", kRest}},
      {"utf16le pair", E::Utf16Le, {0x3D, 0xD8, 0x00, 0xDE}, 0, {smile, kRest, kRest, kRest}},
      {"utf16le lone surrogate", E::Utf16Le, {0x00, 0xD8, 0x41, 0x00}, 0, {kNo, kNo, L"A", kRest}},
      {"utf16le half a unit", E::Utf16Le, {0x41, 0x00, 0x42}, 0, {L"A", kRest, kNo}},
      {"utf16be", E::Utf16Be, {0x30, 0x42, 0x00, 0x41}, 0, {L"あ", kRest, L"A", kRest}},
      {"windows-1252", E::Windows1252, {0x80, 0xE9, 0x41}, 0, {L"€", L"é", L"A"}},
      {"euc-jp", E::EucJp, {0xA4, 0xA2, 0x8E, 0xB1, 0x41}, 0, {L"あ", kRest, L"ｱ", kRest, L"A"}},
      {"euc-jp lead without trail", E::EucJp, {0xA4, 0x41}, 0, {kNo, L"A"}},
      {"shift-jis", E::ShiftJis, {0x82, 0xA0, 0x82, 0x20}, 0, {L"あ", kRest, kNo, L" "}},
  };
  for (const CellCase& c : cases) {
    EXPECT_EQ(TextCells(c.encoding, c.bytes, c.offset, false), c.cells) << c.name;
  }
}

TEST(TextCells, ControlBytesAreDotsOnlyWhenAsked) {
  const Bytes bytes{0x01, 0x41, 0x7F, 0x0A};
  EXPECT_EQ(TextCells(E::Utf8, bytes, 0, true), (Cells{L".", L"A", L".", L"."}));
  EXPECT_EQ(TextCells(E::Utf8, bytes, 0, false), (Cells{L"\x01", L"A", L"\x7F", L"\n"}));
  EXPECT_EQ(TextCells(E::Utf16Be, Bytes{0x00, 0x09}, 0, true), (Cells{L".", kRest}));
}

// A page of two 16-byte lines: a character across the line end is drawn
// where it starts, one cut by the page's end is not completed by the byte
// behind the page, and cells past the file's end stay blank.
TEST(TextCells, APageDrawsCharactersAcrossLineEndsButNotPastThePage) {
  DisplaySettingsRecord s = DefaultSettings();
  s.LinesPerPage = 2;
  Bytes bytes(static_cast<size_t>(PageByteCount(s)), 0x41);
  bytes[15] = 0xE3, bytes[16] = 0x81, bytes[17] = 0x82;  // あ from the first line's end
  bytes[31] = 0xE3, bytes[32] = 0x81;                    // cut by the page's end
  const auto cell = [&](const DumpPage& page, int k) {
    const int x = TextColumnsLeft(s) + (k % 16) * s.TextCellWidth;
    const int y = s.TopMargin + (k / 16) * s.LineHeight;
    for (const PageText& t : page.texts) {
      if (t.x == x && t.y == y) return t.characters;
    }
    return std::wstring(L"(none)");
  };
  const DumpPage page = ComposePage(s, 1, bytes, 1000, kShiftJisTables, PageMedium::Screen,
                                    std::nullopt, {E::Utf8, false});
  EXPECT_EQ(cell(page, 15), L"あ");
  EXPECT_EQ(cell(page, 16), kRest);
  EXPECT_EQ(cell(page, 17), kRest);
  EXPECT_EQ(cell(page, 18), L"A");
  EXPECT_EQ(cell(page, 31), kNo);

  // The file ends inside the character: its bytes in the file form none.
  const DumpPage short_file = ComposePage(s, 1, bytes, 17, kShiftJisTables, PageMedium::Screen,
                                          std::nullopt, {E::Utf8, false});
  EXPECT_EQ(cell(short_file, 15), kNo);
  EXPECT_EQ(cell(short_file, 16), kNo);
  EXPECT_EQ(cell(short_file, 17), L"");  // behind the end: the blank of today, as bytes
}

TEST(TextCells, CopyAsTextReadsLikeTheColumnWhereverBlocksSplitIt) {
  struct Case {
    E encoding;
    Bytes bytes;
    int64_t offset;
    std::wstring text;
  };
  const std::vector<Case> cases{
      {E::Utf8, {0x41, 0xE3, 0x81, 0x82, 0x00, 0xFF, 0x42}, 0, L"Aあ " + kNo + L"B"},
      {E::Utf8, {0x41, 0xE3, 0x81}, 0, L"A" + kNo + kNo},
      {E::Utf16Le, {0x42, 0x30, 0x41, 0x00}, 0, L"あA"},
      {E::Utf16Le, {0x30, 0x41, 0x00}, 1, kNo + L"A"},
      {E::EucJp, {0xA4, 0xA2, 0x41}, 0, L"あA"},
  };
  for (const Case& c : cases) {
    for (const size_t block : {1u, 2u, 3u, 64u}) {
      ColumnTextDecoder decoder(c.encoding, c.offset);
      std::wstring text;
      for (size_t i = 0; i < c.bytes.size(); i += block) {
        decoder.Append(std::span(c.bytes).subspan(i, std::min(block, c.bytes.size() - i)), text);
      }
      decoder.Finish(text);
      EXPECT_EQ(text, c.text) << static_cast<int>(c.encoding) << " in blocks of " << block;
    }
  }
}

}  // namespace
}  // namespace vx

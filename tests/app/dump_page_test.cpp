#include "app/page/dump_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

namespace vx {
namespace {

constexpr Colour kSeparator = 0x808080;

class DumpPageTest : public ::testing::Test {
 protected:
  // A page read from `start` of a file of `file_size` bytes whose contents are
  // all 0x20 unless a test sets them.
  void SetPage(int64_t start, int64_t file_size) {
    start_ = start;
    file_size_ = file_size;
    bytes_.assign(PageByteCount(s_), 0x20);
  }
  DumpPage Compose() const { return ComposePage(s_, start_, bytes_, file_size_, tables_); }

  // The one text drawn at (x, y); every cell is drawn exactly once.
  static std::string TextAt(const DumpPage& page, int x, int y) {
    std::vector<std::string> found;
    for (const PageText& t : page.texts) {
      if (t.x == x && t.y == y) found.push_back(t.bytes);
    }
    EXPECT_EQ(found.size(), 1u) << "at " << x << ", " << y;
    return found.empty() ? std::string() : found.front();
  }
  std::string Hex(const DumpPage& page, int row, int column) const {
    return TextAt(page, HexColumnsLeft(s_) + column * s_.HexCellWidth, RowY(row));
  }
  std::string Char(const DumpPage& page, int row, int column) const {
    return TextAt(page, TextColumnsLeft(s_) + column * s_.TextCellWidth, RowY(row));
  }
  std::string Address(const DumpPage& page, int row) const {
    return TextAt(page, s_.LeftMargin, RowY(row));
  }
  int RowY(int row) const { return s_.TopMargin + row * s_.LineHeight; }

  DisplaySettingsRecord s_ = DefaultSettings();
  ShiftJisTables tables_ = MakeShiftJisTables();
  std::vector<uint8_t> bytes_;
  int64_t start_ = 1;
  int64_t file_size_ = 0;
};

TEST_F(DumpPageTest, DefaultGeometry) {
  EXPECT_EQ(HexColumnsLeft(s_), 84);
  EXPECT_EQ(TextColumnsLeft(s_), 388);
  EXPECT_EQ(RowBoxRight(s_), 524);
  EXPECT_EQ(PageByteCount(s_), 513);

  SetPage(1, 10000);
  const DumpPage page = Compose();
  ASSERT_EQ(page.boxes.size(), 32u);
  EXPECT_EQ(page.boxes[0], (PageBox{0, 2, 524, 14, 0xFFFFFF}));
  EXPECT_EQ(page.boxes[1], (PageBox{0, 14, 524, 26, 0xEFEFEF}));
  EXPECT_EQ(page.boxes[31], (PageBox{0, 374, 524, 386, 0xEFEFEF}));
  EXPECT_EQ(page.lines,
            (std::vector<PageLine>{{224, 2, 384, kSeparator}, {451, 2, 384, kSeparator}}));
  // 16 hex cells, 16 text cells and an address per row, nothing else.
  EXPECT_EQ(page.texts.size(), 32u * 33u);
  EXPECT_EQ(TextAt(page, 84, 2), "20");
  EXPECT_EQ(TextAt(page, 388 + 15 * 8, 374), " ");
}

TEST_F(DumpPageTest, SeparatorsEveryEightBytesRoundHalvesToEven) {
  s_.BytesPerLine = 32;
  SetPage(1, 10000);
  // Hex: 84 + 18s - 1.5 - 2 gives 224.5, 368.5, 512.5; text: 676 + 8s - 1.
  EXPECT_EQ(Compose().lines, (std::vector<PageLine>{{224, 2, 384, kSeparator},
                                                    {739, 2, 384, kSeparator},
                                                    {368, 2, 384, kSeparator},
                                                    {803, 2, 384, kSeparator},
                                                    {512, 2, 384, kSeparator},
                                                    {867, 2, 384, kSeparator}}));

  // FontSize 10 moves both to .5 with an odd whole part: 225.5 and 451.5.
  s_.BytesPerLine = 16;
  s_.FontSize = 10;
  SetPage(1, 10000);
  EXPECT_EQ(Compose().lines,
            (std::vector<PageLine>{{226, 2, 384, kSeparator}, {452, 2, 384, kSeparator}}));
}

TEST_F(DumpPageTest, SeparatorsNeverRunUpwardsOverATallTopMargin) {
  // 8 rows of 5 pixels end at 40, above a top margin of 128: the lines then
  // reach the rows' bottom instead of running back up over the margin.
  s_.FontSize = 4;
  s_.LineHeight = 5;
  s_.LinesPerPage = 8;
  s_.TopMargin = 128;
  SetPage(1, 10000);
  const DumpPage page = Compose();
  ASSERT_EQ(page.lines.size(), 2u);
  for (const PageLine& line : page.lines) {
    EXPECT_EQ(line.top, 128);
    EXPECT_EQ(line.bottom, 168);
  }
}

TEST_F(DumpPageTest, EndOfFileMarkRightBehindTheLastByte) {
  SetPage(1, 20);
  bytes_[19] = 0xAB;
  const DumpPage page = Compose();
  EXPECT_EQ(Hex(page, 1, 3), "AB");
  EXPECT_EQ(Hex(page, 1, 4), " |");
  EXPECT_EQ(Char(page, 1, 4), " ");
  EXPECT_EQ(Hex(page, 1, 5), "  ");

  // A size of whole rows puts the mark in the first cell of the next row.
  SetPage(1, 32);
  const DumpPage whole_rows = Compose();
  EXPECT_EQ(Hex(whole_rows, 1, 15), "20");
  EXPECT_EQ(Hex(whole_rows, 2, 0), " |");
  EXPECT_EQ(Hex(whole_rows, 2, 1), "  ");
}

TEST_F(DumpPageTest, RowsPastTheEndAreStillDrawn) {
  SetPage(1, 0);
  const DumpPage page = Compose();
  EXPECT_EQ(page.boxes.size(), 32u);
  EXPECT_EQ(Hex(page, 0, 0), " |");
  EXPECT_EQ(Char(page, 0, 0), " ");
  EXPECT_EQ(Hex(page, 31, 15), "  ");
  EXPECT_EQ(Char(page, 31, 15), " ");
  EXPECT_EQ(Address(page, 31), "000001F0");
}

TEST_F(DumpPageTest, BytesDrawnRawAsUpperCaseHexAndAsCharacters) {
  SetPage(1, 10000);
  bytes_[0] = 0x00;
  bytes_[1] = 0x0A;
  bytes_[2] = 0xFF;
  bytes_[3] = 'A';
  const DumpPage page = Compose();
  EXPECT_EQ(Hex(page, 0, 0), "00");
  EXPECT_EQ(Char(page, 0, 0), std::string(1, '\0'));
  EXPECT_EQ(Hex(page, 0, 1), "0A");
  EXPECT_EQ(Char(page, 0, 1), "\n");
  EXPECT_EQ(Hex(page, 0, 2), "FF");
  EXPECT_EQ(Char(page, 0, 2), "\xFF");
  EXPECT_EQ(Char(page, 0, 3), "A");
}

TEST_F(DumpPageTest, DoubleByteCharacterAndItsBlankTrailCell) {
  SetPage(1, 10000);
  bytes_[4] = 0x88;  // lead
  bytes_[5] = 0x9F;  // trail
  bytes_[6] = 0x81;  // lead, but 0x31 is no trail byte
  bytes_[7] = 0x31;
  const DumpPage page = Compose();
  EXPECT_EQ(Char(page, 0, 4), "\x88\x9F");
  EXPECT_EQ(Char(page, 0, 5), " ");
  EXPECT_EQ(Hex(page, 0, 5), "9F");
  EXPECT_EQ(Char(page, 0, 6), "\x81");
  EXPECT_EQ(Char(page, 0, 7), "1");
}

TEST_F(DumpPageTest, DoubleByteCharacterStartingInTheLastColumn) {
  SetPage(1, 10000);
  bytes_[15] = 0x82;
  bytes_[16] = 0xA0;
  const DumpPage page = Compose();
  // Drawn at the row end, reaching into the spare cell before RowBoxRight.
  EXPECT_EQ(Char(page, 0, 15), "\x82\xA0");
  EXPECT_EQ(Char(page, 1, 0), " ");
  EXPECT_EQ(Hex(page, 1, 0), "A0");
  EXPECT_EQ(Char(page, 1, 1), " ");  // 0x20 drawn normally again
}

TEST_F(DumpPageTest, LeadByteInTheLastCellOfThePageDrawnAlone) {
  SetPage(1, 10000);
  bytes_[511] = 0x88;
  bytes_[512] = 0x9F;  // a trail byte, but behind the page
  EXPECT_EQ(Char(Compose(), 31, 15), "\x88");
}

TEST_F(DumpPageTest, ColoursFollowTheFileLine) {
  s_.ForeColors = {1, 2, 3, 4};
  s_.BackColors = {11, 12, 13, 14};
  auto row_colours = [&](int row, const DumpPage& page) {
    Colour text = 0;
    for (const PageText& t : page.texts) {
      if (t.y == RowY(row) && t.x == s_.LeftMargin) text = t.colour;
    }
    return std::pair{page.boxes[row].colour, text};
  };

  SetPage(1, 10000);
  const DumpPage top = Compose();
  EXPECT_EQ(row_colours(0, top), (std::pair<Colour, Colour>{11, 1}));
  EXPECT_EQ(row_colours(1, top), (std::pair<Colour, Colour>{12, 2}));
  EXPECT_EQ(row_colours(4, top), (std::pair<Colour, Colour>{11, 1}));

  SetPage(17, 10000);  // one line further down
  const DumpPage scrolled = Compose();
  EXPECT_EQ(row_colours(0, scrolled), (std::pair<Colour, Colour>{12, 2}));
  EXPECT_EQ(row_colours(3, scrolled), (std::pair<Colour, Colour>{11, 1}));
  for (const PageText& t : scrolled.texts) {
    if (t.y == RowY(2)) {
      EXPECT_EQ(t.colour, 4u);
    }
  }
}

TEST_F(DumpPageTest, RowAddressesAreEightUpperCaseHexDigits) {
  SetPage(0xABCDE0 + 1, 0x7FFFFFFE);
  const DumpPage page = Compose();
  EXPECT_EQ(Address(page, 0), "00ABCDE0");
  EXPECT_EQ(Address(page, 1), "00ABCDF0");

  SetPage(0x7FFFFE01, 0x7FFFFFFE);
  const DumpPage last = Compose();
  EXPECT_EQ(Address(last, 31), "7FFFFFF0");
  EXPECT_EQ(Hex(last, 31, 14), " |");
}

// Below 4 GiB every address keeps its 8 digits and the page its layout; from
// there on as many digits as the end mark's address needs, in every row, and
// the columns behind the address move right by FontSize a digit.
TEST_F(DumpPageTest, AddressesGrowByTheDigitsTheLastPositionNeeds) {
  // A page's worth below the largest length, so that the rows behind the end
  // still have addresses.
  const int64_t kNearMax = std::numeric_limits<int64_t>::max() - 4096;
  const struct {
    int64_t file_size;
    int digits;
  } cases[] = {{0, 8},
               {0x7FFFFFFF, 8},
               {int64_t{1} << 31, 8},
               {0xFFFFFFFF, 8},
               {int64_t{1} << 32, 9},
               {int64_t{5} << 30, 9},
               {(int64_t{1} << 36) - 1, 9},
               {int64_t{1} << 40, 11},
               {kNearMax, 16}};
  const DisplaySettingsRecord saved = s_;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file_size);
    EXPECT_EQ(AddressDigits(c.file_size), c.digits);
    s_ = WithAddressColumnFor(saved, c.file_size);
    EXPECT_EQ(HexColumnsLeft(s_) - HexColumnsLeft(saved), (c.digits - 8) * saved.FontSize);
    EXPECT_EQ(s_.BytesPerLine, saved.BytesPerLine);
    // The last page of the file: its addresses, the last byte and the mark.
    const int64_t last_line = c.file_size / 16;
    SetPage(std::max<int64_t>(0, last_line - 30) * 16 + 1, c.file_size);
    const DumpPage page = Compose();
    const int row = static_cast<int>(last_line - (start_ - 1) / 16);
    for (int r : {0, row, 31}) {
      const std::string address = Address(page, r);
      EXPECT_EQ(address.size(), static_cast<size_t>(c.digits)) << address;
    }
    EXPECT_EQ(std::stoull(Address(page, row), nullptr, 16), static_cast<uint64_t>(last_line) * 16);
    EXPECT_EQ(Hex(page, row, static_cast<int>(c.file_size % 16)), " |");
  }
  s_ = saved;
  // Just short of 4 GiB, the rows behind the end reach past 8 digits: blank,
  // never an address wrapped round to the start.
  SetPage(0xFFFFFE11, 0xFFFFFFF8);
  const DumpPage last = Compose();
  EXPECT_EQ(Address(last, 30), "FFFFFFF0");
  EXPECT_EQ(Address(last, 31), "        ");
}

TEST_F(DumpPageTest, SelectedCellsAreBoxedAndTheirTextsHighlightedInBothColumns) {
  // Bytes 20 to 49 (rows 1 to 3 of a page from the start), in a file of 40:
  // the selection is cut at the file's end.
  SetPage(1, 40);
  const DumpPage page = ComposePage(s_, start_, bytes_, file_size_, tables_, PageMedium::Screen,
                                    ByteRange{20, 30});
  std::vector<PageBox> boxes;
  for (const PageBox& b : page.boxes) {
    if (b.colour == kSelectionColour) boxes.push_back(b);
  }
  const auto hex_x = [&](int column) { return HexColumnsLeft(s_) + column * s_.HexCellWidth; };
  const auto text_x = [&](int column) { return TextColumnsLeft(s_) + column * s_.TextCellWidth; };
  const std::vector<PageBox> expected{
      {hex_x(4), RowY(1), hex_x(16), RowY(2), kSelectionColour},
      {text_x(4), RowY(1), text_x(16), RowY(2), kSelectionColour},
      {hex_x(0), RowY(2), hex_x(8), RowY(3), kSelectionColour},
      {text_x(0), RowY(2), text_x(8), RowY(3), kSelectionColour},
  };
  EXPECT_EQ(boxes, expected);
  // Drawn over the rows' backgrounds.
  EXPECT_EQ(page.boxes.front().colour, s_.BackColors[0]);
  const auto colour_at = [&](int x, int y) {
    for (const PageText& t : page.texts) {
      if (t.x == x && t.y == y) return t.colour;
    }
    return Colour{1};
  };
  EXPECT_EQ(colour_at(hex_x(4), RowY(1)), kSelectionTextColour);
  EXPECT_EQ(colour_at(text_x(7), RowY(2)), kSelectionTextColour);
  EXPECT_EQ(colour_at(hex_x(3), RowY(1)), s_.ForeColors[1]);
  EXPECT_EQ(colour_at(hex_x(8), RowY(2)), s_.ForeColors[2]);  // behind the end
  EXPECT_EQ(colour_at(s_.LeftMargin, RowY(1)), s_.ForeColors[1]);  // the address
  // Without a selection, and on paper, nothing is highlighted.
  for (const DumpPage& plain : {Compose(), ComposePage(s_, start_, bytes_, file_size_, tables_,
                                                       PageMedium::Printer)}) {
    for (const PageBox& b : plain.boxes) EXPECT_NE(b.colour, kSelectionColour);
    for (const PageText& t : plain.texts) EXPECT_NE(t.colour, kSelectionTextColour);
  }
}

}  // namespace
}  // namespace vx

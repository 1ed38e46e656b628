#include "app/print/printed_page.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "app/print/page_numbers.h"

namespace vx {
namespace {

TEST(PageNumbersTest, PagesOfAFile) {
  const DisplaySettingsRecord s = DefaultSettings();  // 512 bytes a page
  struct Case {
    int64_t length;
    int64_t pages;
  };
  for (const Case& c : {Case{-1, 0},
                        {0, 0},
                        {1, 1},
                        {512, 1},
                        {513, 2},
                        {1025, 3},
                        {(int64_t{1} << 31) - 1, 4194304},
                        {int64_t{1} << 32, 8388608},
                        {(int64_t{1} << 40) + 1, 2147483649},
                        // The largest length rounds up without overflow.
                        {std::numeric_limits<int64_t>::max(), int64_t{1} << 54}}) {
    EXPECT_EQ(PageCount(c.length, s), c.pages) << c.length;
  }
  EXPECT_EQ(PageStart(1, s), 1);
  EXPECT_EQ(PageStart(2, s), 513);
  EXPECT_EQ(PageStart(4194304, s), 2147483137);
  EXPECT_EQ(PageOf(514, s), 2);
  EXPECT_EQ(PageOf(1023, s), 2);
  EXPECT_EQ(PageOf(1025, s), 3);
  // Pages past 32 bits start where their number says and hold that start.
  for (const int64_t page : {int64_t{4194305}, int64_t{5'000'000'000}, int64_t{1} << 53}) {
    EXPECT_EQ(PageStart(page, s), (page - 1) * 512 + 1);
    EXPECT_EQ(PageOf(PageStart(page, s) + 1, s), page);
  }

  DisplaySettingsRecord wide = s;
  wide.BytesPerLine = 48;
  wide.LinesPerPage = 8;  // 384 bytes a page
  EXPECT_EQ(PageCount(1000, wide), 3);
  EXPECT_EQ(PageStart(3, wide), 769);
}

TEST(PrinterScaleTest, TheLayoutFillsThePrintableAreaAndSetsTheFonts) {
  const DisplaySettingsRecord s = DefaultSettings();
  const UserScale user = PrinterUserScale(s, s.TopMargin);
  EXPECT_EQ(user.width, 528);
  EXPECT_EQ(user.height, 404);

  // A4 at 300 dpi, upright: the horizontal rule gives the smaller body font.
  const PrinterScale a4(user, {2479, 3508, 300, 300});
  EXPECT_EQ(a4.X(528), 2479);
  EXPECT_EQ(a4.Y(404), 3508);
  EXPECT_EQ(a4.X(84), 394);  // 84 x 2479 / 528 = 394.4
  EXPECT_EQ(a4.Y(12), 104);  // 12 x 3508 / 404 = 104.2
  EXPECT_NEAR(HeaderFontPoints(a4), 10.0 * 3508 / 404 / 300 * 72, 1e-9);
  EXPECT_NEAR(BodyFontPoints(a4, 9), 15.0 * 2479 / 528 / 300 * 72, 1e-9);
  EXPECT_EQ(a4.PixelHeightOfPoints(BodyFontPoints(a4, 9)), 70);

  // Lying on its side, the vertical rule does.
  const PrinterScale landscape(user, {3508, 2479, 300, 300});
  EXPECT_NEAR(BodyFontPoints(landscape, 9), 10.0 * 2479 / 404 / 300 * 72, 1e-9);

  // The scale follows the layout: a taller top margin makes a taller page.
  EXPECT_EQ(PrinterUserScale(s, 20).height, 422);
}

TEST(PrintedPageTest, TheScreensPageWithAHeaderOnPaper) {
  DisplaySettingsRecord s = DefaultSettings();
  const int saved = s.TopMargin;
  s.TopMargin = saved + kHeaderRoom;
  EXPECT_EQ(PageHeader(L"ABC.BIN", 2, 5), L"ABC.BIN         ページ 2/5");
  EXPECT_EQ(PageHeader(L"DISK.IMG", 5'000'000'000, 6'000'000'000),
            L"DISK.IMG         ページ 5000000000/6000000000");

  // Page 2 of a 1000-byte file: bytes 513 to 1000, the mark at 1001.
  const std::vector<uint8_t> bytes(PageByteCount(s), 0x41);
  const PrintedPage page =
      ComposePrintedPage(s, saved, L"ABC.BIN", 513, bytes, 1000, MakeShiftJisTables());
  EXPECT_EQ(page.header, L"ABC.BIN");
  EXPECT_EQ(page.header_x, 0);
  EXPECT_EQ(page.header_y, 1);
  EXPECT_EQ(page.body.boxes.front(), (PageBox{0, 12, 524, 24, 0xFFFFFF}));
  // Separators at the cell boundary, over the text, down to the last row.
  EXPECT_TRUE(page.body.lines_over_texts);
  EXPECT_EQ(page.body.lines,
            (std::vector<PageLine>{{226, 12, 396, 0x808080}, {452, 12, 396, 0x808080}}));
  auto text_at = [&](int x, int y) {
    for (const PageText& t : page.body.texts) {
      if (t.x == x && t.y == y) return t.bytes;
    }
    return std::string("(none)");
  };
  const int row30 = 12 + 30 * 12;  // offset 488 = row 30, column 8
  EXPECT_EQ(text_at(84 + 7 * 18, row30), "41");
  EXPECT_EQ(text_at(84 + 8 * 18, row30), " |");
  EXPECT_EQ(text_at(84 + 9 * 18, row30), "  ");
  EXPECT_EQ(text_at(4, 12), "00000200");

  // The header's line: half the saved margin, halves to even.
  for (auto [margin, y] : {std::pair{3, 2}, {5, 2}, {7, 4}, {0, 0}}) {
    EXPECT_EQ(ComposePrintedPage(s, margin, L"", 1, bytes, 1000, MakeShiftJisTables()).header_y, y)
        << margin;
  }
}

TEST(PrintedPageTest, ScaledToDevicePixels) {
  DumpPage page;
  page.boxes.push_back({0, 12, 524, 24, 1});
  page.lines.push_back({226, 12, 396, 2});
  page.texts.push_back({84, 12, 3, "41"});
  page.lines_over_texts = true;
  const DumpPage device = ScaleToDevice(page, PrinterScale({528, 404}, {1056, 1212, 96, 96}));
  EXPECT_EQ(device.boxes, (std::vector<PageBox>{{0, 36, 1048, 72, 1}}));
  EXPECT_EQ(device.lines, (std::vector<PageLine>{{452, 36, 1188, 2}}));
  ASSERT_EQ(device.texts.size(), 1u);
  EXPECT_EQ(device.texts[0].x, 168);
  EXPECT_EQ(device.texts[0].y, 36);
  EXPECT_EQ(device.texts[0].bytes, "41");
  EXPECT_TRUE(device.lines_over_texts);
}

}  // namespace
}  // namespace vx

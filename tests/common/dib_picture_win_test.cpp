// The picture operations on real GDI bitmaps.
#include "common/dib_picture_win.h"

#include <gtest/gtest.h>

#include "common/dib_layout.h"
#include "common/ui/gdi_win.h"

namespace vx {
namespace {

// A picture area's persistent image: a bitmap selected into a memory DC.
struct Picture {
  Picture(int width, int height)
      : dc(MakeMemoryDc()),
        bitmap(CreateCompatibleBitmap(WindowDc().get(), width, height)),
        selection(dc.get(), bitmap.get()) {}
  OwnedDc dc;
  Bitmap bitmap;
  Selection selection;
};

COLORREF ColourAt(int x, int y) { return RGB(x * 7 % 256, y * 11 % 256, (x + y) * 5 % 256); }

TEST(DibPicture, Takes24BitBottomUpRowsAndDrawsThemBack) {
  constexpr int kWidth = 37;  // 111 bytes a row, padded to 112
  constexpr int kHeight = 20;
  Picture source(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) SetPixel(source.dc.get(), x, y, ColourAt(x, y));
  }
  const auto [header, pixels] = ReadSelectedPicture(source.dc.get(), kHeight, 24);
  EXPECT_EQ(header.biSize, 40u);
  EXPECT_EQ(header.biWidth, kWidth);
  EXPECT_EQ(header.biHeight, kHeight);
  EXPECT_EQ(header.biBitCount, 24);
  EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
  const int64_t row = DibRowBytes(24, kWidth);
  ASSERT_EQ(row, 112);
  ASSERT_EQ(pixels.size(), static_cast<size_t>(row * kHeight));
  // The top line of the picture is the last row; blue, green, red.
  const size_t top_left = static_cast<size_t>(row * (kHeight - 1));
  EXPECT_EQ(pixels[top_left + 0], GetBValue(ColourAt(0, 0)));
  EXPECT_EQ(pixels[top_left + 3 * 5 + 1], GetGValue(ColourAt(5, 0)));
  EXPECT_EQ(pixels[3 * 36 + 2], GetRValue(ColourAt(36, kHeight - 1)));

  Picture copy(kWidth, kHeight);
  DrawDib(copy.dc.get(), pixels, header);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      ASSERT_EQ(GetPixel(copy.dc.get(), x, y), ColourAt(x, y)) << x << "," << y;
    }
  }
}

TEST(DibPicture, ReadsAt8BitsAPixelAndDrawsOnlyWhatItIsGiven) {
  Picture source(16, 8);
  // At 8 bits a pixel the system adds a colour table after the header.
  const DibPicture read = ReadSelectedPicture(source.dc.get(), 8, 8);
  EXPECT_EQ(read.header.biBitCount, 8);
  EXPECT_EQ(read.pixels.size(), 16u * 8);

  // Drawing refuses rows that are not there and pixels that need a colour table.
  Picture target(16, 8);
  const RECT all{0, 0, 16, 8};
  const COLORREF before = RGB(10, 20, 30);
  FillRect(target.dc.get(), &all, MakeBrush(before).get());
  BITMAPINFOHEADER header{40, 16, 8, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  DrawDib(target.dc.get(), std::vector<uint8_t>(DibRowBytes(24, 16) * 8 - 1, 0xFF), header);
  EXPECT_EQ(GetPixel(target.dc.get(), 0, 7), before);
  header.biBitCount = 8;
  DrawDib(target.dc.get(), std::vector<uint8_t>(4096, 0xFF), header);
  EXPECT_EQ(GetPixel(target.dc.get(), 0, 7), before);
}

}  // namespace
}  // namespace vx

#include "common/ui/offscreen_image_win.h"

#include <algorithm>

namespace vx {

void OffscreenImage::Resize(int width, int height) {
  font_selected_.reset();
  bitmap_selected_.reset();
  dc_.reset();
  bitmap_.reset();
  // Nothing beyond the screen can be seen, and the largest page layout would
  // otherwise ask for hundreds of megabytes of image.
  const int most_wide = std::max(4096, GetSystemMetrics(SM_CXVIRTUALSCREEN));
  const int most_high = std::max(4096, GetSystemMetrics(SM_CYVIRTUALSCREEN));
  width_ = std::clamp(width, 1, most_wide);
  height_ = std::clamp(height, 1, most_high);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width_;
  bi.bmiHeader.biHeight = -height_;  // top-down, so PixelAt indexes rows directly
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  {
    const WindowDc screen;
    bitmap_.reset(CreateDIBSection(screen.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  }
  bits_ = static_cast<uint32_t*>(bits);
  dc_ = MakeMemoryDc();
  bitmap_selected_.emplace(dc_.get(), bitmap_.get());
  if (font_) font_selected_.emplace(dc(), font_);
  Clear(GetSysColor(COLOR_WINDOW));
}

void OffscreenImage::SetFont(HFONT font) {
  font_ = font;
  font_selected_.reset();
  if (dc()) font_selected_.emplace(dc(), font_);
}

void OffscreenImage::Clear(COLORREF colour) {
  RECT r{0, 0, width_, height_};
  FillRect(dc(), &r, MakeBrush(colour).get());
}

void OffscreenImage::Blit(HDC target) const {
  BitBlt(target, 0, 0, width_, height_, dc(), 0, 0, SRCCOPY);
}

COLORREF OffscreenImage::PixelAt(int x, int y) const {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  GdiFlush();
  const uint32_t p = bits_[static_cast<size_t>(y) * width_ + x];  // 0x00RRGGBB
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

}  // namespace vx

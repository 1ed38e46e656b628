#include "app/controls/picture_box_win.h"

#include <algorithm>

namespace vx {
namespace {

constexpr WindowClass kClass{L"VxPictureBox", CS_DBLCLKS, -1};

}  // namespace

bool PictureBox::Create(HWND parent, const ChildArgs& args) {
  WindowArgs window = WindowArgs::Child(parent, args.id, args.rect, WS_CLIPSIBLINGS);
  if (!args.visible) window.style &= ~DWORD{WS_VISIBLE};
  if (!CreateBound(kClass, window)) return false;
  // The image is as large as the window the parent's density made.
  MakeImage(window.width, window.height);
  return true;
}

void PictureBox::Move(int x, int y, int width, int height) {
  if (width != width_ || height != height_) MakeImage(width, height);
  MoveWindow(hwnd(), x, y, width, height, TRUE);
}

void PictureBox::SetFont(HFONT font) {
  font_ = font;
  font_selected_.reset();
  if (dc()) font_selected_.emplace(dc(), font_);
}

void PictureBox::MakeImage(int width, int height) {
  font_selected_.reset();
  image_selected_.reset();
  image_dc_.reset();
  image_.reset();
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
    image_.reset(CreateDIBSection(screen.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  }
  bits_ = static_cast<uint32_t*>(bits);
  image_dc_ = MakeMemoryDc();
  image_selected_.emplace(image_dc_.get(), image_.get());
  if (font_) font_selected_.emplace(dc(), font_);
  Clear(GetSysColor(COLOR_WINDOW));
}

void PictureBox::Clear(COLORREF colour) {
  RECT r{0, 0, width_, height_};
  FillRect(dc(), &r, MakeBrush(colour).get());
}

void PictureBox::Refresh() {
  InvalidateRect(hwnd(), nullptr, FALSE);
  UpdateWindow(hwnd());
}

COLORREF PictureBox::PixelAt(int x, int y) const {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  GdiFlush();
  const uint32_t p = bits_[static_cast<size_t>(y) * width_ + x];  // 0x00RRGGBB
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

void PictureBox::OnPaint() {
  PAINTSTRUCT ps;
  const HDC target = BeginPaint(hwnd(), &ps);
  BitBlt(target, 0, 0, width_, height_, dc(), 0, 0, SRCCOPY);
  EndPaint(hwnd(), &ps);
}

LRESULT PictureBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the blit covers everything
    default:
      return Default(msg, wp, lp);
  }
}

}  // namespace vx

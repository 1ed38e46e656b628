#include "app/controls/picture_box_win.h"

#include <algorithm>

namespace vx {
namespace {

constexpr wchar_t kClassName[] = L"VxPictureBox";

void RegisterOnce(WNDPROC proc) {
  static bool done = false;
  if (done) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);
  done = true;
}

}  // namespace

PictureBox::~PictureBox() {
  FreeImage();
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool PictureBox::Create(HWND parent, int id, int x, int y, int width, int height) {
  RegisterOnce(&PictureBox::WindowProc);
  hwnd_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y,
                          width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  MakeImage(width, height);
  return true;
}

void PictureBox::Move(int x, int y, int width, int height) {
  if (width != width_ || height != height_) MakeImage(width, height);
  MoveWindow(hwnd_, x, y, width, height, TRUE);
}

int PictureBox::left() const {
  RECT r;
  GetWindowRect(hwnd_, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
  return r.left;
}

int PictureBox::top() const {
  RECT r;
  GetWindowRect(hwnd_, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
  return r.top;
}

void PictureBox::MakeImage(int width, int height) {
  FreeImage();
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
  HDC screen = GetDC(nullptr);
  dc_ = CreateCompatibleDC(screen);
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  bits_ = static_cast<uint32_t*>(bits);
  old_bitmap_ = SelectObject(dc_, bitmap_);
  Clear(GetSysColor(COLOR_WINDOW));
}

void PictureBox::FreeImage() {
  if (dc_) {
    SelectObject(dc_, old_bitmap_);
    DeleteDC(dc_);
    dc_ = nullptr;
  }
  if (bitmap_) {
    DeleteObject(bitmap_);
    bitmap_ = nullptr;
  }
  bits_ = nullptr;
}

void PictureBox::Clear(COLORREF colour) {
  RECT r{0, 0, width_, height_};
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc_, &r, brush);
  DeleteObject(brush);
}

void PictureBox::Refresh() {
  InvalidateRect(hwnd_, nullptr, FALSE);
  UpdateWindow(hwnd_);
}

COLORREF PictureBox::PixelAt(int x, int y) const {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  GdiFlush();
  const uint32_t p = bits_[static_cast<size_t>(y) * width_ + x];  // 0x00RRGGBB
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

LRESULT CALLBACK PictureBox::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<PictureBox*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self) {
    LRESULT result = 0;
    if (self->hook_ && self->hook_(msg, wp, lp, result)) return result;
    if (msg == WM_PAINT) {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      BitBlt(dc, 0, 0, self->width_, self->height_, self->dc_, 0, 0, SRCCOPY);
      EndPaint(hwnd, &ps);
      return 0;
    }
    if (msg == WM_ERASEBKGND) return 1;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace vx

#include "common/installer/progress_area_win.h"

#include <algorithm>

#include "common/installer/ripple.h"

namespace vx {
namespace {

constexpr wchar_t kClassName[] = L"VanteloxProgressArea";
// Blue in the platform's blue-green-red colour value.
constexpr COLORREF kBarColour = 0xFF0000;
constexpr int kBarHeight = 18;

}  // namespace

bool ProgressArea::Create(HWND parent, int x, int y, int width, int height) {
  width_ = width;
  height_ = height;
  bar_brush_ = MakeBrush(kBarColour);
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, WS_CHILD, FALSE, WS_EX_CLIENTEDGE);
  WindowSpec spec =
      WindowSpec::Child(parent, 0, x, y, frame.right - frame.left, frame.bottom - frame.top);
  spec.style &= ~WS_VISIBLE;
  spec.ex_style = WS_EX_CLIENTEDGE;
  return CreateBound({kClassName, 0, COLOR_WINDOW}, spec) != nullptr;
}

void ProgressArea::SetFrames(int ProgressFrames) {
  const int filled = std::clamp(ProgressFrames * width_ / kFadeFrames, 0, width_);
  if (filled == filled_) return;
  filled_ = filled;
  InvalidateRect(hwnd(), nullptr, TRUE);
  UpdateWindow(hwnd());
}

LRESULT ProgressArea::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    default:
      return Default(msg, wp, lp);
  }
}

void ProgressArea::OnPaint() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd(), &ps);
  const RECT bar{0, 0, filled_, std::min(kBarHeight, height_)};
  FillRect(dc, &bar, bar_brush_.get());
  EndPaint(hwnd(), &ps);
}

}  // namespace vx

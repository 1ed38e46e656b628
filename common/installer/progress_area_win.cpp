#include "common/installer/progress_area_win.h"

#include <algorithm>

#include "common/installer/ripple.h"
#include "common/ui/dpi_win.h"

namespace vx {
namespace {

constexpr wchar_t kClassName[] = L"VanteloxProgressArea";
// Blue in the platform's blue-green-red colour value.
constexpr COLORREF kBarColour = 0xFF0000;
constexpr int kBarHeight = 18;

}  // namespace

bool ProgressArea::Create(HWND parent, const ChildArgs& args) {
  bar_brush_ = MakeBrush(kBarColour);
  // The client area is the layout's size at the parent's density, the edge
  // round it at that density too.
  WindowArgs window = WindowArgs::Child(parent, args.id, args.rect);
  RECT frame{0, 0, window.width, window.height};
  const int dpi = WindowDpi(parent);
  AdjustFrameForDpi(frame, WS_CHILD, false, WS_EX_CLIENTEDGE, dpi);
  window.width = frame.right - frame.left;
  window.height = frame.bottom - frame.top;
  if (!args.visible) window.style &= ~DWORD{WS_VISIBLE};
  window.ex_style = WS_EX_CLIENTEDGE;
  if (!CreateBound({kClassName, 0, COLOR_WINDOW}, window)) return false;
  TakeSize();
  return true;
}

void ProgressArea::TakeSize() {
  RECT client;
  GetClientRect(hwnd(), &client);
  width_ = client.right;
  height_ = client.bottom;
  bar_height_ = ScaleForDpi(kBarHeight, WindowDpi(hwnd()));
}

void ProgressArea::SetFrames(int ProgressFrames) {
  frames_ = ProgressFrames;
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
    case WM_SIZE:
      // A new density resizes the area; the bar fills the new width.
      TakeSize();
      SetFrames(frames_);
      return 0;
    default:
      return Default(msg, wp, lp);
  }
}

void ProgressArea::OnPaint() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd(), &ps);
  const RECT bar{0, 0, filled_, std::min(bar_height_, height_)};
  FillRect(dc, &bar, bar_brush_.get());
  EndPaint(hwnd(), &ps);
}

}  // namespace vx

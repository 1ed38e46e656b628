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

bool ProgressArea::Create(HWND parent, const ChildArgs& args) {
  width_ = args.rect.width;
  height_ = args.rect.height;
  bar_brush_ = MakeBrush(kBarColour);
  RECT frame{0, 0, width_, height_};
  AdjustWindowRectEx(&frame, WS_CHILD, FALSE, WS_EX_CLIENTEDGE);
  WindowArgs window = WindowArgs::Child(
      parent, args.id,
      {args.rect.x, args.rect.y, frame.right - frame.left, frame.bottom - frame.top});
  if (!args.visible) window.style &= ~DWORD{WS_VISIBLE};
  window.ex_style = WS_EX_CLIENTEDGE;
  return CreateBound({kClassName, 0, COLOR_WINDOW}, window) != nullptr;
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

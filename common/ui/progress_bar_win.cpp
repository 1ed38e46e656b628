#include "common/ui/progress_bar_win.h"

#include <algorithm>

#include "common/ui/dpi_win.h"

namespace vx {
namespace {

constexpr WindowClass kClass{L"VxProgressBar", 0, -1};

}  // namespace

bool ProgressBar::Create(HWND parent, const ProgressBarArgs& args) {
  background_ = args.background;
  bar_brush_ = MakeBrush(args.bar_colour);
  bar_height_ = args.bar_height;
  WindowArgs window = WindowArgs::Child(parent, args.id, args.rect, args.more_style);
  if (!args.visible) window.style &= ~DWORD{WS_VISIBLE};
  if (args.edge) {
    // The client area is the layout's size at the parent's density, the edge
    // round it at that density too.
    RECT frame{0, 0, window.width, window.height};
    AdjustFrameForDpi(frame, WS_CHILD, false, WS_EX_CLIENTEDGE, WindowDpi(parent));
    window.width = frame.right - frame.left;
    window.height = frame.bottom - frame.top;
    window.ex_style = WS_EX_CLIENTEDGE;
  }
  if (!CreateBound(kClass, window)) return false;
  RECT client;
  GetClientRect(hwnd(), &client);
  image_.Resize(client.right, client.bottom);
  Draw();
  return true;
}

void ProgressBar::Move(int x, int y, int width, int height) {
  MoveWindow(hwnd(), x, y, width, height, TRUE);
}

void ProgressBar::SetFont(HFONT font) {
  image_.SetFont(font);
  Draw();
}

void ProgressBar::Show(int filled, const std::wstring& number) {
  filled_ = filled;
  number_ = number;
  Draw();
  InvalidateRect(hwnd(), nullptr, FALSE);
  UpdateWindow(hwnd());
}

void ProgressBar::Draw() {
  image_.Clear(GetSysColor(background_));
  const DpiScale d(hwnd());
  const int height = bar_height_ > 0 ? std::min(d(bar_height_), image_.height()) : image_.height();
  const RECT bar{0, 0, filled_, height};
  FillRect(image_.dc(), &bar, bar_brush_.get());
  if (number_.empty()) return;
  // The number stands a little left of the middle, clear of the top edge.
  SetBkMode(image_.dc(), TRANSPARENT);
  TextOutW(image_.dc(), image_.width() / 2 - d(18), d(4), number_.c_str(),
           static_cast<int>(number_.size()));
}

LRESULT ProgressBar::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      image_.Blit(BeginPaint(hwnd(), &ps));
      EndPaint(hwnd(), &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the blit covers everything
    case WM_SIZE:
      if (LOWORD(lp) != image_.width() || HIWORD(lp) != image_.height()) {
        image_.Resize(LOWORD(lp), HIWORD(lp));
        Draw();
        if (Resized) Resized();
      }
      return 0;
    default:
      return Default(msg, wp, lp);
  }
}

}  // namespace vx

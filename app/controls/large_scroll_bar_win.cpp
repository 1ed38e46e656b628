#include "app/controls/large_scroll_bar_win.h"

#include <algorithm>

#include "common/ui/controls_win.h"

namespace vx {
namespace {

constexpr WindowClass kClass{L"VxLargeScrollBar", 0, -1};

}  // namespace

bool LargeScrollBar::Create(HWND parent, const ChildArgs& args) {
  WindowArgs window = WindowArgs::Child(parent, args.id, args.rect);
  if (!args.visible) window.style &= ~DWORD{WS_VISIBLE};
  if (!CreateBound(kClass, window)) return false;
  inner_ =
      MakeControl(hwnd(), {L"SCROLLBAR", L"", {0, 0, args.rect.width, args.rect.height}, SBS_VERT});
  SetLargePercent(0);
  ShowInner(model_.SetValue(model_.Value()));
  return inner_ != nullptr;
}

void LargeScrollBar::Move(int x, int y, int width, int height) {
  MoveWindow(hwnd(), x, y, width, height, TRUE);
}

void LargeScrollBar::ShowInner(int inner) {
  if (GetScrollPos(inner_, SB_CTL) == inner) return;
  showing_ = true;
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_POS;
  si.nPos = inner;
  // Redrawn when the queue is idle, not now: drawing a scroll bar costs more
  // than drawing the page under Wine, and a held key would wait for each one.
  SetScrollInfo(inner_, SB_CTL, &si, FALSE);
  InvalidateRect(inner_, nullptr, FALSE);
  showing_ = false;
}

void LargeScrollBar::SetValue(int64_t value) { ShowInner(model_.SetValue(value)); }

void LargeScrollBar::SetMax(int64_t value) {
  model_.SetMax(value);
  ShowInner(model_.LastInner());
}

void LargeScrollBar::SetLargePercent(double share) {
  inner_large_ = LargeScrollModel::InnerLargeChange(share);
  // With a page of L the highest position is nMax - L + 1: keep 32767 reachable.
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  // No SIF_DISABLENOSCROLL: whether the bar is enabled is SetEnabled's alone.
  si.fMask = SIF_RANGE | SIF_PAGE;
  si.nMin = 0;
  si.nMax = kInnerMax + inner_large_ - 1;
  si.nPage = static_cast<UINT>(inner_large_);
  // Every change of a setting sets the range again, often to what it was;
  // a new one is drawn when the queue is idle, as in ShowInner.
  SCROLLINFO shown{};
  shown.cbSize = sizeof shown;
  shown.fMask = SIF_RANGE | SIF_PAGE;
  GetScrollInfo(inner_, SB_CTL, &shown);
  if (shown.nMin == si.nMin && shown.nMax == si.nMax && shown.nPage == si.nPage) return;
  SetScrollInfo(inner_, SB_CTL, &si, FALSE);
  InvalidateRect(inner_, nullptr, FALSE);
}

bool LargeScrollBar::Enabled() const { return IsWindowEnabled(inner_) != 0; }

void LargeScrollBar::SetEnabled(bool on) { EnableControl(inner_, on); }

void LargeScrollBar::OnScroll(WPARAM wp) {
  const int code = LOWORD(wp);
  if (showing_) return;
  const int last = model_.LastInner();
  int shown;
  switch (code) {
    case SB_LINEUP:
      shown = model_.OnInnerChange(std::max(0, last - model_.SmallChange()));
      break;
    case SB_LINEDOWN:
      shown = model_.OnInnerChange(std::min(kInnerMax, last + model_.SmallChange()));
      break;
    case SB_PAGEUP:
      shown = model_.OnInnerChange(std::max(0, last - inner_large_));
      break;
    case SB_PAGEDOWN:
      shown = model_.OnInnerChange(std::min(kInnerMax, last + inner_large_));
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      // The inner range ends at 32767, so the message's 16-bit position is
      // exact; the tracking position would only be known during a real drag.
      shown = model_.OnInnerScroll(HIWORD(wp));
      break;
    default:
      return;
  }
  ShowInner(shown);
  if (Scrolled) Scrolled();
}

LRESULT LargeScrollBar::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_VSCROLL:
      if (reinterpret_cast<HWND>(lp) != inner_) break;
      OnScroll(wp);
      return 0;
    case WM_SIZE:
      // The inner bar fills the control.
      MoveWindow(inner_, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
      return 0;
    default:
      break;
  }
  return Default(msg, wp, lp);
}

}  // namespace vx

#include "app/controls/vscroll_ex_win.h"

#include <algorithm>

namespace vx {
namespace {

constexpr wchar_t kClassName[] = L"VxVscrollEx";

}  // namespace

VscrollEx::~VscrollEx() {
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool VscrollEx::Create(HWND parent, int id, int x, int y, int width, int height) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &VscrollEx::WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
    registered = true;
  }
  hwnd_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, x, y, width, height, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  VScroll1 = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_VERT, 0, 0, width,
                             height, hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetLargePercent(0);
  ShowInner(model_.SetValue(model_.Value()));
  return VScroll1 != nullptr;
}

void VscrollEx::Move(int x, int y, int width, int height) {
  MoveWindow(hwnd_, x, y, width, height, TRUE);
  MoveWindow(VScroll1, 0, 0, width, height, TRUE);  // the inner bar fills the control
}

int VscrollEx::width() const {
  RECT r;
  GetWindowRect(hwnd_, &r);
  return r.right - r.left;
}

void VscrollEx::ShowInner(int inner) {
  if (GetScrollPos(VScroll1, SB_CTL) == inner) return;
  Busy = true;
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_POS;
  si.nPos = inner;
  // Redrawn when the queue is idle, not now: drawing a scroll bar costs more
  // than drawing the page under Wine, and a held key would wait for each one.
  SetScrollInfo(VScroll1, SB_CTL, &si, FALSE);
  InvalidateRect(VScroll1, nullptr, FALSE);
  Busy = false;
}

void VscrollEx::SetValue(int32_t v) { ShowInner(model_.SetValue(v)); }

void VscrollEx::SetMin(int32_t v) {
  model_.SetMin(v);
  ShowInner(model_.LastInner());
}

void VscrollEx::SetMax(int32_t v) {
  model_.SetMax(v);
  ShowInner(model_.LastInner());
}

void VscrollEx::SetLargePercent(double p) {
  inner_large_ = VscrollModel::InnerLargeChange(p);
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
  GetScrollInfo(VScroll1, SB_CTL, &shown);
  if (shown.nMin == si.nMin && shown.nMax == si.nMax && shown.nPage == si.nPage) return;
  SetScrollInfo(VScroll1, SB_CTL, &si, FALSE);
  InvalidateRect(VScroll1, nullptr, FALSE);
}

bool VscrollEx::Enabled() const { return IsWindowEnabled(VScroll1) != 0; }

void VscrollEx::SetEnabled(bool on) { EnableWindow(VScroll1, on ? TRUE : FALSE); }

void VscrollEx::OnScroll(WPARAM wp) {
  const int code = LOWORD(wp);
  if (Busy) return;
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
  if (Change) Change();
}

LRESULT CALLBACK VscrollEx::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<VscrollEx*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && msg == WM_VSCROLL && reinterpret_cast<HWND>(lp) == self->VScroll1) {
    self->OnScroll(wp);
    return 0;
  }
  if (self && msg == WM_SIZE) {
    MoveWindow(self->VScroll1, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace vx

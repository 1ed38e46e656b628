#include "app/settings/swatch_win.h"

#include <commctrl.h>

#include <utility>

#include "app/settings/resolve_colour_win.h"

namespace vx {
namespace {

bool IsChooseKey(WPARAM key) { return key == VK_SPACE || key == VK_RETURN; }

}  // namespace

bool Swatch::Create(HWND parent, SwatchArgs args) {
  on_click_ = std::move(args.on_click);
  // SS_NOTIFY: a label without it lets the mouse through to its parent.
  const DWORD style = SS_NOTIFY | WS_BORDER | (on_click_ ? WS_TABSTOP : 0);
  hwnd_ = MakeControl(parent, {L"STATIC", L"", args.rect, style});
  SetColour(colour_);
  if (hwnd_) {
    hook_.Attach(hwnd_,
                 [this](UINT m, WPARAM w, LPARAM l, LRESULT& r) { return Message(m, w, l, r); });
  }
  return hwnd_ != nullptr;
}

void Swatch::SetColour(Colour colour) {
  colour_ = colour;
  // A system colour is resolved now; the next change or opening resolves it
  // again. The settings window sets every swatch on every change of any
  // field: only a swatch whose colour changed is painted again.
  const COLORREF shown = ResolveColour(colour);
  if (brush_ && shown == shown_) return;
  shown_ = shown;
  brush_ = MakeBrush(shown);
  if (!hwnd_) return;
  InvalidateRect(hwnd_, nullptr, TRUE);
  UpdateWindow(hwnd_);
}

void Swatch::Paint() const {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd_, &ps);
  RECT r;
  GetClientRect(hwnd_, &r);
  FillRect(dc, &r, brush_.get());
  if (GetFocus() == hwnd_) {
    InflateRect(&r, -2, -2);
    DrawFocusRect(dc, &r);
  }
  EndPaint(hwnd_, &ps);
}

bool Swatch::Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND:
      // The paint fills every pixel.
      result = 1;
      return true;
    case WM_PAINT:
      Paint();
      result = 0;
      return true;
    default:
      break;
  }
  if (!on_click_) return false;
  switch (msg) {
    case WM_GETDLGCODE: {
      // Space and Enter choose; Tab, Esc and the rest stay the window's.
      const auto* key = reinterpret_cast<const MSG*>(lp);
      result = DefSubclassProc(hwnd_, msg, wp, lp);
      if (key && key->message == WM_KEYDOWN && IsChooseKey(key->wParam)) {
        result |= DLGC_WANTMESSAGE;
      }
      return true;
    }
    case WM_KEYDOWN:
      if (!IsChooseKey(wp)) return false;
      on_click_();
      result = 0;
      return true;
    case WM_LBUTTONDOWN:
      // A click leaves the focus here, where it returns after the chooser.
      SetFocus(hwnd_);
      on_click_();
      result = 0;
      return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(hwnd_, nullptr, TRUE);
      return false;
    default:
      return false;
  }
}

}  // namespace vx

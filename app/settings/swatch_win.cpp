#include "app/settings/swatch_win.h"

#include <commctrl.h>

#include "app/settings/resolve_colour_win.h"

namespace vx {
namespace {

bool IsChooseKey(WPARAM key) { return key == VK_SPACE || key == VK_RETURN; }

}  // namespace

bool Swatch::Create(HWND parent, const ChildArgs& args, bool choosable) {
  const DWORD style = SS_NOTIFY | WS_BORDER | (choosable ? WS_TABSTOP : 0);
  hwnd_ = MakeControl(parent, {L"STATIC", L"", args.rect, style, args.id});
  if (!args.visible) ShowWindow(hwnd_, SW_HIDE);
  SetColour(colour_);
  if (hwnd_ && choosable) {
    keys_.Attach(hwnd_,
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

void Swatch::Clicked() const {
  SendMessageW(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd_), STN_CLICKED),
               reinterpret_cast<LPARAM>(hwnd_));
}

bool Swatch::Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
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
      Clicked();
      result = 0;
      return true;
    case WM_LBUTTONDOWN:
      // A click leaves the focus here, where it returns after the chooser.
      SetFocus(hwnd_);
      return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(hwnd_, nullptr, TRUE);
      return false;
    case WM_PAINT: {
      result = DefSubclassProc(hwnd_, msg, wp, lp);
      if (GetFocus() == hwnd_) {
        RECT r;
        GetClientRect(hwnd_, &r);
        InflateRect(&r, -2, -2);
        const HDC dc = GetDC(hwnd_);
        DrawFocusRect(dc, &r);
        ReleaseDC(hwnd_, dc);
      }
      return true;
    }
    default:
      return false;
  }
}

}  // namespace vx

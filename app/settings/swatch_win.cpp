#include "app/settings/swatch_win.h"

#include "app/settings/resolve_colour_win.h"

namespace vx {

bool Swatch::Create(HWND parent, const ChildArgs& args) {
  hwnd_ = MakeControl(parent, {L"STATIC", L"", args.rect, SS_NOTIFY | WS_BORDER, args.id});
  if (!args.visible) ShowWindow(hwnd_, SW_HIDE);
  SetColour(colour_);
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

}  // namespace vx

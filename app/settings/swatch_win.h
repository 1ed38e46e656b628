// A colour swatch: a label filled with a settings colour (explicit or a
// system colour element), reporting a left click to its parent (STN_CLICKED).
// A swatch that opens the colour chooser also takes the focus in Tab order,
// shows the focus mark and reports Space and Enter as a click.
#pragma once

#include <windows.h>

#include "app/settings/display_settings_record.h"
#include "common/ui/controls_win.h"
#include "common/ui/gdi_win.h"
#include "common/ui/window_win.h"

namespace vx {

class Swatch {
 public:
  // `choosable`: the swatch is one the person picks a colour with.
  bool Create(HWND parent, const ChildArgs& args, bool choosable = false);
  HWND hwnd() const { return hwnd_; }
  Colour colour() const { return colour_; }
  // Fills the swatch with `colour` and repaints it at once.
  void SetColour(Colour colour);
  // The parent's answer to WM_CTLCOLORSTATIC for this swatch.
  LRESULT Colours() const { return reinterpret_cast<LRESULT>(brush_.get()); }

 private:
  bool Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  void Clicked() const;

  HWND hwnd_ = nullptr;
  Colour colour_ = 0;
  COLORREF shown_ = 0;
  Brush brush_;
  MessageHook keys_;
};

}  // namespace vx

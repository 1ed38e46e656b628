// A colour swatch: a label filled with a settings colour (explicit or a
// system colour element), reporting a left click to its parent (STN_CLICKED).
#pragma once

#include <windows.h>

#include "app/settings/display_settings_record.h"
#include "common/ui/controls_win.h"
#include "common/ui/gdi_win.h"
#include "common/ui/window_win.h"

namespace vx {

class Swatch {
 public:
  bool Create(HWND parent, const ChildArgs& args);
  HWND hwnd() const { return hwnd_; }
  Colour colour() const { return colour_; }
  // Fills the swatch with `colour` and repaints it at once.
  void SetColour(Colour colour);
  // The parent's answer to WM_CTLCOLORSTATIC for this swatch.
  LRESULT Colours() const { return reinterpret_cast<LRESULT>(brush_.get()); }

 private:
  HWND hwnd_ = nullptr;
  Colour colour_ = 0;
  COLORREF shown_ = 0;
  Brush brush_;
};

}  // namespace vx

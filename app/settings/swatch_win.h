// A colour swatch: a bordered label filled with a settings colour (explicit
// or a system colour element), painted by itself. A swatch that opens the
// colour chooser also takes the focus in Tab order, shows the focus mark and
// takes a left click, Space and Enter as its click.
#pragma once

#include <windows.h>

#include <functional>

#include "app/settings/display_settings_record.h"
#include "common/ui/controls_win.h"
#include "common/ui/gdi_win.h"
#include "common/ui/rects.h"

namespace vx {

struct SwatchArgs {
  PixelRect rect{};
  // A swatch with a click is one the person picks a colour with.
  std::function<void()> on_click{};
};

class Swatch {
 public:
  bool Create(HWND parent, SwatchArgs args);
  HWND hwnd() const { return hwnd_; }
  Colour colour() const { return colour_; }
  // Fills the swatch with `colour` and repaints it at once.
  void SetColour(Colour colour);

 private:
  bool Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  void Paint() const;

  HWND hwnd_ = nullptr;
  Colour colour_ = 0;
  COLORREF shown_ = 0;
  Brush brush_;
  std::function<void()> on_click_;
  MessageHook hook_;
};

}  // namespace vx

// The installers' progress bar: a box filling from the left in blue as the
// frames of the work go by, full after kFadeFrames frames.
#pragma once

#include <windows.h>

#include "common/ui/gdi_win.h"
#include "common/ui/window_win.h"

namespace vx {

class ProgressArea : public Window {
 public:
  // A child of `parent` whose client area is `args.rect`.
  bool Create(HWND parent, const ChildArgs& args);
  // Fills the part of the bar that ProgressFrames frames stand for and
  // shows it at once.
  void SetFrames(int ProgressFrames);
  // The filled width in pixels (for checks).
  int filled() const { return filled_; }

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnPaint();
  // The client size, and the bar's height at the window's density.
  void TakeSize();

  Brush bar_brush_;
  int width_ = 0;
  int bar_height_ = 0;
  int height_ = 0;
  int filled_ = 0;
  int frames_ = 0;
};

}  // namespace vx

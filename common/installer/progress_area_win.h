// The installers' progress bar: a box filling from the left in blue as the
// frames of the work go by, full after kFadeFrames frames.
#pragma once

#include <windows.h>

#include "common/ui/progress_bar_win.h"
#include "common/ui/window_win.h"

namespace vx {

class ProgressArea {
 public:
  // A child of `parent` whose client area is `args.rect`.
  bool Create(HWND parent, const ChildArgs& args);
  HWND hwnd() const { return bar_.hwnd(); }
  // Fills the part of the bar that `frames` frames stand for and shows it at once.
  void SetFrames(int frames);
  // The filled width in pixels (for checks).
  int filled() const { return bar_.filled(); }

 private:
  ProgressBar bar_;
  int frames_ = 0;
};

}  // namespace vx

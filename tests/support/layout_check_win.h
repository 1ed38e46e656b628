// The relations a laid-out window keeps at every density, checked on the
// real window rather than against a copy of its layout table.
#pragma once

#include <windows.h>

#include <string>

namespace vx::test {

// What is wrong with how the shown controls of `window` are laid out, one
// line a fault; empty when nothing is. Each of the window's own controls lies
// inside its client area, at least `margin` pixels from each edge (one wholly
// outside the area is not shown, and left out); a control that reaches into
// a group frame lies wholly inside it; no two controls other than frames
// overlap; every button, check box, option and frame shows its whole caption
// on one line and every label its whole text (CutLabels).
std::wstring LayoutFaults(HWND window, int margin = 0);

}  // namespace vx::test

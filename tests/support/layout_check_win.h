// The relations a laid-out window keeps at every density, checked on the
// real window rather than against a copy of its layout table.
#pragma once

#include <windows.h>

#include <string>

namespace vx::test {

// Each shown control of `window` lies inside its client area, at least
// `margin` pixels from each edge; a control that reaches into a frame lies
// wholly inside it; no two controls other than frames overlap; and every
// label, button, check box and option shows its whole text. One line for
// each fault found, empty when there is none.
std::wstring LayoutFaultsWithin(HWND window, int margin = 0);

}  // namespace vx::test

// The dialog keys of the programs' own windows that the system's dialog
// navigation answers as for a window of the dialog class only, which ours
// are not: there, Enter would always go to IDOK.
#pragma once

#include <windows.h>

namespace vx {

// Called by every loop that runs a modal window's messages, before the
// system's dialog navigation. Enter presses the focused push button, or else
// the window's one default button (BS_DEFPUSHBUTTON), when it is enabled; a
// control that takes Enter itself (a number field, a swatch, a dropped
// list) keeps it. A label's mnemonic ("&A", with Alt or where the focus
// takes no characters) moves the focus to the control after the label. The
// focused push button, else the default one, is drawn as the default. True
// when `msg` was answered here.
bool HandleDialogKey(HWND dialog, const MSG& msg);

}  // namespace vx

// Replays a composed dump page on a device context: the screen's off-screen
// image and the printer get the very same page.
#pragma once

#include <windows.h>

#include "app/settings/display_settings.h"
#include "app/view/dump_page.h"

namespace vx {

// An explicit colour as it is; a system colour reference as its current colour.
COLORREF ResolveColour(Colour colour);

// Draws the page's boxes, lines and texts with the font selected into `dc`.
void ReplayPage(HDC dc, const DumpPage& page);

}  // namespace vx

// Replays a composed dump page on a device context: the screen's off-screen
// image and the printer get the very same page.
#pragma once

#include <windows.h>

#include "app/page/dump_page.h"
#include "app/settings/display_settings.h"
#include "app/settings/resolve_colour_win.h"

namespace vx {

// Draws the page's boxes, lines and texts with the font selected into `dc`:
// the texts of a line of cells in one call, each character placed where a
// call of its own would have put it.
void ReplayPage(HDC dc, const DumpPage& page);

}  // namespace vx

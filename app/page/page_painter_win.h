// Replays a composed dump page on a device context: the screen's off-screen
// image and the printer get the very same page.
#pragma once

#include <windows.h>

#include "app/page/dump_page.h"
#include "app/settings/display_settings.h"
#include "app/settings/resolve_colour_win.h"

namespace vx {

// How the texts reach the device: a call per line of cells, each character
// placed where its own call would have put it, or a positioned call per cell.
enum class TextCalls { PerLine, PerCell };

// Draws the page's boxes, lines and texts with the font selected into `dc`.
void ReplayPage(HDC dc, const DumpPage& page, TextCalls calls = TextCalls::PerLine);

}  // namespace vx

// The size of the page area that the settings make, in pixels.
#pragma once

#include "app/settings/display_settings_record.h"

namespace vx {

struct PageGeometry {
  int picture_width;
  int picture_height;
};

// 524 x 390 with the defaults, at 96 dots an inch; at `dpi` the settings
// are scaled as ScaledForDpi scales them and the room round the cells too.
PageGeometry LayOutPage(const DisplaySettingsRecord& settings, int dpi = 96);

// The settings as the screen at `dpi` draws them: the pixel settings
// (margins, line height, cell widths, address width, the gap before the
// text) are kept for 96 dots an inch and scaled here, everything else is as
// stored. Drawing, the caret and the mouse all work from this one copy, so
// they agree at every scale; the printer scales the stored record itself.
DisplaySettingsRecord ScaledForDpi(const DisplaySettingsRecord& settings, int dpi);

}  // namespace vx

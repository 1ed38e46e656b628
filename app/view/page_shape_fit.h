// The page shape that lets the main window fit its screen. A page of 48
// bytes a line and 96 lines is taller and wider than many screens; the
// window would then hide its scroll bar, its progress area and the last rows.
#pragma once

#include "app/settings/display_settings_record.h"
#include "app/settings/page_shape.h"

namespace vx {

// The largest page shape no larger than that of `s` that makes a page area of
// at most `width` x `height` pixels: as many lines as fit (not below 8), and
// the largest multiple of 16 bytes a line that fits (not below 16). A shape
// that fits is given as it is.
PageShape FittedPageShape(const DisplaySettingsRecord& s, int width, int height);

}  // namespace vx

// The size of the page area that the settings make, in pixels.
#pragma once

#include "app/settings/display_settings_record.h"

namespace vx {

struct PageGeometry {
  int picture_width;
  int picture_height;
};

// 524 x 390 with the defaults.
PageGeometry LayOutPage(const DisplaySettingsRecord& s);

}  // namespace vx

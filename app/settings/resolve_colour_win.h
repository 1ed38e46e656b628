// A settings colour as the colour to draw with.
#pragma once

#include <windows.h>

#include "app/settings/display_settings_record.h"

namespace vx {

// An explicit colour as it is; a system colour reference as its current colour.
COLORREF ResolveColour(Colour colour);

}  // namespace vx

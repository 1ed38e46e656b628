#include "app/settings/resolve_colour_win.h"

#include "app/settings/colour_choice.h"

namespace vx {

COLORREF ResolveColour(Colour colour) {
  if (IsSystemColour(colour)) return GetSysColor(SystemColourElement(colour));
  return static_cast<COLORREF>(colour);
}

}  // namespace vx

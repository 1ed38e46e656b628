// The colour chooser's reading and making of colour values: an explicit
// colour 0x00BBGGRR from its three parts, or a reference to Windows system
// colour element n as 0x80000000 + n.
#pragma once

#include <cstdint>

#include "app/settings/display_settings_record.h"

namespace vx {

inline constexpr int kSystemColourCount = 25;

// Every value above 0x00FFFFFF names a system colour.
constexpr bool IsSystemColour(Colour colour) { return colour > 0x00FFFFFFu; }
// The element a system colour names: the value's low 16 bits.
constexpr int SystemColourElement(Colour colour) { return static_cast<int>(colour & 0xFFFFu); }
constexpr Colour SystemColour(int element) {
  return kSystemColourFlag + static_cast<Colour>(element);
}

struct ColourParts {
  int red, green, blue;  // 0..255 each
};

constexpr ColourParts PartsOf(Colour colour) {
  return {static_cast<int>(colour % 256), static_cast<int>(colour / 256 % 256),
          static_cast<int>(colour / 65536 % 256)};
}
constexpr Colour ColourOf(const ColourParts& parts) {
  return static_cast<Colour>(parts.red) + static_cast<Colour>(parts.green) * 256 +
         static_cast<Colour>(parts.blue) * 65536;
}

}  // namespace vx

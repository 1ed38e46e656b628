// The numbers of the settings window. Its layout fields show quantities
// derived from the record (the space below a dump line, not the line height),
// each with its own bounds and step; what the user sets is stored back by the
// inverse rule. The font size field has to be stored first: the other rules use it.
#pragma once

#include <array>
#include <cstdint>

#include "app/settings/display_settings_record.h"

namespace vx {

struct LayoutField {
  int32_t min;
  int32_t max;
  int32_t step;  // of the keys, the buttons and a drag
  // The shown value from the record, and the record from a shown value.
  int32_t (*shown)(const DisplaySettingsRecord& settings);
  void (*store)(DisplaySettingsRecord& settings, int32_t value);
};

inline constexpr int kLayoutFieldCount = 9;
// Index 0 is the top margin, 1 the left margin (not offered, but bounded like
// the rest), 2 the space below a dump line, 3 after a dump byte, 4 bytes per
// line, 5 lines per page, 6 the space after the address, 7 the gap between
// dump and text, 8 the space after a text character.
const std::array<LayoutField, kLayoutFieldCount>& LayoutFields();
// The order in which the fields are filled and read back.
inline constexpr std::array<int, kLayoutFieldCount> kLayoutFieldOrder{0, 1, 2, 3, 6, 4, 5, 7, 8};

inline constexpr int32_t kMinFontSize = 4;
inline constexpr int32_t kMaxFontSize = 32;

using LayoutValues = std::array<int32_t, kLayoutFieldCount>;

// What the fields show for `settings`, each already held in its bounds.
LayoutValues ShownLayoutValues(const DisplaySettingsRecord& settings);
// Stores shown values (each held in its bounds) back into `settings`, whose FontSize
// is already the one to use.
void StoreLayoutValues(DisplaySettingsRecord& settings, const LayoutValues& values);

}  // namespace vx

// What a stored settings record may hold before the program trusts it. Every
// value the settings window can produce lies inside, with room to spare for
// older or hand-edited files; anything outside would divide by zero, make a
// page of no bytes or ask for a page bitmap no display can hold.
#pragma once

#include <cstdint>

#include "app/settings/display_settings_record.h"

namespace vx {

struct SettingRange {
  int32_t min;
  int32_t max;

  constexpr bool Contains(int64_t value) const { return value >= min && value <= max; }
};

namespace settings_range {

// The settings window keeps the margins in 0..128.
inline constexpr SettingRange kMargin{0, 1024};  // TopMargin, LeftMargin
// The window offers 4..32.
inline constexpr SettingRange kFontSize{1, 128};
// The window gives FontSize + 1..11, that is 5..43.
inline constexpr SettingRange kLineHeight{1, 256};
// HexCellWidth: the window gives 2 x FontSize - 3 + 0..128, that is 5..189.
inline constexpr SettingRange kHexCellWidth{1, 512};
// TextCellWidth: the window gives FontSize - 3 + 0..128, that is 1..157.
inline constexpr SettingRange kTextCellWidth{1, 512};
// The window's fields are typed freely within 16..48 and 8..96.
inline constexpr SettingRange kBytesPerLine{1, 256};
inline constexpr SettingRange kLinesPerPage{1, 256};
// The window gives 8 x FontSize + 0..128, that is 32..384.
inline constexpr SettingRange kAddressWidth{0, 1024};
// The window offers 0..128.
inline constexpr SettingRange kDumpTextGap{0, 1024};
inline constexpr SettingRange kInputRadix{0, 2};

// The page area in pixels (LayOutPage). The window's extremes make 17256 x 4260.
inline constexpr int64_t kMaxPageWidth = 20000;
inline constexpr int64_t kMaxPageHeight = 5000;

// System colour references 0x80000000 + n, n = 0..24.
inline constexpr Colour kMaxExplicitColour = 0x00FFFFFFu;
inline constexpr Colour kMaxSystemColour = kSystemColourFlag + 24;

}  // namespace settings_range

bool IsValidColour(Colour colour);

// True when every field lies in its range and the page fits.
bool SettingsAreUsable(const DisplaySettingsRecord& settings);

}  // namespace vx

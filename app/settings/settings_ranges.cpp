#include "app/settings/settings_ranges.h"

#include <algorithm>

#include "app/settings/page_geometry.h"

namespace vx {

bool IsValidColour(Colour colour) {
  using namespace settings_range;
  return colour <= kMaxExplicitColour ||
         (colour >= kSystemColourFlag && colour <= kMaxSystemColour);
}

bool SettingsAreUsable(const DisplaySettingsRecord& s) {
  using namespace settings_range;
  // Fields first: only fields in range keep the page arithmetic from overflowing.
  const bool fields_in_range =
      kMargin.Contains(s.TopMargin) && kMargin.Contains(s.LeftMargin) &&
      kFontSize.Contains(s.FontSize) && kLineHeight.Contains(s.LineHeight) &&
      kHexCellWidth.Contains(s.HexCellWidth) && kTextCellWidth.Contains(s.TextCellWidth) &&
      kBytesPerLine.Contains(s.BytesPerLine) && kLinesPerPage.Contains(s.LinesPerPage) &&
      kAddressWidth.Contains(s.AddressWidth) && kDumpTextGap.Contains(s.DumpTextGap) &&
      kInputRadix.Contains(s.InputRadix);
  if (!fields_in_range) return false;
  const PageGeometry page = LayOutPage(s);
  if (page.picture_width > kMaxPageWidth || page.picture_height > kMaxPageHeight) return false;
  return std::all_of(s.ForeColors.begin(), s.ForeColors.end(), IsValidColour) &&
         std::all_of(s.BackColors.begin(), s.BackColors.end(), IsValidColour) &&
         IsValidColour(s.SeparatorColor);
}

}  // namespace vx

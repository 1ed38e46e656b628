#include "app/settings/settings_ranges.h"

#include <algorithm>
#include <cstdint>

#include "app/settings/layout_fields.h"

namespace vx {
namespace {

constexpr Colour kMaxExplicitColour = 0x00FFFFFFu;
constexpr Colour kMaxSystemColour = kSystemColourFlag + 24;
// Wide enough for any value the window can show, narrow enough that the
// window's derived quantities (such as HexCellWidth - 2 x FontSize + 3)
// cannot overflow on the way into its bounds.
constexpr int32_t kRawLimit = 1 << 20;

bool IsForbiddenInName(wchar_t c) {
  return c < 0x20 || std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos ||
         // A byte that is no Shift-JIS character (text_field.h) makes no name.
         (c >= 0xDC00 && c <= 0xDCFF);
}

void KeepColour(Colour& colour, Colour fallback) {
  if (!IsValidColour(colour)) colour = fallback;
}

}  // namespace

bool IsValidColour(Colour colour) {
  return colour <= kMaxExplicitColour ||
         (colour >= kSystemColourFlag && colour <= kMaxSystemColour);
}

bool BackUpSuffixIsSafe(std::wstring_view suffix) {
  if (std::any_of(suffix.begin(), suffix.end(), IsForbiddenInName)) return false;
  if (suffix.find(L"..") != std::wstring_view::npos) return false;
  return suffix.find_first_not_of(L" .") != std::wstring_view::npos;
}

void BringIntoRanges(DisplaySettingsRecord& s) {
  const DisplaySettingsRecord d = DefaultSettings();
  for (int32_t* field : {&s.TopMargin, &s.LeftMargin, &s.FontSize, &s.LineHeight, &s.HexCellWidth,
                         &s.BytesPerLine, &s.LinesPerPage, &s.AddressWidth, &s.DumpTextGap,
                         &s.TextCellWidth}) {
    *field = std::clamp(*field, -kRawLimit, kRawLimit);
  }
  s.FontSize = std::clamp(s.FontSize, kMinFontSize, kMaxFontSize);
  // Each field as the window would show it, held in the field's bounds and
  // stored back by the window's own rule.
  StoreLayoutValues(s, ShownLayoutValues(s));
  if (s.InputRadix < 0 || s.InputRadix > 2) s.InputRadix = d.InputRadix;
  for (size_t i = 0; i < s.ForeColors.size(); ++i) {
    KeepColour(s.ForeColors[i], d.ForeColors[i]);
    KeepColour(s.BackColors[i], d.BackColors[i]);
  }
  KeepColour(s.SeparatorColor, d.SeparatorColor);
  if (!BackUpSuffixIsSafe(s.BackUpSuffix)) s.BackUpSuffix = d.BackUpSuffix;
}

}  // namespace vx

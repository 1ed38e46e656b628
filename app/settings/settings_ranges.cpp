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

void BringIntoRanges(DisplaySettingsRecord& settings) {
  const DisplaySettingsRecord defaults = DefaultSettings();
  for (int32_t* field :
       {&settings.TopMargin, &settings.LeftMargin, &settings.FontSize, &settings.LineHeight,
        &settings.HexCellWidth, &settings.BytesPerLine, &settings.LinesPerPage,
        &settings.AddressWidth, &settings.DumpTextGap, &settings.TextCellWidth}) {
    *field = std::clamp(*field, -kRawLimit, kRawLimit);
  }
  settings.FontSize = std::clamp(settings.FontSize, kMinFontSize, kMaxFontSize);
  // Each field as the window would show it, held in the field's bounds and
  // stored back by the window's own rule.
  StoreLayoutValues(settings, ShownLayoutValues(settings));
  if (settings.InputRadix < 0 || settings.InputRadix > 2) settings.InputRadix = defaults.InputRadix;
  for (size_t i = 0; i < settings.ForeColors.size(); ++i) {
    KeepColour(settings.ForeColors[i], defaults.ForeColors[i]);
    KeepColour(settings.BackColors[i], defaults.BackColors[i]);
  }
  KeepColour(settings.SeparatorColor, defaults.SeparatorColor);
  if (!BackUpSuffixIsSafe(settings.BackUpSuffix)) settings.BackUpSuffix = defaults.BackUpSuffix;
}

}  // namespace vx

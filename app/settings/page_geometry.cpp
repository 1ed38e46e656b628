#include "app/settings/page_geometry.h"

#include "common/ui/dpi_scale.h"

namespace vx {

PageGeometry LayOutPage(const DisplaySettingsRecord& stored, int dpi) {
  const DisplaySettingsRecord scaled = ScaledForDpi(stored, dpi);
  return {scaled.DumpTextGap + (scaled.HexCellWidth + scaled.TextCellWidth) * scaled.BytesPerLine +
              scaled.LeftMargin + scaled.AddressWidth + ScaleForDpi(8, dpi),
          scaled.LineHeight * scaled.LinesPerPage + scaled.TopMargin + ScaleForDpi(4, dpi)};
}

DisplaySettingsRecord ScaledForDpi(const DisplaySettingsRecord& settings, int dpi) {
  DisplaySettingsRecord scaled = settings;
  for (int32_t DisplaySettingsRecord::*field :
       {&DisplaySettingsRecord::TopMargin, &DisplaySettingsRecord::LeftMargin,
        &DisplaySettingsRecord::LineHeight, &DisplaySettingsRecord::HexCellWidth,
        &DisplaySettingsRecord::AddressWidth, &DisplaySettingsRecord::DumpTextGap,
        &DisplaySettingsRecord::TextCellWidth}) {
    scaled.*field = ScaleForDpi(settings.*field, dpi);
  }
  return scaled;
}

}  // namespace vx

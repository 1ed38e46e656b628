#include "app/settings/page_geometry.h"

#include "common/ui/dpi_scale.h"

namespace vx {

PageGeometry LayOutPage(const DisplaySettingsRecord& stored, int dpi) {
  const DisplaySettingsRecord s = ScaledForDpi(stored, dpi);
  return {s.DumpTextGap + (s.HexCellWidth + s.TextCellWidth) * s.BytesPerLine + s.LeftMargin +
              s.AddressWidth + ScaleForDpi(8, dpi),
          s.LineHeight * s.LinesPerPage + s.TopMargin + ScaleForDpi(4, dpi)};
}

DisplaySettingsRecord ScaledForDpi(const DisplaySettingsRecord& s, int dpi) {
  DisplaySettingsRecord scaled = s;
  for (int32_t DisplaySettingsRecord::*field :
       {&DisplaySettingsRecord::TopMargin, &DisplaySettingsRecord::LeftMargin,
        &DisplaySettingsRecord::LineHeight, &DisplaySettingsRecord::HexCellWidth,
        &DisplaySettingsRecord::AddressWidth, &DisplaySettingsRecord::DumpTextGap,
        &DisplaySettingsRecord::TextCellWidth}) {
    scaled.*field = ScaleForDpi(s.*field, dpi);
  }
  return scaled;
}

}  // namespace vx

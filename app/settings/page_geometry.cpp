#include "app/settings/page_geometry.h"

namespace vx {

PageGeometry LayOutPage(const DisplaySettingsRecord& s) {
  return {s.DumpTextGap + (s.HexCellWidth + s.TextCellWidth) * s.BytesPerLine + s.LeftMargin +
              s.AddressWidth + 8,
          s.LineHeight * s.LinesPerPage + s.TopMargin + 4};
}

}  // namespace vx

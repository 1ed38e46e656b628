#include "app/settings/display_settings_record.h"

#include "common/ui/font_faces.h"

namespace vx {

std::wstring PadField(std::wstring_view text, size_t length) {
  std::wstring field(text.substr(0, length));
  field.resize(length, L' ');
  return field;
}

DisplaySettingsRecord DefaultSettings() {
  DisplaySettingsRecord s;
  s.TopMargin = 2;
  s.LeftMargin = 4;
  s.FontSize = 9;
  s.LineHeight = 12;
  s.HexCellWidth = 18;
  s.BytesPerLine = 16;
  s.LinesPerPage = 32;
  s.AddressWidth = 80;
  s.DumpTextGap = 16;
  s.TextCellWidth = 8;
  s.AutoBackUp = true;
  s.BackUpSuffix = PadField(L"_VXBackUp", kBackUpSuffixLength);
  s.FontName = PadField(font_faces::kFixedPitch, kFontNameLength);
  s.InputRadix = 0;
  s.HideInputAfterEntry = true;
  s.MoveAfterEntry = true;
  s.AutoCompleteAtMax = false;
  s.ForeColors = {0, 0, 0, 0};
  s.BackColors = {0xFFFFFF, 0xEFEFEF, 0xFFFFFF, 0xEFEFEF};
  s.SeparatorColor = 0x808080;
  return s;
}

}  // namespace vx

#include "app/settings/layout_fields.h"

#include "app/controls/number_field_rules.h"

namespace vx {

const std::array<LayoutField, kLayoutFieldCount>& LayoutFields() {
  using Record = DisplaySettingsRecord;
  static const std::array<LayoutField, kLayoutFieldCount> fields{{
      {0, 128, 1, [](const Record& settings) { return settings.TopMargin; },
       [](Record& settings, int32_t value) { settings.TopMargin = value; }},
      {0, 128, 1, [](const Record& settings) { return settings.LeftMargin; },
       [](Record& settings, int32_t value) { settings.LeftMargin = value; }},
      {0, 10, 1, [](const Record& settings) { return settings.LineHeight - settings.FontSize - 1; },
       [](Record& settings, int32_t value) {
         settings.LineHeight = value + settings.FontSize + 1;
       }},
      {0, 128, 1,
       [](const Record& settings) { return settings.HexCellWidth - 2 * settings.FontSize + 3; },
       [](Record& settings, int32_t value) {
         settings.HexCellWidth = value + 2 * settings.FontSize - 3;
       }},
      {16, 48, 16, [](const Record& settings) { return settings.BytesPerLine; },
       [](Record& settings, int32_t value) { settings.BytesPerLine = value; }},
      {8, 96, 8, [](const Record& settings) { return settings.LinesPerPage; },
       [](Record& settings, int32_t value) { settings.LinesPerPage = value; }},
      {0, 128, 1,
       [](const Record& settings) { return settings.AddressWidth - 8 * settings.FontSize; },
       [](Record& settings, int32_t value) {
         settings.AddressWidth = value + 8 * settings.FontSize;
       }},
      {0, 128, 1, [](const Record& settings) { return settings.DumpTextGap; },
       [](Record& settings, int32_t value) { settings.DumpTextGap = value; }},
      {0, 128, 1,
       [](const Record& settings) { return settings.TextCellWidth - settings.FontSize + 3; },
       [](Record& settings, int32_t value) {
         settings.TextCellWidth = value + settings.FontSize - 3;
       }},
  }};
  return fields;
}

LayoutValues ShownLayoutValues(const DisplaySettingsRecord& settings) {
  LayoutValues values{};
  for (int i : kLayoutFieldOrder) {
    const LayoutField& field = LayoutFields()[i];
    values[i] = ClampValue(field.shown(settings), field.min, field.max);
  }
  return values;
}

void StoreLayoutValues(DisplaySettingsRecord& settings, const LayoutValues& values) {
  for (int i : kLayoutFieldOrder) {
    const LayoutField& field = LayoutFields()[i];
    field.store(settings, ClampValue(values[i], field.min, field.max));
  }
}

}  // namespace vx

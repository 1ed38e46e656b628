#include "app/settings/layout_fields.h"

#include "app/controls/number_field_rules.h"

namespace vx {

const std::array<LayoutField, kLayoutFieldCount>& LayoutFields() {
  using S = DisplaySettingsRecord;
  static const std::array<LayoutField, kLayoutFieldCount> fields{{
      {0, 128, 1, [](const S& s) { return s.TopMargin; }, [](S& s, int32_t v) { s.TopMargin = v; }},
      {0, 128, 1, [](const S& s) { return s.LeftMargin; },
       [](S& s, int32_t v) { s.LeftMargin = v; }},
      {0, 10, 1, [](const S& s) { return s.LineHeight - s.FontSize - 1; },
       [](S& s, int32_t v) { s.LineHeight = v + s.FontSize + 1; }},
      {0, 128, 1, [](const S& s) { return s.HexCellWidth - 2 * s.FontSize + 3; },
       [](S& s, int32_t v) { s.HexCellWidth = v + 2 * s.FontSize - 3; }},
      {16, 48, 16, [](const S& s) { return s.BytesPerLine; },
       [](S& s, int32_t v) { s.BytesPerLine = v; }},
      {8, 96, 8, [](const S& s) { return s.LinesPerPage; },
       [](S& s, int32_t v) { s.LinesPerPage = v; }},
      {0, 128, 1, [](const S& s) { return s.AddressWidth - 8 * s.FontSize; },
       [](S& s, int32_t v) { s.AddressWidth = v + 8 * s.FontSize; }},
      {0, 128, 1, [](const S& s) { return s.DumpTextGap; },
       [](S& s, int32_t v) { s.DumpTextGap = v; }},
      {0, 128, 1, [](const S& s) { return s.TextCellWidth - s.FontSize + 3; },
       [](S& s, int32_t v) { s.TextCellWidth = v + s.FontSize - 3; }},
  }};
  return fields;
}

LayoutValues ShownLayoutValues(const DisplaySettingsRecord& s) {
  LayoutValues values{};
  for (int i : kLayoutFieldOrder) {
    const LayoutField& f = LayoutFields()[i];
    values[i] = ClampValue(f.shown(s), f.min, f.max);
  }
  return values;
}

void StoreLayoutValues(DisplaySettingsRecord& s, const LayoutValues& values) {
  for (int i : kLayoutFieldOrder) {
    const LayoutField& f = LayoutFields()[i];
    f.store(s, ClampValue(values[i], f.min, f.max));
  }
}

}  // namespace vx

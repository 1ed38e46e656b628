#include "app/settings/text_field.h"

#include "app/settings/display_settings_record.h"
#include "common/code_page.h"
#include "common/shift_jis_tables.h"

namespace vx {

std::string FitShiftJis(std::wstring_view text, size_t width) {
  std::string bytes = ToShiftJis(text);
  size_t kept = 0;
  while (kept < bytes.size()) {
    const bool lead = SjisTables.LeadByteTable[static_cast<uint8_t>(bytes[kept])];
    const size_t next = kept + (lead ? 2 : 1);
    if (next > width) break;
    kept = next;
  }
  bytes.resize(kept);
  bytes.resize(width, ' ');
  return bytes;
}

std::wstring FitTextField(std::wstring_view text, size_t width) {
  return PadField(FromShiftJis(FitShiftJis(text, width)), width);
}

}  // namespace vx

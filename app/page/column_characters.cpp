#include "app/page/column_characters.h"

#include "common/code_page.h"
#include "common/shift_jis_tables.h"

namespace vx {

CharacterCodec ShiftJisCharacters() {
  return {
      [](std::span<const uint8_t> bytes) -> std::optional<ReadCharacter> {
        if (bytes.empty()) return std::nullopt;
        const bool lead = kShiftJisTables.is_lead[bytes[0]];
        if (lead && (bytes.size() < 2 || !kShiftJisTables.is_trail[bytes[1]])) return std::nullopt;
        const int length = lead ? 2 : 1;
        const std::string raw(bytes.begin(), bytes.begin() + length);
        std::wstring text = FromShiftJis(raw);
        // A byte the code page leaves empty reads back as other bytes.
        if (text.empty() || ToShiftJis(text) != raw) return std::nullopt;
        return ReadCharacter{std::move(text), length};
      },
      [](std::wstring_view character) -> std::optional<std::string> {
        std::string bytes = ToShiftJis(character);
        if (bytes.empty() || FromShiftJis(bytes) != character) return std::nullopt;
        return bytes;
      },
  };
}

CharacterCodec TextColumnCharacters() { return ShiftJisCharacters(); }

}  // namespace vx

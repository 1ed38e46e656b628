// The record of user settings: its fields, their defaults and the fixed
// lengths of its two text fields.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

// A colour is 0x00BBGGRR, or 0x80000000 + n for Windows system colour n (0..24),
// resolved when it is drawn.
using Colour = uint32_t;
inline constexpr Colour kSystemColourFlag = 0x80000000u;

struct DisplaySettingsRecord {
  int32_t TopMargin = 0;
  int32_t LeftMargin = 0;
  int32_t FontSize = 0;
  int32_t LineHeight = 0;
  int32_t HexCellWidth = 0;
  int32_t BytesPerLine = 0;
  int32_t LinesPerPage = 0;
  int32_t AddressWidth = 0;
  int32_t DumpTextGap = 0;
  int32_t TextCellWidth = 0;
  bool AutoBackUp = false;
  std::wstring BackUpSuffix;  // 10 characters, blank-padded
  std::wstring FontName;      // 50 characters, blank-padded
  int32_t InputRadix = 0;     // 0 hexadecimal, 1 decimal, 2 binary
  bool HideInputAfterEntry = false;
  bool MoveAfterEntry = false;
  bool AutoCompleteAtMax = false;
  std::array<Colour, 4> ForeColors{};
  std::array<Colour, 4> BackColors{};
  Colour SeparatorColor = 0;

  bool operator==(const DisplaySettingsRecord&) const = default;
};

// In memory the two text fields always hold exactly this many characters.
inline constexpr size_t kBackUpSuffixLength = 10;
inline constexpr size_t kFontNameLength = 50;

// `text` cut or padded with blanks to `length` characters.
std::wstring PadField(std::wstring_view text, size_t length);

DisplaySettingsRecord DefaultSettings();

}  // namespace vx

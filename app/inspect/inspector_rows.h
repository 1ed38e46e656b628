// The data inspector's rows without their window: what each row shows for the
// bytes at the caret, and the bytes a value typed into a row stands for, or
// why it is refused. Every row reads its bytes in one byte order.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/page/column_characters.h"

namespace vx {

enum class ByteOrder { Little, Big };

enum class InspectorRow {
  Signed8,
  Unsigned8,
  Signed16,
  Unsigned16,
  Signed32,
  Unsigned32,
  Signed64,
  Unsigned64,
  Float32,
  Float64,
  Binary,
  Octal,
  ColumnCharacter,  // in the text column's encoding
  Utf8Character,
  Utf16Character,
  UnixTime32,
  UnixTime64,
  FileTime,
  DosDateTime,
};

inline constexpr std::array<InspectorRow, 19> kInspectorRows{
    InspectorRow::Signed8,         InspectorRow::Unsigned8,     InspectorRow::Signed16,
    InspectorRow::Unsigned16,      InspectorRow::Signed32,      InspectorRow::Unsigned32,
    InspectorRow::Signed64,        InspectorRow::Unsigned64,    InspectorRow::Float32,
    InspectorRow::Float64,         InspectorRow::Binary,        InspectorRow::Octal,
    InspectorRow::ColumnCharacter, InspectorRow::Utf8Character, InspectorRow::Utf16Character,
    InspectorRow::UnixTime32,      InspectorRow::UnixTime64,    InspectorRow::FileTime,
    InspectorRow::DosDateTime,
};

// The row's caption beside its field.
const wchar_t* RowLabel(InspectorRow row);

// What a row shows for `bytes`, the bytes from the caret on (up to 8; fewer
// at the end of the file): its value, or that its bytes pass the end.
std::wstring RowText(InspectorRow row, std::span<const uint8_t> bytes, ByteOrder order,
                     const CharacterCodec& column);

// A value typed into a row: its bytes, or the message that refuses it.
struct TypedRowValue {
  std::vector<uint8_t> bytes;
  std::wstring refusal;  // empty when the value is taken
};
TypedRowValue ParseRowValue(InspectorRow row, std::wstring_view text, ByteOrder order,
                            const CharacterCodec& column);

}  // namespace vx

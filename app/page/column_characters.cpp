#include "app/page/column_characters.h"

#include "app/settings/view_settings.h"
#include "common/code_page.h"
#include "common/shift_jis_tables.h"

namespace vx {
namespace {

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c < 0xE000; }

uint32_t Unit16(std::span<const uint8_t> bytes, bool big_endian) {
  return big_endian ? uint32_t{bytes[0]} << 8 | bytes[1] : uint32_t{bytes[1]} << 8 | bytes[0];
}

// A code page's character: the shortest start that converts to one
// character and back to the very same bytes.
std::optional<ReadCharacter> ReadCodePageCharacter(TextEncoding encoding,
                                                   std::span<const uint8_t> bytes) {
  const int longest = std::min<int>(LongestCharacter(encoding), static_cast<int>(bytes.size()));
  for (int length = 1; length <= longest; ++length) {
    const std::string_view raw(reinterpret_cast<const char*>(bytes.data()),
                               static_cast<size_t>(length));
    std::wstring text = DecodeText(raw, encoding);
    if (!SingleCharacter(text)) continue;
    const std::optional<std::string> back = EncodeText(text, encoding);
    if (back && *back == raw) return ReadCharacter{std::move(text), length};
  }
  return std::nullopt;
}

}  // namespace

int LongestCharacter(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Windows1252:
      return 1;
    case TextEncoding::ShiftJis:
    case TextEncoding::SystemAnsi:
      return 2;
    case TextEncoding::EucJp:
      return 3;
    case TextEncoding::Utf8:
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
      return 4;
  }
  return 1;
}

std::optional<ReadCharacter> ReadShiftJisCharacter(std::span<const uint8_t> bytes) {
  if (bytes.empty()) return std::nullopt;
  const bool lead = kShiftJisTables.is_lead[bytes[0]];
  if (lead && (bytes.size() < 2 || !kShiftJisTables.is_trail[bytes[1]])) return std::nullopt;
  const int length = lead ? 2 : 1;
  const std::string raw(bytes.begin(), bytes.begin() + length);
  std::wstring text = FromShiftJis(raw);
  // A byte the code page leaves empty reads back as other bytes.
  const std::optional<std::string> back = EncodeText(text, TextEncoding::ShiftJis);
  if (!back || *back != raw) return std::nullopt;
  return ReadCharacter{std::move(text), length};
}

std::optional<ReadCharacter> ReadEncodedCharacter(TextEncoding encoding,
                                                  std::span<const uint8_t> bytes) {
  switch (encoding) {
    case TextEncoding::ShiftJis:
      return ReadShiftJisCharacter(bytes);
    case TextEncoding::Utf8:
      return ReadUtf8(bytes);
    case TextEncoding::Utf16Le:
      return ReadUtf16(bytes, false);
    case TextEncoding::Utf16Be:
      return ReadUtf16(bytes, true);
    default:
      return ReadCodePageCharacter(encoding, bytes);
  }
}

CharacterCodec CharactersOf(TextEncoding encoding) {
  return {
      [encoding](std::span<const uint8_t> bytes) { return ReadEncodedCharacter(encoding, bytes); },
      [encoding](std::wstring_view character) -> std::optional<std::string> {
        std::optional<std::string> bytes = EncodeText(character, encoding);
        if (!bytes || bytes->empty()) return std::nullopt;
        return bytes;
      },
  };
}

CharacterCodec TextColumnCharacters() { return CharactersOf(TextColumnEncoding()); }

std::optional<ReadCharacter> ReadUtf8(std::span<const uint8_t> bytes) {
  if (bytes.empty()) return std::nullopt;
  const uint8_t lead = bytes[0];
  if (lead < 0x80) return ReadCharacter{WideOf(lead), 1};
  int length = 0;
  char32_t value = 0;
  char32_t lowest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1F, lowest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0F, lowest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07, lowest = 0x10000;
  } else {
    return std::nullopt;
  }
  if (static_cast<int>(bytes.size()) < length) return std::nullopt;
  for (int i = 1; i < length; ++i) {
    const uint8_t next = bytes[static_cast<size_t>(i)];
    if ((next & 0xC0) != 0x80) return std::nullopt;
    value = value << 6 | (next & 0x3F);
  }
  if (value < lowest || value > 0x10FFFF || IsSurrogate(value)) return std::nullopt;
  return ReadCharacter{WideOf(value), length};
}

std::optional<ReadCharacter> ReadUtf16(std::span<const uint8_t> bytes, bool big_endian) {
  if (bytes.size() < 2) return std::nullopt;
  const char32_t first = Unit16(bytes, big_endian);
  if (first >= 0xDC00 && first < 0xE000) return std::nullopt;
  if (!IsSurrogate(first)) return ReadCharacter{WideOf(first), 2};
  if (bytes.size() < 4) return std::nullopt;
  const char32_t second = Unit16(bytes.subspan(2), big_endian);
  if (second < 0xDC00 || second >= 0xE000) return std::nullopt;
  return ReadCharacter{WideOf(0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00)), 4};
}

std::optional<char32_t> SingleCharacter(std::wstring_view text) {
  if (text.size() == 1) {
    const auto c = static_cast<char32_t>(text[0]);
    if (IsSurrogate(c) || c > 0x10FFFF) return std::nullopt;
    return c;
  }
  if (sizeof(wchar_t) == 2 && text.size() == 2) {
    const auto high = static_cast<char32_t>(text[0]);
    const auto low = static_cast<char32_t>(text[1]);
    if (high >= 0xD800 && high < 0xDC00 && low >= 0xDC00 && low < 0xE000) {
      return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
    }
  }
  return std::nullopt;
}

std::wstring WideOf(char32_t code_point) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (code_point >= 0x10000) {
      const char32_t v = code_point - 0x10000;
      return {static_cast<wchar_t>(0xD800 + (v >> 10)), static_cast<wchar_t>(0xDC00 + (v & 0x3FF))};
    }
  }
  return std::wstring(1, static_cast<wchar_t>(code_point));
}

}  // namespace vx

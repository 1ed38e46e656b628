#include "app/search/match_row.h"

#include <algorithm>

#include "app/edit/column_text.h"
#include "common/hex_digits.h"

namespace vx {

MatchStretch StretchAround(int64_t offset, int64_t length, int64_t file_size) {
  const int64_t first = std::max<int64_t>(0, offset - kContextBytes);
  const int64_t shown = std::min(length, kMatchBytesShown);
  const int64_t end = std::min(file_size, offset + shown + kContextBytes);
  return {first, std::max<int64_t>(0, end - first)};
}

std::wstring HexAddressText(int64_t offset) {
  std::wstring digits;
  for (uint64_t rest = static_cast<uint64_t>(offset); rest > 0 || digits.size() < 8; rest >>= 4) {
    digits.insert(digits.begin(), static_cast<wchar_t>(kHexDigits[rest & 0xF]));
  }
  return digits;
}

std::wstring StretchHex(std::span<const uint8_t> bytes, const MatchStretch& stretch, int64_t offset,
                        int64_t length) {
  std::wstring text;
  const int64_t shown_end = offset + std::min(length, kMatchBytesShown);
  for (size_t i = 0; i < bytes.size(); ++i) {
    const int64_t at = stretch.first + static_cast<int64_t>(i);
    if (!text.empty()) text += L' ';
    if (at == offset) text += L'[';
    text += static_cast<wchar_t>(kHexDigits[bytes[i] >> 4]);
    text += static_cast<wchar_t>(kHexDigits[bytes[i] & 0xF]);
    if (at + 1 == shown_end) text += length > kMatchBytesShown ? L"…]" : L"]";
  }
  return text;
}

std::wstring StretchText(std::span<const uint8_t> bytes) {
  std::wstring text;
  // Control bytes as dots, as the option shows them: a row is one line.
  ColumnTextDecoder decoder(TextEncoding::ShiftJis, 0, true);
  decoder.Append(bytes, text);
  decoder.Finish(text);
  return text;
}

}  // namespace vx

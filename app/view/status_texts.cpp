#include "app/view/status_texts.h"

#include "app/file/file_limits.h"
#include "app/view/status_label_texts.h"
#include "common/hex_digits.h"

namespace vx {
namespace {

// The pattern "000,000,000": at least 9 digits, zero-padded, a comma between
// every group of three; a 10-digit size simply gets one more group.
std::wstring GroupedSize(int32_t size) {
  std::wstring digits = std::to_wstring(size);
  if (digits.size() < 9) digits.insert(0, 9 - digits.size(), L'0');
  std::wstring grouped;
  grouped.reserve(digits.size() + digits.size() / 3);
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += L',';
    grouped += digits[i];
  }
  return grouped;
}

// size / (unit / 10) to a whole number, halves to even: the size in tenths of
// the unit.
int64_t RoundedTenths(int64_t size, int64_t unit) {
  const int64_t step = unit / 10;
  const int64_t quotient = size / step;
  const int64_t twice_rest = 2 * (size % step);
  if (twice_rest > step || (twice_rest == step && quotient % 2 != 0)) return quotient + 1;
  return quotient;
}

// A number of tenths as the default number-to-text prints it: "1.2", but "2"
// for 2.0 and "0" for 0.0.
std::wstring TenthsText(int64_t tenths) {
  std::wstring text = std::to_wstring(tenths / 10);
  if (tenths % 10 != 0) {
    text += L'.';
    text += static_cast<wchar_t>(L'0' + tenths % 10);
  }
  return text;
}

std::wstring BinaryText(uint8_t b) {
  std::wstring bits(8, L'0');
  for (int i = 0; i < 8; ++i) {
    if (b & (0x80 >> i)) bits[i] = L'1';
  }
  return bits;
}

std::wstring HexText(uint32_t value) {
  std::wstring text;
  do {
    text.insert(text.begin(), static_cast<wchar_t>(kHexDigits[value & 0xF]));
    value >>= 4;
  } while (value != 0);
  return text;
}

template <typename... Parts>
std::wstring Join(const Parts&... parts) {
  std::wstring text;
  text.reserve((std::wstring_view(parts).size() + ...));
  (text.append(parts), ...);
  return text;
}

}  // namespace

std::wstring FileNameLabel(std::wstring_view short_name) {
  return Join(kFileNamePrefix, short_name);
}

std::wstring SizeLabel(int32_t file_size) {
  return Join(kSizePrefix, GroupedSize(file_size), kSizeBytesUnit,
              TenthsText(RoundedTenths(file_size, 1000)), kSizeKiloUnit,
              TenthsText(RoundedTenths(file_size, 1000000)), kSizeMegaUnit);
}

std::wstring WidestSizeLabel() { return SizeLabel(static_cast<int32_t>(kRefusedFileSize - 1)); }

std::wstring WindowTitle(std::wstring_view path) { return Join(kTitlePrefix, path, kTitleSuffix); }

CaretStatusTexts CaretStatus(int32_t offset, const std::array<uint8_t, 4>& from_caret,
                             uint8_t page_byte) {
  const uint32_t two = from_caret[0] | (uint32_t{from_caret[1]} << 8);
  const uint32_t four = two | (uint32_t{from_caret[2]} << 16) | (uint32_t{from_caret[3]} << 24);
  return {
      Join(HexText(static_cast<uint32_t>(offset)), kAddressDecimalOpen, std::to_wstring(offset),
           kAddressSuffix),
      Join(kFourBytePrefix, std::to_wstring(four)),
      Join(kTwoBytePrefix, std::to_wstring(two)),
      Join(kOneBytePrefix, std::to_wstring(page_byte)),
      Join(kBinaryPrefix, BinaryText(from_caret[0])),
  };
}

CaretStatusTexts UnreadCaretStatus() {
  return {std::wstring(kUnreadAddressLabel), std::wstring(kUnreadFourByteLabel),
          std::wstring(kUnreadTwoByteLabel), std::wstring(kUnreadOneByteLabel),
          std::wstring(kUnreadBinaryLabel)};
}

CaretStatusTexts WidestCaretStatus() {
  return CaretStatus(static_cast<int32_t>(kRefusedFileSize - 2), {0xFF, 0xFF, 0xFF, 0xFF}, 0xFF);
}

}  // namespace vx

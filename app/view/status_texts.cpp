#include "app/view/status_texts.h"

#include <limits>

#include "app/view/status_label_texts.h"
#include "common/digit_groups.h"
#include "common/hex_digits.h"

namespace vx {
namespace {

// The pattern "000,000,000": at least 9 digits; a longer size simply gets
// more groups.
constexpr size_t kSizeDigits = 9;

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

std::wstring HexText(uint64_t value) {
  std::wstring text;
  do {
    text.insert(text.begin(), static_cast<wchar_t>(kHexDigits[value & 0xF]));
    value >>= 4;
  } while (value != 0);
  return text;
}

// The largest size a file with `address_digits` digits in its addresses can
// have. Below 4 GiB it is the size of 2^31 - 2 bytes, whose label has every
// part as long as any size there gives; the labels keep the width they had
// when larger files were not taken.
int64_t LargestSize(int address_digits) {
  if (address_digits <= 8) return 2147483646;
  if (address_digits >= 16) return std::numeric_limits<int64_t>::max();
  return (int64_t{1} << (4 * address_digits)) - 1;
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

std::wstring SizeLabel(int64_t file_size) {
  return Join(kSizePrefix, GroupedDigits(file_size, kSizeDigits), kSizeBytesUnit,
              TenthsText(RoundedTenths(file_size, 1000)), kSizeKiloUnit,
              TenthsText(RoundedTenths(file_size, 1000000)), kSizeMegaUnit);
}

std::wstring WidestSizeLabel(int address_digits) {
  const int64_t largest = LargestSize(address_digits);
  if (address_digits <= 8) return SizeLabel(largest);
  // A tenth that rounds to .0 is printed without it; a size a little smaller
  // has both tenths, and the wider of the two is kept.
  std::wstring at_largest = SizeLabel(largest);
  std::wstring below = SizeLabel(largest - 100100);
  return below.size() > at_largest.size() ? below : at_largest;
}

std::wstring WindowTitle(std::wstring_view path) { return Join(kTitlePrefix, path, kTitleSuffix); }

CaretStatusTexts CaretStatus(int64_t offset, const std::array<uint8_t, 4>& from_caret,
                             uint8_t page_byte) {
  const uint32_t two = from_caret[0] | (uint32_t{from_caret[1]} << 8);
  const uint32_t four = two | (uint32_t{from_caret[2]} << 16) | (uint32_t{from_caret[3]} << 24);
  return {
      Join(HexText(static_cast<uint64_t>(offset)), kAddressDecimalOpen, std::to_wstring(offset),
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

namespace {

// "10 (16)": the number in hexadecimal, then in decimal.
std::wstring BothRadixes(int64_t value) {
  return Join(HexText(static_cast<uint64_t>(value)), kSelectionDecimalOpen,
              std::to_wstring(value), kSelectionDecimalClose);
}

std::wstring_view SelectionPrefix(bool extending) {
  return extending ? kExtendingPrefix : kSelectionPrefix;
}

std::wstring SelectionText(int64_t first, int64_t last, int64_t length, bool extending) {
  return Join(SelectionPrefix(extending), HexText(static_cast<uint64_t>(first)),
              kSelectionTo, HexText(static_cast<uint64_t>(last)), kSelectionDecimalOpen,
              std::to_wstring(first), kSelectionTo, std::to_wstring(last),
              kSelectionDecimalClose, kSelectionLengthPrefix, BothRadixes(length));
}

}  // namespace

std::wstring SelectionLabel(const std::optional<ByteRange>& range, bool extending) {
  if (!range) return Join(SelectionPrefix(extending), kNoSelection);
  return SelectionText(range->first, range->last(), range->length, extending);
}

std::wstring WidestSelectionLabel(int address_digits) {
  // Every number with the most digits the file's addresses allow: the label
  // is fixed pitch, so no real selection comes out wider.
  const int64_t largest = LargestSize(address_digits);
  return SelectionText(largest - 1, largest - 1, largest, true);
}

CaretStatusTexts WidestCaretStatus(int address_digits) {
  return CaretStatus(LargestSize(address_digits) - 1, {0xFF, 0xFF, 0xFF, 0xFF}, 0xFF);
}

}  // namespace vx

#include "app/settings/text_field.h"

#include "app/settings/display_settings_record.h"
#include "common/code_page.h"
#include "common/shift_jis_tables.h"

namespace vx {
namespace {

constexpr wchar_t kRawByteBase = 0xDC00;

bool IsRawByte(wchar_t unit) { return unit >= kRawByteBase && unit <= kRawByteBase + 0xFF; }
bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

// The one character that `bytes` stand for, when converting it back gives
// exactly these bytes; otherwise empty.
std::wstring ExactCharacter(std::string_view bytes) {
  std::wstring c = FromShiftJis(bytes);
  if (c.size() != 1 || IsRawByte(c[0]) || ToShiftJis(c) != bytes) return {};
  return c;
}

}  // namespace

std::wstring DecodeTextField(std::string_view bytes) {
  std::wstring text;
  text.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    const auto b = static_cast<uint8_t>(bytes[i]);
    // The ASCII range is the same in code page 932.
    if (b < 0x80) {
      text += static_cast<wchar_t>(b);
      ++i;
      continue;
    }
    if (i + 1 < bytes.size() && kShiftJisTables.IsPair(b, static_cast<uint8_t>(bytes[i + 1]))) {
      if (std::wstring c = ExactCharacter(bytes.substr(i, 2)); !c.empty()) {
        text += c;
        i += 2;
        continue;
      }
    }
    if (std::wstring c = ExactCharacter(bytes.substr(i, 1)); !c.empty()) {
      text += c;
    } else {
      text += static_cast<wchar_t>(kRawByteBase + b);
    }
    ++i;
  }
  return text;
}

std::string FitShiftJis(std::wstring_view text, size_t width) {
  std::string bytes;
  for (size_t i = 0; i < text.size();) {
    // A surrogate pair is one character (with no Shift-JIS form).
    const size_t length = IsHighSurrogate(text[i]) && i + 1 < text.size() ? 2 : 1;
    const std::string unit = length == 1 && IsRawByte(text[i])
                                 ? std::string(1, static_cast<char>(text[i] - kRawByteBase))
                                 : ToShiftJis(text.substr(i, length));
    if (bytes.size() + unit.size() > width) break;
    bytes += unit;
    i += length;
  }
  bytes.resize(width, ' ');
  return bytes;
}

std::wstring FitTextField(std::wstring_view text, size_t width) {
  return PadField(DecodeTextField(FitShiftJis(text, width)), width);
}

}  // namespace vx

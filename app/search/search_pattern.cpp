#include "app/search/search_pattern.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "app/search/search_texts.h"
#include "common/text_encoding.h"
#include "common/text_mapping.h"

namespace vx {

void SearchPattern::AddExact(std::span<const uint8_t> bytes) {
  one_.insert(one_.end(), bytes.begin(), bytes.end());
  other_.insert(other_.end(), bytes.begin(), bytes.end());
}

void SearchPattern::AddEither(std::span<const uint8_t> one, std::span<const uint8_t> other) {
  if (std::equal(one.begin(), one.end(), other.begin(), other.end())) return AddExact(one);
  choices_.push_back({one_.size(), one.size()});
  one_.insert(one_.end(), one.begin(), one.end());
  other_.insert(other_.end(), other.begin(), other.end());
}

bool SearchPattern::Matches(const uint8_t* at) const {
  auto same = [&](const std::vector<uint8_t>& form, size_t first, size_t length) {
    return std::memcmp(at + first, form.data() + first, length) == 0;
  };
  size_t place = 0;
  for (const Choice& choice : choices_) {
    if (!same(one_, place, choice.first - place)) return false;
    if (!same(one_, choice.first, choice.length) && !same(other_, choice.first, choice.length)) {
      return false;
    }
    place = choice.first + choice.length;
  }
  return same(one_, place, one_.size() - place);
}

namespace {

namespace t = search_texts;

using Message = std::optional<std::wstring>;

// `text` with %1, %2, ... replaced by `values`.
std::wstring FillIn(std::wstring_view text, std::initializer_list<std::wstring_view> values) {
  std::wstring out;
  for (size_t i = 0; i < text.size(); ++i) {
    const size_t k = i + 1 < text.size() && text[i] == L'%' ? text[i + 1] - L'1' : values.size();
    if (k < values.size()) {
      out += values.begin()[k];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

// The byte values typed in hexadecimal, split at every single blank (full
// width and upper case allowed; an empty element is 0).
Message BytesFromValues(std::wstring_view typed, std::vector<uint8_t>& bytes) {
  const std::wstring text = NarrowAndLower(typed);
  for (wchar_t c : text) {
    if (c != L' ' && !(c >= L'0' && c <= L'9') && !(c >= L'a' && c <= L'f')) {
      return t::kOutsideRules;
    }
  }
  if (text.empty()) return t::kNoData;
  bytes.clear();
  size_t begin = 0;
  while (true) {
    const size_t end = std::min(text.find(L' ', begin), text.size());
    if (end - begin > 2) return t::kBeyondByte;
    int value = 0;
    for (size_t i = begin; i < end; ++i) {
      value = value * 16 + (text[i] <= L'9' ? text[i] - L'0' : text[i] - L'a' + 10);
    }
    bytes.push_back(static_cast<uint8_t>(value));
    if (end == text.size()) return std::nullopt;
    begin = end + 1;
  }
}

TextEncoding EncodingOf(SearchKind kind) {
  switch (kind) {
    case SearchKind::Utf8:
      return TextEncoding::Utf8;
    case SearchKind::Utf16Le:
      return TextEncoding::Utf16Le;
    case SearchKind::Utf16Be:
      return TextEncoding::Utf16Be;
    default:
      return TextEncoding::ShiftJis;
  }
}

// A Latin letter's two cases, half- or full-width; none for anything else.
std::optional<std::pair<wchar_t, wchar_t>> LetterCases(wchar_t c) {
  if ((c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z')) {
    return std::pair<wchar_t, wchar_t>(c & ~0x20, c | 0x20);
  }
  constexpr wchar_t kFullUpper = L'\uFF21', kFullLower = L'\uFF41';
  if (c >= kFullUpper && c < kFullUpper + 26) return std::pair<wchar_t, wchar_t>(c, c + 0x20);
  if (c >= kFullLower && c < kFullLower + 26) return std::pair<wchar_t, wchar_t>(c - 0x20, c);
  return std::nullopt;
}

std::span<const uint8_t> AsBytes(const std::string& bytes) {
  return {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
}

// The text's characters one by one in the kind's encoding (all of them
// encode each character on its own), a letter as either case where that
// is asked for.
Message TextPattern(std::wstring_view text, TextEncoding encoding, bool ignore_case,
                    SearchPattern& pattern) {
  if (text.empty()) return t::kNoData;
  for (size_t i = 0; i < text.size();) {
    // A surrogate pair is one character.
    const bool pair = i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF &&
                      text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    const std::wstring_view character = text.substr(i, pair ? 2 : 1);
    i += character.size();
    const auto cases = ignore_case ? LetterCases(character[0]) : std::nullopt;
    if (cases) {
      const auto upper = EncodeText(std::wstring(1, cases->first), encoding);
      const auto lower = EncodeText(std::wstring(1, cases->second), encoding);
      if (upper && lower && upper->size() == lower->size()) {
        pattern.AddEither(AsBytes(*upper), AsBytes(*lower));
        continue;
      }
    }
    const auto bytes = EncodeText(character, encoding);
    if (!bytes) return FillIn(t::kNoFormInEncoding, {character, EncodingEntry(encoding).name});
    pattern.AddExact(AsBytes(*bytes));
  }
  return std::nullopt;
}

// The text narrowed and lower-cased, without blanks around it, in ASCII;
// none when something outside ASCII is left.
std::optional<std::string> NumberText(std::wstring_view typed) {
  const std::wstring text = NarrowAndLower(typed);
  const size_t first = text.find_first_not_of(L" \t");
  if (first == std::wstring::npos) return std::string();
  const size_t last = text.find_last_not_of(L" \t");
  std::string ascii;
  for (wchar_t c : std::wstring_view(text).substr(first, last + 1 - first)) {
    if (c <= 0 || c >= 0x80) return std::nullopt;
    ascii += static_cast<char>(c);
  }
  return ascii;
}

void AppendValue(uint64_t value, int width, bool big_endian, std::vector<uint8_t>& bytes) {
  for (int i = 0; i < width; ++i) {
    const int shift = 8 * (big_endian ? width - 1 - i : i);
    bytes.push_back(static_cast<uint8_t>(value >> shift));
  }
}

// A whole number in decimal or, after "0x", hexadecimal, with an optional
// sign: signed or unsigned as its value needs, so one byte holds -128 to 255.
Message IntegerPattern(std::wstring_view typed, int width, bool big_endian,
                       std::vector<uint8_t>& bytes) {
  if (width != 1 && width != 2 && width != 8) width = 4;
  const std::optional<std::string> text = NumberText(typed);
  if (text && text->empty()) return t::kNoData;
  if (!text) return t::kNotInteger;
  std::string_view digits = *text;
  const bool negative = !digits.empty() && digits.front() == '-';
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
  const bool hex = digits.size() > 2 && digits.starts_with("0x");
  if (hex) digits.remove_prefix(2);
  if (digits.empty()) return t::kNotInteger;
  const uint64_t base = hex ? 16 : 10;
  const int bits = 8 * width;
  const uint64_t largest = bits == 64 ? UINT64_MAX : (uint64_t{1} << bits) - 1;
  const uint64_t most_negative = uint64_t{1} << (bits - 1);  // its magnitude
  bool beyond = false;
  uint64_t magnitude = 0;
  for (char c : digits) {
    const bool decimal = c >= '0' && c <= '9';
    if (!decimal && !(hex && c >= 'a' && c <= 'f')) return t::kNotInteger;
    const uint64_t digit = decimal ? c - '0' : c - 'a' + 10;
    beyond = beyond || magnitude > (UINT64_MAX - digit) / base;
    magnitude = magnitude * base + digit;
  }
  if (beyond || magnitude > (negative ? most_negative : largest)) {
    return FillIn(t::kIntegerRange, {std::to_wstring(width), L"-" + std::to_wstring(most_negative),
                                     std::to_wstring(largest)});
  }
  AppendValue(negative ? ~magnitude + 1 : magnitude, width, big_endian, bytes);
  return std::nullopt;
}

// Digits with at most one point, at least one digit, then an optional
// exponent: what strtod reads as a decimal number and nothing else.
bool IsDecimalNumber(std::string_view text) {
  size_t i = 0;
  int digits = 0;
  auto skip_digits = [&] {
    int n = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) ++n;
    return n;
  };
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  digits += skip_digits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    digits += skip_digits();
  }
  if (digits == 0) return false;
  if (i < text.size() && text[i] == 'e') {
    ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    if (skip_digits() == 0) return false;
  }
  return i == text.size();
}

// An IEEE number of 4 or 8 bytes. The text is rounded once, to the nearest
// value of the chosen width (ties to even), straight from its decimal
// digits: a 4-byte value is not rounded through an 8-byte one first. What
// rounds to infinity is beyond the range; what rounds to zero is zero. The
// infinities are typed "inf"; NaN stands for many byte patterns and is
// refused.
Message FloatPattern(std::wstring_view typed, int width, bool big_endian,
                     std::vector<uint8_t>& bytes) {
  if (width != 8) width = 4;
  const std::optional<std::string> text = NumberText(typed);
  if (text && text->empty()) return t::kNoData;
  if (!text) return t::kNotFloat;
  std::string_view body = *text;
  const bool negative = !body.empty() && body.front() == '-';
  if (!body.empty() && (body.front() == '-' || body.front() == '+')) body.remove_prefix(1);
  if (body == "nan") return t::kNotANumber;
  const bool infinite = body == "inf" || body == "infinity";
  if (!infinite && !IsDecimalNumber(*text)) return t::kNotFloat;
  errno = 0;
  uint64_t bits = 0;
  bool beyond = false;
  if (width == 4) {
    float value = infinite ? INFINITY : std::strtof(text->c_str(), nullptr);
    if (infinite && negative) value = -value;
    beyond = !infinite && std::isinf(value);
    uint32_t word;
    std::memcpy(&word, &value, sizeof word);
    bits = word;
  } else {
    double value = infinite ? HUGE_VAL : std::strtod(text->c_str(), nullptr);
    if (infinite && negative) value = -value;
    beyond = !infinite && std::isinf(value);
    std::memcpy(&bits, &value, sizeof bits);
  }
  if (beyond) {
    const std::wstring largest = width == 4 ? L"3.4028235e+38" : L"1.7976931348623157e+308";
    return FillIn(t::kFloatRange, {std::to_wstring(width), L"-" + largest, largest});
  }
  AppendValue(bits, width, big_endian, bytes);
  return std::nullopt;
}

Message ParseInto(std::wstring_view text, const PatternOptions& options, bool ignore_case,
                  SearchPattern& pattern) {
  std::vector<uint8_t> bytes;
  Message message;
  switch (options.kind) {
    case SearchKind::Bytes:
      message = BytesFromValues(text, bytes);
      break;
    case SearchKind::Integer:
      message = IntegerPattern(text, options.width, options.big_endian, bytes);
      break;
    case SearchKind::Float:
      message = FloatPattern(text, options.width, options.big_endian, bytes);
      break;
    default:
      return TextPattern(text, EncodingOf(options.kind), ignore_case, pattern);
  }
  if (!message) pattern.AddExact(bytes);
  return message;
}

}  // namespace

std::optional<std::wstring> ParsePattern(std::wstring_view text, const PatternOptions& options,
                                         SearchPattern& pattern) {
  SearchPattern parsed;
  Message message = ParseInto(text, options, options.ignore_case, parsed);
  if (!message) pattern = std::move(parsed);
  return message;
}

std::optional<std::wstring> ParseReplacement(std::wstring_view text, const PatternOptions& options,
                                             std::vector<uint8_t>& replacement) {
  SearchPattern parsed;
  Message message = text.empty() ? std::nullopt : ParseInto(text, options, false, parsed);
  if (!message) replacement.assign(parsed.bytes().begin(), parsed.bytes().end());
  return message;
}

}  // namespace vx

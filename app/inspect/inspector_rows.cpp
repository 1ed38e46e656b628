#include "app/inspect/inspector_rows.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "app/inspect/inspector_texts.h"
#include "common/hex_digits.h"

namespace vx {
namespace {

namespace t = inspector_texts;

// How many bytes a row reads; the character rows read as many as their
// character takes and are measured when they read.
int RowWidth(InspectorRow row) {
  switch (row) {
    case InspectorRow::Signed8:
    case InspectorRow::Unsigned8:
    case InspectorRow::Binary:
    case InspectorRow::Octal:
    case InspectorRow::ColumnCharacter:
    case InspectorRow::Utf8Character:
      return 1;
    case InspectorRow::Signed16:
    case InspectorRow::Unsigned16:
    case InspectorRow::Utf16Character:
      return 2;
    case InspectorRow::Signed32:
    case InspectorRow::Unsigned32:
    case InspectorRow::Float32:
    case InspectorRow::UnixTime32:
    case InspectorRow::DosDateTime:
      return 4;
    case InspectorRow::Signed64:
    case InspectorRow::Unsigned64:
    case InspectorRow::Float64:
    case InspectorRow::UnixTime64:
    case InspectorRow::FileTime:
      return 8;
  }
  return 1;
}

bool IsSigned(InspectorRow row) {
  return row == InspectorRow::Signed8 || row == InspectorRow::Signed16 ||
         row == InspectorRow::Signed32 || row == InspectorRow::Signed64;
}

uint64_t LoadUnsigned(std::span<const uint8_t> bytes, int width, ByteOrder order) {
  uint64_t value = 0;
  for (int i = 0; i < width; ++i) {
    const int at = order == ByteOrder::Little ? width - 1 - i : i;
    value = (value << 8) | bytes[static_cast<size_t>(at)];
  }
  return value;
}

std::vector<uint8_t> StoreUnsigned(uint64_t value, int width, ByteOrder order) {
  std::vector<uint8_t> bytes(static_cast<size_t>(width));
  for (int i = 0; i < width; ++i) {
    const int at = order == ByteOrder::Little ? i : width - 1 - i;
    bytes[static_cast<size_t>(at)] = static_cast<uint8_t>(value >> (8 * i));
  }
  return bytes;
}

// The `width`-byte two's complement value widened to 64 bits.
int64_t SignExtended(uint64_t value, int width) {
  const int shift = 64 - 8 * width;
  return static_cast<int64_t>(value << shift) >> shift;
}

std::wstring Widened(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

// None when the text holds anything but ASCII: no number is written so.
std::optional<std::string> Narrowed(std::wstring_view text) {
  std::string ascii;
  for (const wchar_t c : text) {
    if (static_cast<uint32_t>(c) >= 0x80) return std::nullopt;
    ascii += static_cast<char>(c);
  }
  return ascii;
}

std::wstring_view Trimmed(std::wstring_view text) {
  while (!text.empty() && (text.front() == L' ' || text.front() == L'\u3000'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == L' ' || text.back() == L'\u3000')) text.remove_suffix(1);
  return text;
}

template <typename Number>
std::wstring Decimal(Number value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return Widened(std::string_view(buffer, static_cast<size_t>(result.ptr - buffer)));
}

std::wstring Refusal(InspectorRow row, const wchar_t* what, const std::wstring& low,
                     const std::wstring& high) {
  std::wstring text = std::wstring(RowLabel(row)) + what;
  for (const auto& [mark, value] : {std::pair{L"%1", &low}, std::pair{L"%2", &high}}) {
    const size_t at = text.find(mark);
    if (at != std::wstring::npos) text.replace(at, 2, *value);
  }
  return text;
}

// ---- characters ----

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

// "あ (U+3042)"; a control character, which a field cannot show, only by its code.
std::wstring CharacterText(const std::wstring& character) {
  const std::optional<char32_t> code = SingleCharacter(character);
  if (!code) return character;
  std::wstring number;
  for (char32_t v = *code; v > 0 || number.size() < 4; v >>= 4) {
    number.insert(number.begin(), static_cast<wchar_t>(kHexDigits[v & 0xF]));
  }
  const std::wstring tag = L"(U+" + number + L")";
  return IsControl(*code) ? tag : character + L" " + tag;
}

// A typed character: one character, its CharacterText, or "U+XXXX".
std::optional<char32_t> TypedCharacter(std::wstring_view text) {
  if (text.size() > 1 && text.back() == L')') {
    const size_t open = text.rfind(L"(U+");
    if (open != std::wstring_view::npos) {
      const std::wstring_view before = Trimmed(text.substr(0, open));
      if (!before.empty()) return SingleCharacter(before);
      text = text.substr(open + 1, text.size() - open - 2);
    }
  }
  if (text.size() > 2 && (text[0] == L'U' || text[0] == L'u') && text[1] == L'+') {
    const std::optional<std::string> digits = Narrowed(text.substr(2));
    uint32_t value = 0;
    if (!digits) return std::nullopt;
    const auto [end, error] =
        std::from_chars(digits->data(), digits->data() + digits->size(), value, 16);
    if (error != std::errc() || end != digits->data() + digits->size()) return std::nullopt;
    if (value > 0x10FFFF || (value >= 0xD800 && value < 0xE000)) return std::nullopt;
    return static_cast<char32_t>(value);
  }
  return SingleCharacter(text);
}

// ---- dates ----

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar, and
// back (H. Hinnant's algorithms, exact for every 64-bit day count used here).
int64_t DaysFromCivil(int64_t year, int month, int day) {
  year -= month <= 2;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t year_of_era = year - era * 400;
  const int64_t day_of_year = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

struct CivilTime {
  int64_t year;
  int month, day, hour, minute, second;
};

CivilTime CivilFromSeconds(int64_t seconds) {
  int64_t days = seconds / 86400;
  int64_t rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  const int64_t z = days + 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t day_of_era = z - era * 146097;
  const int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const int64_t day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const int64_t mp = (5 * day_of_year + 2) / 153;
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {year_of_era + era * 400 + (month <= 2),
          month,
          static_cast<int>(day_of_year - (153 * mp + 2) / 5 + 1),
          static_cast<int>(rest / 3600),
          static_cast<int>(rest / 60 % 60),
          static_cast<int>(rest % 60)};
}

int DaysInMonth(int64_t year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

std::wstring Padded(int64_t value, int digits) {
  std::wstring text = Decimal(value);
  if (static_cast<int>(text.size()) < digits) text.insert(0, digits - text.size(), L'0');
  return text;
}

std::wstring DateText(const CivilTime& c) {
  return Padded(c.year, 4) + L"-" + Padded(c.month, 2) + L"-" + Padded(c.day, 2) + L" " +
         Padded(c.hour, 2) + L":" + Padded(c.minute, 2) + L":" + Padded(c.second, 2);
}

// The years a date is written with: four digits.
constexpr int64_t kFirstShownSecond = -62135596800;  // 0001-01-01 00:00:00
constexpr int64_t kLastShownSecond = 253402300799;   // 9999-12-31 23:59:59
// FILETIME counts 100-nanosecond ticks from 1601-01-01.
constexpr int64_t kFileTimeEpoch = -11644473600;
constexpr int64_t kTicksPerSecond = 10000000;

std::wstring UnixTimeText(int64_t seconds) {
  if (seconds < kFirstShownSecond || seconds > kLastShownSecond) return t::kNoDate;
  return DateText(CivilFromSeconds(seconds)) + t::kUtc;
}

std::wstring FileTimeText(uint64_t ticks) {
  const int64_t seconds = static_cast<int64_t>(ticks / kTicksPerSecond) + kFileTimeEpoch;
  if (seconds > kLastShownSecond) return t::kNoDate;
  std::wstring text = DateText(CivilFromSeconds(seconds));
  if (const uint64_t fraction = ticks % kTicksPerSecond; fraction != 0) {
    text += L"." + Padded(static_cast<int64_t>(fraction), 7);
  }
  return text + t::kUtc;
}

struct DosParts {
  int year, month, day, hour, minute, second;
};

std::optional<DosParts> DosDate(uint32_t value) {
  const uint32_t date = value >> 16;
  const uint32_t time = value & 0xFFFF;
  const DosParts p{1980 + static_cast<int>(date >> 9), static_cast<int>(date >> 5 & 15),
                   static_cast<int>(date & 31),        static_cast<int>(time >> 11),
                   static_cast<int>(time >> 5 & 63),   static_cast<int>(time & 31) * 2};
  if (p.month < 1 || p.month > 12 || p.day < 1 || p.day > DaysInMonth(p.year, p.month)) {
    return std::nullopt;
  }
  if (p.hour > 23 || p.minute > 59 || p.second > 59) return std::nullopt;
  return p;
}

// "YYYY-MM-DD hh:mm:ss[.fffffff][ UTC]" ("/" between the date's parts too;
// the time may be left out): the seconds since 1970 and the ticks below
// the second.
struct TypedTime {
  int64_t seconds;
  int64_t ticks;
};

std::optional<TypedTime> ParseDate(std::wstring_view typed) {
  std::wstring_view text = Trimmed(typed);
  const std::wstring_view utc = Trimmed(t::kUtc);
  if (text.size() >= utc.size() && text.substr(text.size() - utc.size()) == utc) {
    text = Trimmed(text.substr(0, text.size() - utc.size()));
  }
  const std::optional<std::string> ascii = Narrowed(text);
  if (!ascii) return std::nullopt;
  const char* at = ascii->data();
  const char* const end = at + ascii->size();
  auto number = [&](int64_t& value, int max_digits) {
    const char* const from = at;
    const auto [next, error] = std::from_chars(at, std::min(end, at + max_digits), value);
    if (error != std::errc() || next == from) return false;
    at = next;
    return true;
  };
  auto separator = [&](std::string_view allowed) {
    if (at == end || allowed.find(*at) == std::string_view::npos) return false;
    ++at;
    return true;
  };
  int64_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, ticks = 0;
  if (!number(year, 4) || !separator("-/") || !number(month, 2) || !separator("-/") ||
      !number(day, 2)) {
    return std::nullopt;
  }
  if (at != end) {
    if (!separator(" T") || !number(hour, 2) || !separator(":") || !number(minute, 2) ||
        !separator(":") || !number(second, 2)) {
      return std::nullopt;
    }
    if (at != end && *at == '.') {
      ++at;
      const char* const from = at;
      if (!number(ticks, 7)) return std::nullopt;
      for (auto digits = at - from; digits < 7; ++digits) ticks *= 10;
    }
  }
  if (at != end || year < 1 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, static_cast<int>(month)) || hour > 23 || minute > 59 || second > 59) {
    return std::nullopt;
  }
  return TypedTime{DaysFromCivil(year, static_cast<int>(month), static_cast<int>(day)) * 86400 +
                       hour * 3600 + minute * 60 + second,
                   ticks};
}

// ---- typed numbers ----

// An integer typed in decimal, or in hexadecimal behind "0x": its sign and size.
struct TypedInteger {
  bool negative;
  uint64_t magnitude;
};

std::optional<TypedInteger> ParseInteger(std::wstring_view typed, bool& too_large) {
  too_large = false;
  const std::optional<std::string> ascii = Narrowed(Trimmed(typed));
  if (!ascii || ascii->empty()) return std::nullopt;
  std::string_view text = *ascii;
  const bool negative = text.front() == '-';
  if (negative || text.front() == '+') text.remove_prefix(1);
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  uint64_t magnitude = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (text.empty() || end != text.data() + text.size()) return std::nullopt;
  if (error == std::errc::result_out_of_range) {
    too_large = true;
    return std::nullopt;
  }
  if (error != std::errc()) return std::nullopt;
  return TypedInteger{negative, magnitude};
}

TypedRowValue ParseIntegerRow(InspectorRow row, std::wstring_view text, ByteOrder order) {
  const int width = RowWidth(row);
  const int bits = 8 * width;
  const bool is_signed = IsSigned(row);
  const uint64_t high = is_signed ? (uint64_t{1} << (bits - 1)) - 1
                                  : (bits == 64 ? ~uint64_t{0} : (uint64_t{1} << bits) - 1);
  // The magnitude of the lowest value: 2^(bits-1) signed, 0 unsigned.
  const uint64_t low_magnitude = is_signed ? uint64_t{1} << (bits - 1) : 0;
  bool too_large = false;
  const std::optional<TypedInteger> typed = ParseInteger(text, too_large);
  const bool fits =
      typed && (typed->negative ? typed->magnitude <= low_magnitude : typed->magnitude <= high);
  if (!fits) {
    const std::wstring low =
        is_signed ? Decimal(-static_cast<int64_t>(low_magnitude - 1) - 1) : std::wstring(L"0");
    return {{}, Refusal(row, t::kTakesIntegers, low, Decimal(high))};
  }
  const uint64_t value = typed->negative ? 0 - typed->magnitude : typed->magnitude;
  return {StoreUnsigned(value, width, order), {}};
}

// The shortest text that reads back as the same number of its own width.
template <typename Float>
std::wstring FloatText(Float value) {
  if (std::isnan(value)) return L"nan";
  return Decimal(value);
}

TypedRowValue ParseFloatRow(InspectorRow row, std::wstring_view text, ByteOrder order) {
  const bool single = row == InspectorRow::Float32;
  const std::wstring high = single ? Decimal(std::numeric_limits<float>::max())
                                   : Decimal(std::numeric_limits<double>::max());
  const std::wstring low = L"-" + high;
  const TypedRowValue refused{{}, Refusal(row, t::kTakesFloat, low, high)};
  std::optional<std::string> ascii = Narrowed(Trimmed(text));
  if (!ascii || ascii->empty()) return refused;
  std::string_view digits = *ascii;
  if (digits.front() == '+') digits.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return refused;
  if (single) {
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) {
      return refused;
    }
    return {StoreUnsigned(std::bit_cast<uint32_t>(static_cast<float>(value)), 4, order), {}};
  }
  return {StoreUnsigned(std::bit_cast<uint64_t>(value), 8, order), {}};
}

// A byte typed in `base` (2 or 8) with at most `max_digits` digits.
TypedRowValue ParseByteRow(InspectorRow row, std::wstring_view text, int base) {
  const std::optional<std::string> ascii = Narrowed(Trimmed(text));
  unsigned value = 0;
  if (ascii && !ascii->empty()) {
    const auto [end, error] =
        std::from_chars(ascii->data(), ascii->data() + ascii->size(), value, base);
    if (error == std::errc() && end == ascii->data() + ascii->size() && value <= 0xFF) {
      return {{static_cast<uint8_t>(value)}, {}};
    }
  }
  return {{}, Refusal(row, t::kTakesDigits, L"0", base == 2 ? L"11111111" : L"377")};
}

TypedRowValue ParseDateRow(InspectorRow row, std::wstring_view text, ByteOrder order) {
  int64_t first = kFirstShownSecond;
  int64_t last = kLastShownSecond;
  switch (row) {
    case InspectorRow::UnixTime32:
      first = std::numeric_limits<int32_t>::min();
      last = std::numeric_limits<int32_t>::max();
      break;
    case InspectorRow::FileTime:
      first = kFileTimeEpoch;
      break;
    case InspectorRow::DosDateTime:
      first = DaysFromCivil(1980, 1, 1) * 86400;
      last = DaysFromCivil(2107, 12, 31) * 86400 + 86399;
      break;
    default:
      break;
  }
  const std::optional<TypedTime> typed = ParseDate(text);
  if (!typed || typed->seconds < first || typed->seconds > last) {
    return {{},
            Refusal(row, t::kTakesDate, DateText(CivilFromSeconds(first)),
                    DateText(CivilFromSeconds(last)))};
  }
  switch (row) {
    case InspectorRow::UnixTime32:
      return {StoreUnsigned(static_cast<uint64_t>(typed->seconds), 4, order), {}};
    case InspectorRow::FileTime:
      return {
          StoreUnsigned(static_cast<uint64_t>(typed->seconds - kFileTimeEpoch) * kTicksPerSecond +
                            static_cast<uint64_t>(typed->ticks),
                        8, order),
          {}};
    case InspectorRow::DosDateTime: {
      // The format keeps seconds in steps of two: an odd second goes down.
      const CivilTime c = CivilFromSeconds(typed->seconds);
      const uint32_t date = static_cast<uint32_t>((c.year - 1980) << 9 | c.month << 5 | c.day);
      const uint32_t time = static_cast<uint32_t>(c.hour << 11 | c.minute << 5 | c.second / 2);
      return {StoreUnsigned(date << 16 | time, 4, order), {}};
    }
    default:
      return {StoreUnsigned(static_cast<uint64_t>(typed->seconds), 8, order), {}};
  }
}

TypedRowValue ParseCharacterRow(InspectorRow row, std::wstring_view text, ByteOrder order,
                                const CharacterCodec& column) {
  const std::optional<char32_t> typed =
      TypedCharacter(Trimmed(text).empty() ? text : Trimmed(text));
  if (!typed) return {{}, std::wstring(RowLabel(row)) + t::kTakesOneCharacter};
  switch (row) {
    case InspectorRow::Utf8Character:
    case InspectorRow::Utf16Character: {
      const TextEncoding encoding = row == InspectorRow::Utf8Character ? TextEncoding::Utf8
                                    : order == ByteOrder::Big          ? TextEncoding::Utf16Be
                                                                       : TextEncoding::Utf16Le;
      const std::optional<std::string> bytes = EncodeText(WideOf(*typed), encoding);
      return {{bytes->begin(), bytes->end()}, {}};
    }
    default: {
      const std::optional<std::string> bytes = column.write(WideOf(*typed));
      if (!bytes || bytes->empty()) return {{}, std::wstring(RowLabel(row)) + t::kNoSuchCharacter};
      return {{bytes->begin(), bytes->end()}, {}};
    }
  }
}

}  // namespace

const wchar_t* RowLabel(InspectorRow row) {
  switch (row) {
    case InspectorRow::Signed8:
      return t::kSigned8;
    case InspectorRow::Unsigned8:
      return t::kUnsigned8;
    case InspectorRow::Signed16:
      return t::kSigned16;
    case InspectorRow::Unsigned16:
      return t::kUnsigned16;
    case InspectorRow::Signed32:
      return t::kSigned32;
    case InspectorRow::Unsigned32:
      return t::kUnsigned32;
    case InspectorRow::Signed64:
      return t::kSigned64;
    case InspectorRow::Unsigned64:
      return t::kUnsigned64;
    case InspectorRow::Float32:
      return t::kFloat32;
    case InspectorRow::Float64:
      return t::kFloat64;
    case InspectorRow::Binary:
      return t::kBinary;
    case InspectorRow::Octal:
      return t::kOctal;
    case InspectorRow::ColumnCharacter:
      return t::kColumnCharacter;
    case InspectorRow::Utf8Character:
      return t::kUtf8Character;
    case InspectorRow::Utf16Character:
      return t::kUtf16Character;
    case InspectorRow::UnixTime32:
      return t::kUnixTime32;
    case InspectorRow::UnixTime64:
      return t::kUnixTime64;
    case InspectorRow::FileTime:
      return t::kFileTime;
    case InspectorRow::DosDateTime:
      return t::kDosDateTime;
  }
  return L"";
}

std::wstring RowText(InspectorRow row, std::span<const uint8_t> bytes, ByteOrder order,
                     const CharacterCodec& column) {
  const int width = RowWidth(row);
  if (static_cast<int>(bytes.size()) < width) return t::kPastEnd;
  const uint64_t value = LoadUnsigned(bytes, width, order);
  switch (row) {
    case InspectorRow::Signed8:
    case InspectorRow::Signed16:
    case InspectorRow::Signed32:
    case InspectorRow::Signed64:
      return Decimal(SignExtended(value, width));
    case InspectorRow::Unsigned8:
    case InspectorRow::Unsigned16:
    case InspectorRow::Unsigned32:
    case InspectorRow::Unsigned64:
      return Decimal(value);
    case InspectorRow::Float32:
      return FloatText(std::bit_cast<float>(static_cast<uint32_t>(value)));
    case InspectorRow::Float64:
      return FloatText(std::bit_cast<double>(value));
    case InspectorRow::Binary: {
      std::wstring digits;
      for (int bit = 7; bit >= 0; --bit) digits += (value >> bit & 1) ? L'1' : L'0';
      return digits;
    }
    case InspectorRow::Octal:
      return Decimal(value >> 6) + Decimal(value >> 3 & 7) + Decimal(value & 7);
    case InspectorRow::ColumnCharacter:
    case InspectorRow::Utf8Character:
    case InspectorRow::Utf16Character: {
      const std::optional<ReadCharacter> read = row == InspectorRow::Utf8Character ? ReadUtf8(bytes)
                                                : row == InspectorRow::Utf16Character
                                                    ? ReadUtf16(bytes, order == ByteOrder::Big)
                                                    : column.read(bytes);
      return read ? CharacterText(read->text) : t::kNoCharacter;
    }
    case InspectorRow::UnixTime32:
      return UnixTimeText(SignExtended(value, 4));
    case InspectorRow::UnixTime64:
      return UnixTimeText(static_cast<int64_t>(value));
    case InspectorRow::FileTime:
      return FileTimeText(value);
    case InspectorRow::DosDateTime: {
      const std::optional<DosParts> p = DosDate(static_cast<uint32_t>(value));
      if (!p) return t::kNoDate;
      return DateText({p->year, p->month, p->day, p->hour, p->minute, p->second});
    }
  }
  return {};
}

TypedRowValue ParseRowValue(InspectorRow row, std::wstring_view text, ByteOrder order,
                            const CharacterCodec& column) {
  switch (row) {
    case InspectorRow::Float32:
    case InspectorRow::Float64:
      return ParseFloatRow(row, text, order);
    case InspectorRow::Binary:
      return ParseByteRow(row, text, 2);
    case InspectorRow::Octal:
      return ParseByteRow(row, text, 8);
    case InspectorRow::ColumnCharacter:
    case InspectorRow::Utf8Character:
    case InspectorRow::Utf16Character:
      return ParseCharacterRow(row, text, order, column);
    case InspectorRow::UnixTime32:
    case InspectorRow::UnixTime64:
    case InspectorRow::FileTime:
    case InspectorRow::DosDateTime:
      return ParseDateRow(row, text, order);
    default:
      return ParseIntegerRow(row, text, order);
  }
}

}  // namespace vx

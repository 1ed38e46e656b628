#include "common/uninstall_data.h"

#include <algorithm>
#include <array>
#include <functional>
#include <utility>

#include "common/code_page.h"
#include "common/file_seam.h"
#include "common/whole_file.h"

namespace vx {
namespace {

// A path of the longest Windows length, two bytes a character.
constexpr size_t kMaxFieldBytes = 2 * 32767;
constexpr int64_t kBlockBytes = 64 * 1024;
// Counts beyond this read as this; a count over kMaxUninstallEntries
// refuses the list anyway.
constexpr int64_t kCountCeiling = int64_t{1} << 40;

bool NamesAFile(const std::wstring& name) {
  if (name.empty()) return false;
  for (const wchar_t c : name) {
    if (c < 0x20 || c == L'"' || c == L'*' || c == L'?' || c == L'<' || c == L'>' || c == L'|') {
      return false;
    }
  }
  return true;
}

bool ListHoldsExactly(const std::wstring& name) {
  return NamesAFile(name) && FromShiftJis(ToShiftJis(name)) == name;
}

// The bytes of a list, a block at a time, so that a list of any size costs
// one block of memory beyond what is kept.
class ByteSource {
 public:
  // Fills the buffer; returns the bytes put there, 0 at the end, -1 on failure.
  using Fill = std::function<int64_t(char* buffer, int64_t size)>;
  explicit ByteSource(Fill fill)
      : fill_(std::move(fill)), buffer_(static_cast<size_t>(kBlockBytes), '\0') {}

  int Peek() {
    if (at_ == end_ && !Refill()) return -1;
    return static_cast<unsigned char>(buffer_[at_]);
  }
  int Get() {
    const int c = Peek();
    if (c >= 0) ++at_;
    return c;
  }
  // Moves over the bytes before the next one that `stops` marks (or the
  // end), appending them to `out` unless it is null. False, with nothing
  // more taken, as soon as `out` would grow beyond `limit` bytes.
  bool TakeUntil(const std::array<bool, 256>& stops, std::string* out, size_t limit) {
    while (at_ < end_ || Refill()) {
      size_t stop = at_;
      while (stop < end_ && !stops[static_cast<unsigned char>(buffer_[stop])]) ++stop;
      if (out) {
        if (out->size() + (stop - at_) > limit) return false;
        out->append(buffer_, at_, stop - at_);
      }
      at_ = stop;
      if (stop < end_) return true;
    }
    return true;
  }
  bool failed() const { return failed_; }

 private:
  bool Refill() {
    if (finished_) return false;
    const int64_t n = fill_(buffer_.data(), kBlockBytes);
    if (n <= 0) {
      finished_ = true;
      failed_ = n < 0;
      return false;
    }
    at_ = 0;
    end_ = static_cast<size_t>(n);
    return true;
  }

  Fill fill_;
  std::string buffer_;
  size_t at_ = 0;
  size_t end_ = 0;
  bool finished_ = false;
  bool failed_ = false;
};

enum class FieldRead { Field, End, TooLong };

constexpr std::array<bool, 256> StopsAt(std::string_view bytes) {
  std::array<bool, 256> stops{};
  for (const char c : bytes) stops[static_cast<unsigned char>(c)] = true;
  return stops;
}
// A quoted field ends at its quote, or, left open, with its line, so that it
// cannot swallow the rest; an unquoted one at a comma or the line's end.
constexpr std::array<bool, 256> kQuotedEnds = StopsAt("\"\r\n");
constexpr std::array<bool, 256> kFieldEnds = StopsAt(",\r\n");

bool IsBlank(int c) { return c == ' ' || c == '\t'; }

// After a field: a comma, or a line end (CR LF counts once).
void SkipDelimiter(ByteSource& in) {
  const int c = in.Get();
  if (c == '\r' && in.Peek() == '\n') in.Get();
}

FieldRead NextField(ByteSource& in, std::string& field) {
  field.clear();
  while (IsBlank(in.Peek())) in.Get();
  if (in.Peek() < 0) return FieldRead::End;
  if (in.Peek() == '"') {
    in.Get();
    if (!in.TakeUntil(kQuotedEnds, &field, kMaxFieldBytes)) return FieldRead::TooLong;
    if (in.Peek() == '"') {
      in.Get();
      // What stands between the closing quote and the delimiter is not part of the field.
      in.TakeUntil(kFieldEnds, nullptr, 0);
    }
  } else {
    if (!in.TakeUntil(kFieldEnds, &field, kMaxFieldBytes)) return FieldRead::TooLong;
    while (!field.empty() && IsBlank(static_cast<unsigned char>(field.back()))) field.pop_back();
  }
  SkipDelimiter(in);
  return FieldRead::Field;
}

bool IsDigit(size_t at, std::string_view text) {
  return at < text.size() && text[at] >= '0' && text[at] <= '9';
}

// The leading decimal number of `text` to the nearest integer (halves to
// even), 0 when it starts with none; the size is held at kCountCeiling.
int64_t LeadingNumber(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && IsBlank(static_cast<unsigned char>(text[at]))) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
  int64_t whole = 0;
  for (; IsDigit(at, text); ++at) whole = std::min(whole * 10 + (text[at] - '0'), kCountCeiling);
  if (at < text.size() && text[at] == '.' && IsDigit(at + 1, text)) {
    const int first = text[++at] - '0';
    bool beyond_half = false;
    for (++at; IsDigit(at, text); ++at) beyond_half = beyond_half || text[at] != '0';
    if (first > 5 || (first == 5 && (beyond_half || whole % 2 == 1))) {
      whole = std::min(whole + 1, kCountCeiling);
    }
  }
  return negative ? -whole : whole;
}

UninstallData ParseFrom(ByteSource& in, const std::function<void()>& between_entries = {}) {
  UninstallData data;
  std::string field;
  if (NextField(in, field) != FieldRead::Field) return data;
  const int64_t count = LeadingNumber(field);
  data.too_long = count > static_cast<int64_t>(kMaxUninstallEntries);
  if (data.too_long) return data;
  data.complete = count >= 0;
  for (int64_t i = 0; i < count; ++i) {
    if (between_entries && i % 64 == 63) between_entries();
    if (NextField(in, field) != FieldRead::Field) {
      data.complete = false;
      break;
    }
    std::wstring name = field.empty() ? std::wstring() : FromShiftJis(field);
    if (NamesAFile(name)) {
      data.paths.push_back(std::move(name));
    } else {
      data.complete = false;
    }
  }
  if (in.failed()) data.complete = false;
  return data;
}

}  // namespace

std::string FormatUninstallData(const std::vector<std::wstring>& files) {
  std::string lines;
  size_t count = 0;
  for (const std::wstring& file : files) {
    if (!ListHoldsExactly(file)) continue;
    lines += '"' + ToShiftJis(file) + "\"\r\n";
    ++count;
  }
  return std::to_string(count) + "\r\n" + lines;
}

bool WriteUninstallData(const std::wstring& list_file, const std::vector<std::wstring>& files) {
  return WriteWholeFile(list_file, FormatUninstallData(files));
}

UninstallData ParseUninstallData(std::string_view bytes) {
  size_t offset = 0;
  ByteSource in([&](char* buffer, int64_t size) {
    const size_t n = std::min(bytes.size() - offset, static_cast<size_t>(size));
    bytes.copy(buffer, n, offset);
    offset += n;
    return static_cast<int64_t>(n);
  });
  return ParseFrom(in);
}

UninstallData ReadUninstallData(const std::wstring& list_file,
                                const std::function<void()>& between_entries) {
  fs::File file = fs::OpenFile(list_file, false, fs::Share::ReadWrite);
  if (!file) return {};
  int64_t offset = 0;
  ByteSource in([&](char* buffer, int64_t size) {
    const int64_t n = file.ReadAt(offset, buffer, size);
    if (n > 0) offset += n;
    return n;
  });
  return ParseFrom(in, between_entries);
}

}  // namespace vx

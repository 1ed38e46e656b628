// What a search looks for, and how the search window's fields become it:
// bytes typed in hexadecimal, a text in one of several encodings (optionally
// ignoring the case of Latin letters), or a number of a chosen width.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

enum class SearchKind {
  Bytes,  // hexadecimal values split at blanks
  Text,   // Shift-JIS
  Utf8,
  Utf16Le,
  Utf16Be,
  Integer,
  Float,
};

struct PatternOptions {
  SearchKind kind = SearchKind::Bytes;
  // The text kinds: A-Z and a-z, half- and full-width (Ａ/ａ), match either case.
  bool ignore_case = false;
  int width = 4;            // Integer: 1, 2, 4 or 8 bytes; Float: 4 or 8
  bool big_endian = false;  // Integer and Float
};

// The two byte values that may stand at one place of a match; both the
// same where only one may.
struct ByteChoice {
  uint8_t one = 0;
  uint8_t other = 0;
};

// A pattern of fixed length: at each place either exact bytes, or, for a
// letter whose case is ignored, its upper or its lower form. The two forms
// of a letter are tried whole, never byte by byte, so that in UTF-8 the
// bytes of two letters never mix into a third character.
class SearchPattern {
 public:
  SearchPattern() = default;
  explicit SearchPattern(std::span<const uint8_t> bytes) { AddExact(bytes); }
  // Exact bytes written out, as tests and benches name them.
  SearchPattern(std::initializer_list<uint8_t> bytes) { AddExact(bytes); }

  void AddExact(std::span<const uint8_t> bytes);
  // `one` or `other` here; they are of the same length.
  void AddEither(std::span<const uint8_t> one, std::span<const uint8_t> other);

  size_t length() const { return one_.size(); }
  bool empty() const { return one_.empty(); }
  // No place has a choice.
  bool exact() const { return choices_.empty(); }
  // The bytes of a match with the first form of every choice: the whole
  // pattern when it is exact.
  std::span<const uint8_t> bytes() const { return one_; }
  // The values that may stand at `place` (< length()).
  ByteChoice At(size_t place) const { return {one_[place], other_[place]}; }

  // Whether the length() bytes at `at` match.
  bool Matches(const uint8_t* at) const;

  bool operator==(const SearchPattern&) const = default;

 private:
  struct Choice {
    size_t first = 0;
    size_t length = 0;
    bool operator==(const Choice&) const = default;
  };

  std::vector<uint8_t> one_;
  std::vector<uint8_t> other_;  // the same as one_ outside the choices
  std::vector<Choice> choices_;
};

// The message to show when `text` gives no pattern; none when `pattern` is
// complete. Bytes and Shift-JIS text keep the search window's first three
// messages; a number out of its width's range is refused naming the range.
std::optional<std::wstring> ParsePattern(std::wstring_view text, const PatternOptions& options,
                                         SearchPattern& pattern);
// A replacement of the same kind: exact bytes, empty for an empty text (the
// matches deleted); ignore_case does not apply. The same messages.
std::optional<std::wstring> ParseReplacement(std::wstring_view text, const PatternOptions& options,
                                             std::vector<uint8_t>& replacement);

}  // namespace vx

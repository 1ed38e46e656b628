// The search window's data field turned into the bytes to look for.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vx {

// How the data field is read: which of the window's "検索対象" options is
// chosen. The window maps its options to these by name; the values are not
// the options' indexes (the bytes option comes first there).
enum class SearchTarget { Text, Bytes };

// Why a data field gives no pattern.
enum class PatternRefusal {
  None,
  OutsideRules,  // a character other than blank, 0-9, a-f
  NoData,        // the empty text
  BeyondByte,    // an element of more than 2 digits
};

// Bytes: hexadecimal values split at every single blank (full-width and upper
// case allowed; an empty element is 0). Text: its Shift-JIS bytes.
// `pattern` is complete only when nothing is refused.
PatternRefusal PatternFromText(std::wstring_view text, SearchTarget target,
                               std::vector<uint8_t>& pattern);

}  // namespace vx

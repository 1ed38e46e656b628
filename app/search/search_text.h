// The search window's data field turned into the bytes to look for.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vx {

// Which of the window's "検索対象" options is selected; the values are the
// option buttons' indexes.
enum class SearchTarget { Text = 0, Bytes = 1 };

// The refusals of GetByteFromText.
inline constexpr int32_t kOutsideRules = -1;  // a character other than blank, 0-9, a-f
inline constexpr int32_t kNoData = -2;        // the empty text
inline constexpr int32_t kBeyondByte = -3;    // an element of more than 2 digits

// Bytes: hexadecimal values split at every single blank (full-width and upper
// case allowed; an empty element is 0). Text: its Shift-JIS bytes.
// Returns 0 or a refusal; By is complete only on 0.
int32_t GetByteFromText(std::wstring_view text, SearchTarget target, std::vector<uint8_t>& By);

}  // namespace vx

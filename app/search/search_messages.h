// What the search windows tell the user about a refusal or a result.
#pragma once

#include <cstdint>

namespace vx {

// The critical message for a refusal of GetByteFromText; nullptr for 0.
const wchar_t* RefusalMessage(int32_t code);
// FindAfter's message for a search result; nullptr for a match, which moves
// the caret instead.
const wchar_t* FindAfterMessage(int32_t rc);

}  // namespace vx

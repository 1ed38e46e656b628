// What the search windows tell the user about a refusal or a result.
#pragma once

#include <cstdint>

namespace vx {

// The critical message for a refusal of the search window's data; nullptr
// for 0, the data read.
const wchar_t* RefusalMessage(int32_t code);
// The message for a search's result; nullptr for a match, which moves the
// caret instead.
const wchar_t* SearchResultMessage(int32_t result);

}  // namespace vx

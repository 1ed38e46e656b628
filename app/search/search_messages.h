// What the search windows tell the person about a search's result.
#pragma once

#include "app/search/file_search.h"

namespace vx {

// The message for a search's result; nullptr for a match, which moves the
// caret instead.
const wchar_t* SearchResultMessage(const FindResult& result);

}  // namespace vx

// What the search windows tell the person about a refusal or a result.
#pragma once

#include "app/search/file_search.h"
#include "app/search/search_text.h"

namespace vx {

// The critical message for a refused data field; nullptr for none.
const wchar_t* RefusalMessage(PatternRefusal refusal);
// The message for a search's result; nullptr for a match, which moves the
// caret instead.
const wchar_t* SearchResultMessage(const FindResult& result);

}  // namespace vx

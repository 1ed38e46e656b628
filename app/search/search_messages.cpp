#include "app/search/search_messages.h"

#include "app/search/find_u.h"
#include "app/search/search_text.h"
#include "app/search/search_texts.h"

namespace vx {

const wchar_t* RefusalMessage(int32_t code) {
  switch (code) {
    case kOutsideRules:
      return search_texts::kOutsideRules;
    case kNoData:
      return search_texts::kNoData;
    case kBeyondByte:
      return search_texts::kBeyondByte;
    default:
      return nullptr;
  }
}

const wchar_t* SearchResultMessage(int32_t result) {
  switch (result) {
    case kFindNoMatch:
      return search_texts::kNotFound;
    case kFindOpenFailed:
      return search_texts::kSearchError;
    default:
      return nullptr;
  }
}

}  // namespace vx

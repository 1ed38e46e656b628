#include "app/search/search_messages.h"

#include "app/search/search_texts.h"

namespace vx {

const wchar_t* RefusalMessage(PatternRefusal refusal) {
  switch (refusal) {
    case PatternRefusal::OutsideRules:
      return search_texts::kOutsideRules;
    case PatternRefusal::NoData:
      return search_texts::kNoData;
    case PatternRefusal::BeyondByte:
      return search_texts::kBeyondByte;
    case PatternRefusal::None:
      break;
  }
  return nullptr;
}

const wchar_t* SearchResultMessage(const FindResult& result) {
  switch (result.outcome) {
    case FindOutcome::NotFound:
      return search_texts::kNotFound;
    case FindOutcome::Failed:
      return search_texts::kSearchError;
    case FindOutcome::Found:
      break;
  }
  return nullptr;
}

}  // namespace vx

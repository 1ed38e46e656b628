#include "app/search/search_messages.h"

#include "app/search/search_texts.h"

namespace vx {

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

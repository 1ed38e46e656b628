// What the search window needs of the window that opened it: the open file,
// the caret, the search state, and the showing of a search's result.
#pragma once

#include <cstdint>
#include <string>

#include "app/search/search_state.h"

namespace vx {

class SearchHost {
 public:
  virtual const std::wstring& SearchedFileName() const = 0;
  // The caret's offset from the start of the file.
  virtual int64_t CaretOffset() const = 0;
  virtual SearchState& Search() = 0;
  // Shows a search's result: the message for no match or a failed search,
  // or the caret on the match. True for a match.
  virtual bool ShowSearchResult(const FindResult& result) = 0;

 protected:
  ~SearchHost() = default;
};

}  // namespace vx

// What the search window and the list of all matches need of the window
// that opened them: the open file, the caret and the selection, the search
// state, and the commands that show, replace and list matches.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "app/search/search_state.h"
#include "common/byte_range.h"

namespace vx {

class SearchHost {
 public:
  virtual const std::wstring& SearchedFileName() const = 0;
  // The caret's offset from the start of the file.
  virtual int64_t CaretOffset() const = 0;
  // The selected bytes, when some are.
  virtual std::optional<ByteRange> SelectedBytes() const = 0;
  virtual SearchState& Search() = 0;
  // Shows a search's result: the message for no match or a failed search,
  // or the caret on the match and the match selected. True for a match.
  virtual bool ShowSearchResult(const FindResult& result) = 0;
  // The `length` bytes at `offset` replaced by `replacement`, as one
  // change; false when the change did not go ahead (its reason shown).
  virtual bool ReplaceMatch(int64_t offset, int64_t length,
                            std::span<const uint8_t> replacement) = 0;
  // Every match of `pattern` in `scope` replaced by `replacement`, as one
  // change; `go_on` is asked while the matches are being found, and false
  // from it stops before the file is changed. The count replaced, or none
  // when nothing was (the reason shown).
  virtual std::optional<int64_t> ReplaceAll(const SearchPattern& pattern, const SearchScope& scope,
                                            std::span<const uint8_t> replacement,
                                            const std::function<bool()>& go_on) = 0;
  // Lists every match of `pattern` in `scope` beside the main window.
  virtual void ListAllMatches(const SearchPattern& pattern, const SearchScope& scope) = 0;

 protected:
  ~SearchHost() = default;
};

}  // namespace vx

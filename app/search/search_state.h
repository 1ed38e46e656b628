// The main window's search state: the pattern of the current search, where it
// first matched and where it matched last, and the switch of the main window's
// Find-next command, which follows the state.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "app/edit/progress_callback.h"
#include "app/file/edited_file.h"
#include "app/search/file_search.h"

namespace vx {

class SearchState {
 public:
  using CommandSwitch = std::function<void(bool enabled)>;

  // Starts inactive; `enable_find_next` is not called until the state changes.
  SearchState(ProgressCallback progress, CommandSwitch enable_find_next);

  // The search window's "検索": a search from `from`; a match makes the
  // search active from it, anything else clears it.
  FindResult Start(const EditedFile& file, int64_t from, const std::vector<uint8_t>& pattern);
  // The search window's "次を検索": the next match, clearing the search when
  // there is none.
  FindResult ContinueInWindow(const EditedFile& file);
  // The main window's Find next: the search starts again behind the caret;
  // without a match the command is disabled but the pattern is kept.
  FindResult ContinueFromCaret(const EditedFile& file, int64_t caret_offset);
  // No search: the command is disabled and the pattern forgotten.
  void Clear();

  const std::vector<uint8_t>& pattern() const { return pattern_; }
  // The offsets of the first and the last match; first_match() is -1 while
  // no search is active.
  int64_t first_match() const { return first_match_; }
  int64_t last_match() const { return last_match_; }

 private:
  // The search active from `offset` with `pattern`.
  void Activate(int64_t offset, const std::vector<uint8_t>& pattern);
  // The match behind the last one, or none once the search has come round
  // to the first.
  FindResult FindNext(const EditedFile& file);
  FindResult Find(const EditedFile& file, int64_t from) const;

  ProgressCallback progress_;
  CommandSwitch enable_find_next_;
  std::vector<uint8_t> pattern_{0};
  int64_t first_match_ = -1;
  int64_t last_match_ = -1;
};

}  // namespace vx

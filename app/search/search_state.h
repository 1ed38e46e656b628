// The main window's search state: the pattern and the scope of the current
// search, where it first matched and where it matched last, and the switch
// of the main window's Find-next command, which follows the state.
#pragma once

#include <cstdint>
#include <functional>

#include "app/edit/progress_callback.h"
#include "app/file/edited_file.h"
#include "app/search/file_search.h"
#include "app/search/search_pattern.h"

namespace vx {

class SearchState {
 public:
  using CommandSwitch = std::function<void(bool enabled)>;

  // Starts inactive; `enable_find_next` is not called until the state changes.
  SearchState(ProgressCallback progress, CommandSwitch enable_find_next);

  // The search window's "検索": a search from `from` within `scope`; a match
  // makes the search active from it, anything else clears it.
  FindResult Start(const EditedFile& file, int64_t from, const SearchPattern& pattern,
                   const SearchScope& scope = {});
  // The search window's "次を検索": the next match, clearing the search when
  // there is none.
  FindResult ContinueInWindow(const EditedFile& file);
  // The main window's Find next: the search starts again behind the caret;
  // without a match the command is disabled but the pattern is kept.
  FindResult ContinueFromCaret(const EditedFile& file, int64_t caret_offset);
  // The search window's "前を検索": a search backwards from before `before`
  // within `scope`, round the end; a match makes the search active from
  // it, anything else clears it.
  FindResult StartBackward(const EditedFile& file, int64_t before, const SearchPattern& pattern,
                           const SearchScope& scope = {});
  // Find previous (Shift+F3): the last match before the caret, round the
  // end when there is none before it. A match makes the search active from
  // it, so that Find next goes on from there; without one the command is
  // disabled as Find next's is, the pattern kept.
  FindResult PreviousFromCaret(const EditedFile& file, int64_t caret_offset);
  // No search: the command is disabled and the pattern forgotten.
  void Clear();

  bool active() const { return first_match_ >= 0; }
  const SearchPattern& pattern() const { return pattern_; }
  const SearchScope& scope() const { return scope_; }
  // The offsets of the first and the last match; first_match() is -1 while
  // no search is active.
  int64_t first_match() const { return first_match_; }
  int64_t last_match() const { return last_match_; }

 private:
  // The search active from `offset`.
  void Activate(int64_t offset);
  // The match behind the last one, or none once the search has come round
  // to the first.
  FindResult FindNext(const EditedFile& file);
  FindResult Find(const EditedFile& file, int64_t from) const;

  ProgressCallback progress_;
  CommandSwitch enable_find_next_;
  SearchPattern pattern_;
  SearchScope scope_;
  int64_t first_match_ = -1;
  int64_t last_match_ = -1;
};

}  // namespace vx

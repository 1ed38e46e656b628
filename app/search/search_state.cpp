#include "app/search/search_state.h"

#include <utility>

namespace vx {

SearchState::SearchState(ProgressCallback progress, CommandSwitch enable_find_next)
    : progress_(std::move(progress)), enable_find_next_(std::move(enable_find_next)) {}

FindResult SearchState::Start(const EditedFile& file, int64_t from, const SearchPattern& pattern,
                              const SearchScope& scope) {
  pattern_ = pattern;
  scope_ = scope;
  const FindResult result = Find(file, from);
  if (result.outcome == FindOutcome::Found) {
    Activate(result.offset);
  } else {
    Clear();
  }
  return result;
}

FindResult SearchState::ContinueInWindow(const EditedFile& file) {
  const FindResult result = FindNext(file);
  if (result.outcome != FindOutcome::Found) Clear();
  return result;
}

FindResult SearchState::ContinueFromCaret(const EditedFile& file, int64_t caret_offset) {
  Activate(caret_offset + 1);
  const FindResult result = Find(file, last_match_);
  if (result.outcome != FindOutcome::Found) enable_find_next_(false);
  return result;
}

FindResult SearchState::StartBackward(const EditedFile& file, int64_t before,
                                      const SearchPattern& pattern, const SearchScope& scope) {
  pattern_ = pattern;
  scope_ = scope;
  const FindResult result = FindBackward(file, pattern_, scope_, before, progress_);
  if (result.outcome == FindOutcome::Found) {
    Activate(result.offset);
  } else {
    Clear();
  }
  return result;
}

FindResult SearchState::PreviousFromCaret(const EditedFile& file, int64_t caret_offset) {
  const FindResult result = FindBackward(file, pattern_, scope_, caret_offset, progress_);
  if (result.outcome == FindOutcome::Found) {
    Activate(result.offset);
  } else {
    enable_find_next_(false);
  }
  return result;
}

void SearchState::Activate(int64_t offset) {
  first_match_ = offset;
  last_match_ = offset;
  enable_find_next_(true);
}

FindResult SearchState::FindNext(const EditedFile& file) {
  const FindResult result = Find(file, last_match_ + 1);
  if (result.outcome != FindOutcome::Found) return result;
  if (result.offset == first_match_) return {FindOutcome::NotFound};
  last_match_ = result.offset;
  return result;
}

void SearchState::Clear() {
  pattern_ = SearchPattern();
  scope_ = SearchScope();
  first_match_ = -1;
  enable_find_next_(false);
}

FindResult SearchState::Find(const EditedFile& file, int64_t from) const {
  return FindForward(file, pattern_, scope_, from, progress_);
}

}  // namespace vx

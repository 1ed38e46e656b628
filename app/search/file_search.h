// The search over the file on disk: forwards with the wrap round the end,
// backwards with the wrap round the start, and every match in order. The
// file is scanned in windows moved along it (views mapped from the file,
// nothing copied), so a file of any size and any number of matches cost the
// same small memory.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "app/edit/progress_callback.h"
#include "app/file/edited_file.h"
#include "app/search/search_pattern.h"
#include "app/search/search_source.h"

namespace vx {

enum class FindOutcome {
  Found,
  NotFound,
  Failed,  // the file did not open, or a read failed on the way
};

struct FindResult {
  FindOutcome outcome = FindOutcome::NotFound;
  int64_t offset = 0;  // of the match, when found

  bool operator==(const FindResult&) const = default;
};

// Where matches may lie: a selection, or the whole file. A match lies wholly
// inside; the file's end limits the scope.
struct SearchScope {
  int64_t first = 0;
  int64_t end = INT64_MAX;

  bool operator==(const SearchScope&) const = default;
};

enum class FindAllOutcome { Done, Failed, Cancelled };

struct FindAllResult {
  FindAllOutcome outcome = FindAllOutcome::Done;
  int64_t count = 0;  // the matches told

  bool operator==(const FindAllResult&) const = default;
};

// Told each match with its bytes as they stand in the file (valid during
// the call only); false stops the search.
using MatchCallback = std::function<bool(int64_t offset, std::span<const uint8_t> bytes)>;

// Every search tells `progress` its start, then after every window the
// share of all its candidates tried (always below 1), then its end; an
// exception out of it ends the search. A file that is gone is not made again.

// The first match from `from` to the scope's end and, failing that, the
// first one from the scope's start that ends at or before the byte at `from`.
FindResult FindForward(const EditedFile& file, const SearchPattern& pattern,
                       const SearchScope& scope, int64_t from, const ProgressCallback& progress);
// The last match that starts before `before` and, failing that, round the
// scope's end: the last one that starts at or after `before`.
FindResult FindBackward(const EditedFile& file, const SearchPattern& pattern,
                        const SearchScope& scope, int64_t before, const ProgressCallback& progress);
// Every match in the scope, in order and not overlapping (the first of two
// overlapping ones counts): the set a replace-all replaces.
FindAllResult FindAll(const EditedFile& file, const SearchPattern& pattern,
                      const SearchScope& scope, const MatchCallback& on_match,
                      const ProgressCallback& progress);

// The same over a source of `length` bytes.
FindResult FindForward(SearchSource& source, int64_t length, const SearchPattern& pattern,
                       const SearchScope& scope, int64_t from, const ProgressCallback& progress);
FindResult FindBackward(SearchSource& source, int64_t length, const SearchPattern& pattern,
                        const SearchScope& scope, int64_t before, const ProgressCallback& progress);
FindAllResult FindAll(SearchSource& source, int64_t length, const SearchPattern& pattern,
                      const SearchScope& scope, const MatchCallback& on_match,
                      const ProgressCallback& progress);

}  // namespace vx

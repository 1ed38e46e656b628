#include "app/search/file_search.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "app/search/candidate_scan.h"
#include "app/search/read_plan.h"
#include "app/search/search_texts.h"
#include "common/file_view.h"

namespace vx {
namespace {

// The scope within a file of `length` bytes.
SearchScope Within(const SearchScope& scope, int64_t length) {
  const int64_t first = std::clamp<int64_t>(scope.first, 0, length);
  return {first, std::clamp<int64_t>(scope.end, first, length)};
}

// Runs a plan's windows over a source, telling the progress as it goes.
class WindowScan {
 public:
  WindowScan(SearchSource& source, const SearchPattern& pattern, std::vector<SearchPass> passes,
             const ProgressCallback& progress)
      : source_(source),
        tail_(static_cast<int64_t>(pattern.length()) - 1),
        plan_(std::move(passes)),
        progress_(progress) {}

  // Calls `visit(window, data, count)` with each window's `count` whole
  // candidates (fewer than planned where the file was cut short meanwhile)
  // until it says false. False when a window could not be had.
  template <typename Visit>
  bool Run(Visit visit) {
    progress_(kProgressStart, search_texts::kSearching);
    const double total = static_cast<double>(plan_.candidates());
    int64_t done = 0;
    bool read = true;
    for (auto window = plan_.Next(); window; window = plan_.Next()) {
      const auto data = source_.Window(window->first, window->candidates + tail_);
      if (!data) {
        read = false;
        break;
      }
      const auto count = static_cast<size_t>(
          std::clamp<int64_t>(static_cast<int64_t>(data->size()) - tail_, 0, window->candidates));
      if (!visit(*window, data->data(), count)) break;
      // The last window's share would be 1, which ends the bar: the end
      // comes below instead, once the work is done.
      done += window->candidates;
      if (done < plan_.candidates()) progress_(static_cast<double>(done) / total, std::wstring());
    }
    progress_(kProgressEnd, std::wstring());
    return read;
  }

 private:
  SearchSource& source_;
  int64_t tail_;
  ReadPlan plan_;
  const ProgressCallback& progress_;
};

// The first match among `count` candidates from `data + from` on, or count.
size_t FirstMatch(const uint8_t* data, size_t from, size_t count, const SearchPattern& pattern) {
  for (size_t i = NextCandidate(data, from, count, pattern); i < count;
       i = NextCandidate(data, i + 1, count, pattern)) {
    if (pattern.Matches(data + i)) return i;
  }
  return count;
}

// The first match of the passes, taken in order.
FindResult FirstOf(SearchSource& source, const SearchPattern& pattern,
                   std::vector<SearchPass> passes, const ProgressCallback& progress) {
  FindResult result{FindOutcome::NotFound};
  WindowScan scan(source, pattern, std::move(passes), progress);
  const bool read = scan.Run([&](const PlannedWindow& window, const uint8_t* data, size_t count) {
    // Backwards, the window's last match is the one nearest the start.
    size_t found = count;
    for (size_t i = FirstMatch(data, 0, count, pattern); i < count;
         i = FirstMatch(data, i + 1, count, pattern)) {
      found = i;
      if (!window.backward) break;
    }
    if (found == count) return true;
    result = {FindOutcome::Found, window.first + static_cast<int64_t>(found)};
    return false;
  });
  return read ? result : FindResult{FindOutcome::Failed};
}

// Opens the file to be searched through views of it; a file that is gone is
// an error, not made anew.
fs::FileView OpenToSearch(const EditedFile& file) {
  if (file.Length() < 0) return fs::FileView();
  return fs::FileView::Open(file.path());
}

}  // namespace

FindResult FindForward(SearchSource& source, int64_t length, const SearchPattern& pattern,
                       const SearchScope& scope, int64_t from, const ProgressCallback& progress) {
  if (pattern.empty()) return {FindOutcome::NotFound};
  const SearchScope s = Within(scope, length);
  const int64_t tail = static_cast<int64_t>(pattern.length()) - 1;
  // Round the end: the matches that end at or before the byte at `from`.
  return FirstOf(
      source, pattern,
      {{std::max(from, s.first), s.end - tail}, {s.first, std::min(from + 1, s.end) - tail}},
      progress);
}

FindResult FindBackward(SearchSource& source, int64_t length, const SearchPattern& pattern,
                        const SearchScope& scope, int64_t before,
                        const ProgressCallback& progress) {
  if (pattern.empty()) return {FindOutcome::NotFound};
  const SearchScope s = Within(scope, length);
  const int64_t last_start = s.end - static_cast<int64_t>(pattern.length()) + 1;
  return FirstOf(source, pattern,
                 {{s.first, std::min(before, last_start), true},
                  {std::max(before, s.first), last_start, true}},
                 progress);
}

FindAllResult FindAll(SearchSource& source, int64_t length, const SearchPattern& pattern,
                      const SearchScope& scope, const MatchCallback& on_match,
                      const ProgressCallback& progress) {
  if (pattern.empty()) return {};
  const SearchScope s = Within(scope, length);
  const int64_t size = static_cast<int64_t>(pattern.length());
  FindAllResult result;
  int64_t next_start = s.first;  // behind the last match: matches do not overlap
  WindowScan scan(source, pattern, {{s.first, s.end - size + 1}}, progress);
  const bool read = scan.Run([&](const PlannedWindow& window, const uint8_t* data, size_t count) {
    const auto skip = static_cast<size_t>(std::max<int64_t>(next_start - window.first, 0));
    for (size_t i = FirstMatch(data, std::min(skip, count), count, pattern); i < count;
         i = FirstMatch(data, i + pattern.length(), count, pattern)) {
      ++result.count;
      next_start = window.first + static_cast<int64_t>(i) + size;
      if (!on_match(window.first + static_cast<int64_t>(i), {data + i, pattern.length()})) {
        result.outcome = FindAllOutcome::Cancelled;
        return false;
      }
    }
    return true;
  });
  if (!read) result.outcome = FindAllOutcome::Failed;
  return result;
}

FindResult FindForward(const EditedFile& file, const SearchPattern& pattern,
                       const SearchScope& scope, int64_t from, const ProgressCallback& progress) {
  if (pattern.empty()) return {FindOutcome::NotFound};
  fs::FileView view = OpenToSearch(file);
  const int64_t length = view ? view.Length() : -1;
  if (from < 0 || length < 0) return {FindOutcome::Failed};
  ViewSource source(view);
  return FindForward(source, length, pattern, scope, from, progress);
}

FindResult FindBackward(const EditedFile& file, const SearchPattern& pattern,
                        const SearchScope& scope, int64_t before,
                        const ProgressCallback& progress) {
  if (pattern.empty()) return {FindOutcome::NotFound};
  fs::FileView view = OpenToSearch(file);
  const int64_t length = view ? view.Length() : -1;
  if (length < 0) return {FindOutcome::Failed};
  ViewSource source(view);
  return FindBackward(source, length, pattern, scope, before, progress);
}

FindAllResult FindAll(const EditedFile& file, const SearchPattern& pattern,
                      const SearchScope& scope, const MatchCallback& on_match,
                      const ProgressCallback& progress) {
  if (pattern.empty()) return {};
  fs::FileView view = OpenToSearch(file);
  const int64_t length = view ? view.Length() : -1;
  if (length < 0) return {FindAllOutcome::Failed, 0};
  ViewSource source(view);
  return FindAll(source, length, pattern, scope, on_match, progress);
}

}  // namespace vx

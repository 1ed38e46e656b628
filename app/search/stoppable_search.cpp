#include "app/search/stoppable_search.h"

#include "common/clock.h"

namespace vx {
namespace {

// Asked this often: often enough for a stop button and a window that
// answers, seldom enough to cost nothing beside a million matches.
constexpr uint32_t kAskEveryMs = 30;

// Out of the search's progress report, which ends a search wherever it is.
struct Stopped {};

}  // namespace

FindAllResult FindAllUnlessStopped(const EditedFile& file, const SearchPattern& pattern,
                                   const SearchScope& scope, const MatchCallback& on_match,
                                   const ProgressCallback& progress,
                                   const std::function<bool()>& go_on) {
  uint32_t asked_at = MilliSeconds();
  bool stopped = false;
  const auto still_going = [&] {
    if (!stopped && MilliSeconds() - asked_at >= kAskEveryMs) {
      stopped = !go_on();
      asked_at = MilliSeconds();
    }
    return !stopped;
  };
  int64_t told = 0;
  try {
    const FindAllResult result = FindAll(
        file, pattern, scope,
        [&](int64_t offset, std::span<const uint8_t> bytes) {
          ++told;
          return on_match(offset, bytes) && still_going();
        },
        [&](double share, const std::wstring& caption) {
          progress(share, caption);
          if (share >= 0 && share < 1 && !still_going()) throw Stopped{};
        });
    return stopped ? FindAllResult{FindAllOutcome::Cancelled, result.count} : result;
  } catch (const Stopped&) {
    progress(kProgressEnd, std::wstring());
    return {FindAllOutcome::Cancelled, told};
  }
}

}  // namespace vx

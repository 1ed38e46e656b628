#include "app/search/read_plan.h"

#include <algorithm>
#include <utility>

namespace vx {

ReadPlan::ReadPlan(std::vector<SearchPass> passes) : passes_(std::move(passes)) { StartPass(); }

void ReadPlan::StartPass() {
  if (pass_ < passes_.size())
    at_ = passes_[pass_].backward ? passes_[pass_].end : passes_[pass_].first;
}

std::optional<PlannedWindow> ReadPlan::Next() {
  for (; pass_ < passes_.size(); ++pass_, StartPass()) {
    const SearchPass& pass = passes_[pass_];
    const int64_t left = pass.backward ? at_ - pass.first : pass.end - at_;
    if (left <= 0) continue;
    const int64_t count = std::min(size_, left);
    size_ = std::min(2 * size_, kSearchLargestWindow);
    const PlannedWindow window{pass.backward, pass.backward ? at_ - count : at_, count};
    at_ += pass.backward ? -count : count;
    return window;
  }
  return std::nullopt;
}

int64_t ReadPlan::candidates() const {
  int64_t sum = 0;
  for (const SearchPass& pass : passes_) sum += pass.candidates();
  return sum;
}

}  // namespace vx

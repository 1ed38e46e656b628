#include "app/search/read_plan.h"

#include <algorithm>

namespace vx {

ReadPlan::ReadPlan(SearchPass first, SearchPass second)
    : passes_{first, second},
      at_(first.first),
      read_size_(kSearchBlockSize) {}

std::optional<PlannedRead> ReadPlan::Next() {
  while (pass_ < 2 && at_ >= passes_[pass_].end) {
    if (++pass_ < 2) at_ = passes_[pass_].first;
  }
  if (pass_ == 2) return std::nullopt;
  const PlannedRead read{pass_, at_, std::min(read_size_, passes_[pass_].end - at_)};
  at_ += read.candidates;
  read_size_ = std::min(2 * read_size_, kSearchLargestRead);
  return read;
}

}  // namespace vx

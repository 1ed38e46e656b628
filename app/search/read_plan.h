// Which reads a search makes: its passes' candidates in reads that start
// small and grow, each with the pattern's length - 1 bytes behind it, so
// that a match across the border to the next read is seen whole.
#pragma once

#include <cstdint>
#include <optional>

namespace vx {

// The first read's candidates; every next read takes twice as many, up to
// the largest read, where the system's cost per read no longer counts:
// half a MiB searched fastest, against 256 KiB and 1 MiB. A Find next mostly
// stops close behind where it starts.
inline constexpr int64_t kSearchBlockSize = int64_t{64} << 10;
inline constexpr int64_t kSearchLargestRead = int64_t{512} << 10;

// The candidate start offsets `first` <= offset < `end` of one pass.
struct SearchPass {
  int64_t first = 0;
  int64_t end = 0;
};

struct PlannedRead {
  int pass = 0;  // 0 or 1
  int64_t offset = 0;
  int64_t candidates = 0;  // the read takes these plus the pattern's length - 1
};

class ReadPlan {
 public:
  ReadPlan(SearchPass first, SearchPass second);

  // The reads of both passes in order, then none.
  std::optional<PlannedRead> Next();

 private:
  SearchPass passes_[2];
  int pass_ = 0;
  int64_t at_;
  int64_t read_size_;
};

}  // namespace vx

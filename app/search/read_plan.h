// Which windows a search scans: its passes' candidate start offsets in
// windows that start small and grow, forwards or backwards, each with the
// pattern's length - 1 bytes behind it, so that a match across the border
// to the next window is seen whole.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace vx {

// The first window's candidates; every next window takes twice as many, up
// to the largest. A Find next mostly stops close behind where it starts;
// the largest keeps the calls to the system few (a view is mapped, or a
// read made, per window) and each window short enough that the progress
// report, which lets the system in, comes well within 100 ms even from a
// slow disk.
inline constexpr int64_t kSearchBlockSize = int64_t{64} << 10;
inline constexpr int64_t kSearchLargestWindow = int64_t{4} << 20;

// The candidate start offsets `first` <= offset < `end` of one pass, taken
// from the lowest up, or from the highest down.
struct SearchPass {
  int64_t first = 0;
  int64_t end = 0;
  bool backward = false;

  int64_t candidates() const { return end > first ? end - first : 0; }
};

struct PlannedWindow {
  bool backward = false;   // the pass's direction
  int64_t first = 0;       // the lowest candidate
  int64_t candidates = 0;  // the window holds these plus the pattern's length - 1
};

class ReadPlan {
 public:
  explicit ReadPlan(std::vector<SearchPass> passes);

  // The windows of every pass in order, then none.
  std::optional<PlannedWindow> Next();
  // Every candidate of every pass.
  int64_t candidates() const;

 private:
  // Where the pass now starts.
  void StartPass();

  std::vector<SearchPass> passes_;
  size_t pass_ = 0;
  int64_t at_ = 0;  // the next candidate forwards, or the one behind it backwards
  int64_t size_ = kSearchBlockSize;
};

}  // namespace vx

// Where a search's windows part, for tests that put matches across them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "app/search/read_plan.h"

namespace vx::test {

// The borders between the windows of a pass from `start` forwards, for
// candidates up to `end`: the windows start small and double up to the
// largest.
inline std::vector<int64_t> WindowBorders(int64_t start, int64_t end) {
  std::vector<int64_t> borders;
  for (int64_t at = start, size = kSearchBlockSize; at + size < end;
       size = std::min(2 * size, kSearchLargestWindow)) {
    borders.push_back(at += size);
  }
  return borders;
}

}  // namespace vx::test

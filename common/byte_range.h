// A stretch of a file's bytes: the first one's zero-based offset and how many.
#pragma once

#include <cstdint>

namespace vx {

struct ByteRange {
  int64_t first = 0;
  int64_t length = 0;

  int64_t last() const { return first + length - 1; }
  bool operator==(const ByteRange&) const = default;
};

}  // namespace vx

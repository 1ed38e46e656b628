#include "app/document/selection.h"

#include <algorithm>

namespace vx {

void ByteSelection::Select(int64_t anchor, int64_t end) {
  anchor_ = anchor;
  end_ = end;
}

void ByteSelection::ExtendTo(int64_t from, int64_t end) {
  if (!anchor_) anchor_ = from;
  end_ = end;
}

void ByteSelection::StartExtending(int64_t caret) {
  extending_ = true;
  Select(caret, caret);
}

void ByteSelection::Clear() {
  anchor_.reset();
  extending_ = false;
}

std::optional<ByteRange> ByteSelection::Range(int64_t file_size) const {
  if (!anchor_) return std::nullopt;
  const int64_t first = std::max<int64_t>(0, std::min(*anchor_, end_));
  const int64_t last = std::min(std::max(*anchor_, end_), file_size - 1);
  if (last < first) return std::nullopt;
  return ByteRange{first, last - first + 1};
}

}  // namespace vx

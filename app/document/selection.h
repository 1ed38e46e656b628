// The selected stretch of bytes: an anchor where the selection began and the
// end it was extended to (the caret's byte), both inclusive whichever comes
// first, and whether caret moves extend it (the keyboard's selecting, F8).
// Offsets are zero-based; a selection never reaches behind the file's end.
#pragma once

#include <cstdint>
#include <optional>

#include "common/byte_range.h"

namespace vx {

class ByteSelection {
 public:
  // The bytes from `anchor` to `end`, inclusive, in either order.
  void Select(int64_t anchor, int64_t end);
  // The selection's end moved to `end`, its anchor kept; without a
  // selection the anchor is `from`, the caret's byte before it moved.
  void ExtendTo(int64_t from, int64_t end);
  // Caret moves extend the selection from here on, starting at `caret`'s byte.
  void StartExtending(int64_t caret);
  void StopExtending() { extending_ = false; }
  // Nothing selected, and caret moves no longer extend.
  void Clear();

  bool extending() const { return extending_; }
  // The selected bytes within a file of `file_size` bytes; none when nothing
  // is selected or all of it lies behind the end.
  std::optional<ByteRange> Range(int64_t file_size) const;

 private:
  std::optional<int64_t> anchor_;
  int64_t end_ = 0;
  bool extending_ = false;
};

}  // namespace vx

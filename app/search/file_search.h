// The search over the file on disk, block by block, so that a file of any
// size needs one small buffer.
#pragma once

#include <cstdint>
#include <vector>

#include "app/edit/progress_callback.h"
#include "app/file/edited_file.h"

namespace vx {

enum class FindOutcome {
  Found,
  NotFound,
  Failed,  // the file did not open, or a read failed on the way
};

struct FindResult {
  FindOutcome outcome = FindOutcome::NotFound;
  int64_t offset = 0;  // of the match, when found

  bool operator==(const FindResult&) const = default;
};

// Candidate start offsets per block; progress is told after every block.
inline constexpr int64_t kSearchBlockSize = int64_t{64} << 10;
// A long search reads this many bytes at a time, where the system's cost per
// read no longer counts; its first read is one block and each next one twice
// as large, since a Find next mostly stops close behind where it starts.
inline constexpr int64_t kSearchLargestRead = int64_t{1} << 20;

// The first exact match of `pattern` from `from` to the end of the file and,
// failing that, the first one from the beginning that ends at or before the
// byte at `from`. A file that is gone is not made again. `progress` is told
// after every block.
FindResult FindInFile(const EditedFile& file, int64_t from, const std::vector<uint8_t>& pattern,
                      const ProgressCallback& progress);

}  // namespace vx

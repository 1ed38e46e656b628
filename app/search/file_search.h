// The search over the file on disk, in reads of up to half a MiB, each
// scanned as soon as it is read, so that a file of any size needs one small
// buffer.
#pragma once

#include <cstdint>
#include <vector>

#include "app/edit/block_file.h"
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

// Progress is told after every step of candidate start offsets from where
// each pass starts: often enough for the bar, seldom enough to cost nothing.
inline constexpr int64_t kSearchProgressStep = int64_t{1} << 20;

// The first exact match of `pattern` from `from` to the end of the file and,
// failing that, the first one from the beginning that ends at or before the
// byte at `from`. A file that is gone is not made again. `progress` is told
// after every step; an exception out of it ends the search.
FindResult FindInFile(const EditedFile& file, int64_t from, const std::vector<uint8_t>& pattern,
                      const ProgressCallback& progress);

// The same over an open file of `length` bytes.
FindResult FindInBlocks(BlockFile& file, int64_t length, int64_t from,
                        const std::vector<uint8_t>& pattern, const ProgressCallback& progress);

}  // namespace vx

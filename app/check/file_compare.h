// Comparing the open file with another, byte by byte from the start: no
// insertion is lined up, so a byte inserted early makes the rest differ. Both
// files are read once, in large blocks, with flat memory: the differing
// stretches are listed up to a limit and counted beyond it, and F4 and
// Shift+F4 find the unlisted ones again by reading from the last listed on.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/check/read_once.h"
#include "common/byte_range.h"

namespace vx {

enum class CompareOutcome { Done, Cancelled, OpenFailed, OtherOpenFailed, ReadFailed };

// What a comparison found: the first `list_limit` differing stretches of the
// length both files have, how many there are and how many bytes they hold,
// and both files' sizes (the longer one's further bytes are in no stretch).
struct CompareSummary {
  std::vector<ByteRange> listed;
  int64_t stretches = 0;
  int64_t differing_bytes = 0;
  int64_t open_size = 0;
  int64_t other_size = 0;

  int64_t common_size() const { return open_size < other_size ? open_size : other_size; }
  bool all_listed() const { return stretches == static_cast<int64_t>(listed.size()); }
  bool same() const { return stretches == 0 && open_size == other_size; }
};

inline constexpr size_t kListedStretches = 100000;
inline constexpr int64_t kCompareBlock = int64_t{4} << 20;

// Each differing stretch of [from, to) of both files in turn, whole even
// across the blocks; `visit` returns false to stop there.
using StretchVisitor = std::function<bool(const ByteRange& stretch)>;

class FileComparison {
 public:
  // The open file `open_path` and `other_path`, which is only ever read.
  FileComparison(std::wstring open_path, std::wstring other_path,
                 int64_t block_size = kCompareBlock)
      : open_path_(std::move(open_path)),
        other_path_(std::move(other_path)),
        block_size_(block_size) {}

  // Compares the whole files; `summary()` holds what was found when Done.
  CompareOutcome Run(const KeepGoing& keep_going, size_t list_limit = kListedStretches);
  const CompareSummary& summary() const { return summary_; }
  const std::wstring& open_path() const { return open_path_; }
  const std::wstring& other_path() const { return other_path_; }

  // The stretch F4 goes to from the caret's byte: the first that begins
  // behind it, or else the first of all; Shift+F4's: the last that begins
  // before it, or else the last of all. None when no stretch differs (or
  // the files could not be read again).
  std::optional<ByteRange> Next(int64_t caret, const KeepGoing& keep_going) const;
  std::optional<ByteRange> Previous(int64_t caret, const KeepGoing& keep_going) const;

 private:
  // The stretches of [from, to), read from both files again.
  CompareOutcome Visit(int64_t from, int64_t to, const StretchVisitor& visit,
                       const KeepGoing& keep_going) const;
  // Where the listed stretches end: unlisted ones begin there or behind.
  int64_t ListedEnd() const;

  std::wstring open_path_;
  std::wstring other_path_;
  int64_t block_size_;
  CompareSummary summary_;
};

}  // namespace vx

// The matches of a replace-all as the journal's data file keeps them, so
// that memory stays flat whatever their number: one entry per match, in
// order of offset,
//
//     0  8  the match's offset in the file before the replace
//     8  4  its length L (the bytes the replace takes out)
//    12  L  those bytes
//  12+L  4  L again, so that the list reads backwards as well as forwards
//
// and the replacement once, elsewhere in the data file. Both are proved by
// their checksums (64-bit FNV-1a) before a repair uses them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "app/disk/block_file.h"

namespace vx {

// How the file's bytes move when every match gives way to the replacement,
// taken over the whole list: whether a byte ever stands further down than
// it did (Shorter), further up (Longer), both, or nowhere else (Equal).
enum class ShiftKind : uint32_t { Equal = 0, Shorter = 1, Longer = 2, Mixed = 3 };

// Where a replace-all's list and replacement lie in the data file.
struct ReplaceList {
  int64_t at = 0;     // the first entry
  int64_t bytes = 0;  // all entries
  int64_t count = 0;
  int64_t removed = 0;  // the matches' lengths added up
  uint64_t sum = 0;     // of the entries' bytes
  int64_t replacement_at = 0;
  int64_t replacement_count = 0;
  uint64_t replacement_sum = 0;
  ShiftKind shift = ShiftKind::Equal;

  bool operator==(const ReplaceList&) const = default;
};

inline constexpr uint64_t kSumStart = 0xCBF29CE484222325;
uint64_t AddToSum(uint64_t sum, std::span<const uint8_t> bytes);

// Writes the entries through `append` (which gives where its bytes start in
// the data file), gathered into large pieces.
class ReplaceListWriter {
 public:
  using Append = std::function<std::optional<int64_t>(std::span<const uint8_t>)>;
  ReplaceListWriter(Append append, int64_t replacement_count);

  // False when the match does not follow the one before (ascending, not
  // overlapping, not empty) or a write failed.
  bool Add(int64_t offset, std::span<const uint8_t> bytes);
  // The list with its shift, its replacement fields unset; none when a
  // write failed.
  std::optional<ReplaceList> Finish();

 private:
  bool Flush();
  bool Put(std::span<const uint8_t> bytes);

  Append append_;
  int64_t replacement_count_;
  std::vector<uint8_t> buffer_;
  ReplaceList list_;
  std::optional<int64_t> start_;
  int64_t next_offset_ = 0;
  int64_t shift_ = 0;
  bool shorter_ = false, longer_ = false, failed_ = false;
};

// One match as the list gives it.
struct ListEntry {
  int64_t offset = 0;
  int64_t length = 0;
  int64_t bytes_at = 0;  // its bytes in the data file
};

// Reads the entries of a list forwards or backwards through one window.
class ReplaceListReader {
 public:
  ReplaceListReader(BlockFile& data, const ReplaceList& list);

  void ToStart();
  void ToEnd();
  // None at either end, or when a read failed or the entries do not fit
  // together (failed() then).
  std::optional<ListEntry> Next();
  std::optional<ListEntry> Previous();
  bool failed() const { return failed_; }
  // Bytes [from, from + n) of the entry's match.
  bool MatchBytes(const ListEntry& entry, int64_t from, uint8_t* out, int64_t n);

 private:
  // The window holds [at, at + n) of the data file; false on a read failure.
  bool Window(int64_t at, int64_t n);
  bool Read(int64_t at, uint8_t* out, int64_t n);

  BlockFile& data_;
  ReplaceList list_;
  std::vector<uint8_t> window_;
  int64_t window_at_ = 0, window_n_ = 0;
  int64_t position_ = 0;  // the next entry's start (forwards) or the last one's end
  bool failed_ = false;
};

// Whether the list's entries and the replacement still carry their sums;
// each read through the reader's window once.
bool ListIntact(BlockFile& data, const ReplaceList& list);
bool ReplacementIntact(BlockFile& data, const ReplaceList& list, std::vector<uint8_t>& replacement);

}  // namespace vx

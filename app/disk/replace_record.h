// The recovery record of a replace-all (kind ReplaceAll of move_record.h):
// the header, names and command as every record has them, then, from F,
// the first multiple of 8 behind the names (little-endian, offsets in
// bytes):
//
//     0  8 x 8  the list (replace_list.h): its offset, bytes, count, the
//               matches' lengths added up, its sum; the replacement's
//               offset, count and sum, all in the data file the record names
//    64  4  how the list's replace moves the bytes (ShiftKind)
//    68  4  1 when the command takes the list's replace back (its Undo)
//    72  4  the block size B again
//    80  2 x 160  the two plans (below)
//     S  2 x B  the block on its way as it is written (slot 0) and the
//           bytes it writes over (slot 1), S the first multiple of 4096
//           behind the plans
//
// A plan writes the bytes [lo, hi) that the replace (or, inverse, its
// taking back) gives, block by block from lo upwards or from hi
// downwards, so that no byte is written over before it has been read;
// the file has `length during` meanwhile and `final length` at the end.
// Plan 0 makes the command's change over the whole file; plan 1 takes
// back the part of it that was done. Each plan's 160 bytes:
//
//     0  8  progress: done << 8 | 2 when finishing | 1 when a block is on
//           its way, one store
//     8  4  1 when inverse        12  4  1 when it ends with the command done
//    16  4  1 when downward       20  4  1 when only blocks with matches change
//    24  8  lo       32  8  hi
//    40  8  length at the start   48  8  length during   56  8  final length
//    64  8 + 4  the block on its way: offset, count
//    80  8 + 4 + 8  the block written last: offset, count, its BlockSum
//   104  8  moved witness: a byte the plan has already changed, its offset
//   112  8  unmoved witness: a byte the plan has yet to change, its offset
//   120  1  the moved witness's value   121  1  the unmoved one's
//   124  4  1 when the moved witness is kept, | 2 the unmoved one
//   128  2 x 8  the block on its way's slots (made, written over): each
//           one's BlockSum mixed with the block's offset and the progress
//           it leaves, so that a slot torn by a power cut, or one left from
//           an earlier block, is told from the one the flight names
//   144  4  1 when those are kept (0 in records of earlier versions)
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "app/disk/move_record.h"
#include "app/disk/record_bytes.h"
#include "app/disk/replace_list.h"

namespace vx {

struct ReplacePlan {
  bool inverse = false;
  bool after = true;
  bool downward = false;
  bool equal = false;
  int64_t lo = 0;
  int64_t hi = 0;
  int64_t length_start = 0;
  int64_t length_during = 0;
  int64_t length_final = 0;

  bool operator==(const ReplacePlan&) const = default;
};

struct ReplaceProgress {
  int64_t done = 0;  // bytes of [lo, hi) written, or passed over
  bool flight = false;
  bool finishing = false;
};

struct BlockMark {
  int64_t offset = 0;
  int32_t length = 0;
  uint64_t sum = 0;
};

// A view of a replace-all record's bytes; the header is `record`'s.
class ReplaceRecord {
 public:
  static size_t SizeFor(const std::wstring& path, const std::wstring& data_name,
                        int64_t block = kMoveBlockSize);

  explicit ReplaceRecord(MoveRecord& record) : record_(record) {}
  MoveRecord& header() { return record_; }
  const MoveRecord& header() const { return record_; }

  // Whole(): the header is, and the record is as large as its fields say.
  bool Whole(size_t size) const;

  // Writing, before Begin: the list with its shift, the command's way.
  void SetList(const ReplaceList& list, bool inverse);
  void SetPlan(int index, const ReplacePlan& plan);
  // Of the plan in force.
  void SetProgress(const ReplaceProgress& progress);
  void SetFlight(const BlockMark& block);
  // Keeps the sums of both slots for the flight as it now stands.
  void SetFlightSums();
  // Slot `index` is the one the flight was set with; always so in a
  // record of an earlier version.
  bool FlightSlotSound(int index) const;
  void SetLast(const BlockMark& block);
  void SetWitness(int index, WitnessKind kind, const Witness& witness);

  ReplaceList list() const;
  bool inverse() const;
  int64_t block_size() const { return record_.block_size(); }
  ReplacePlan plan(int index) const;
  ReplaceProgress progress() const;
  BlockMark flight() const;
  BlockMark last() const;
  Witness witness(int index, WitnessKind kind) const;
  // Slot 0 holds the block on its way, slot 1 what it writes over.
  uint8_t* slot(int index) const;
  size_t SlotOffset(int index) const;

 private:
  uint8_t* fields() const;
  uint8_t* plan_bytes(int index) const;

  MoveRecord& record_;
};

}  // namespace vx

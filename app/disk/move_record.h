// The recovery record of one long edit: what a program started after this
// one was killed needs to finish the edit or to take it back.
//
// The record is a small file in the settings folder, mapped into memory while
// the edit runs, so that keeping it current costs stores into memory, not
// system calls. Its layout (little-endian, offsets in bytes):
//
//     0  8  "VXRecov2" ("VXRecov1" from earlier versions, without the
//           witnesses and the command); zero before the record is whole and
//           after the edit ends
//     8  4  kind: 1 insertion, 2 deletion, 3 backup copy, 4 restore copy,
//           5 range replacement, 6 replace-all (replace_record.h: its own
//           fields behind the names; an earlier version sets a kind it does
//           not know aside unread rather than taking it for ended)
//    12  4  the plan in force: 0 or 1
//    16  8  the file's length before the edit
//    24  8  the zero-based offset of the byte inserted or deleted, or of
//           the range replaced
//    32  1  the byte inserted, or the byte deleted (0 for a range)
//    36  4  the file's name, in UTF-16 units
//    40  4  the temporary copy's name, in UTF-16 units (copies only); for a
//           range, the data file's name (none when it needs none)
//    44  4  the command that made the edit: 0 itself, 1 Undo, 2 Redo
//    48  4  the block size B, a multiple of 4096 up to kLargestBlockSize;
//           0 in records of earlier versions, whose blocks are of 4096
//    52  2 x 4  each slot's checksum over the count its target names
//           (BlockSum, folded): a slot torn by a power cut is told from a
//           whole one
//    60  4  1 when the slots carry checksums (0 in earlier records)
//    64  2 x 128  the two plans (below)
//   320     the file's name, then the temporary copy's name, UTF-16
//     R  72  a range only, R right behind the names (below)
//     S  2 x B  the two block slots (tail moves only), S the first
//           multiple of 4096 behind the names (and the range's fields)
//
// A plan: shift `count` bytes at `from` by `step` (+1 up, -1 down; any
// count of places for a range) in blocks of B, the upward shift from the
// top down and the downward one from the bottom up; then write one byte if
// asked (a range's new or old bytes) and give the file its final length.
// Each plan's 128 bytes:
//
//     0  8  progress: moved << 8 | (last + 1) << 4 | (flight + 1), one store
//     8  8  from          16  8  count          24  4  step
//    28  4  1 when the plan ends with the edit done, 0 when it takes it back
//    32  8  length at the start   40  8  length while shifting
//    48  8  final length          56  4  1 when a byte is written at the end
//    60  4  that byte             64  8  its offset
//    72  2 x 16  per slot: offset its bytes go to (8), their count (4), and
//           where else each byte may stand while that write is half done:
//           at slot[i + half_done_shift] (4), the step, at most B
//   104  8  moved witness: a byte the shift has already changed, its offset
//   112  8  unmoved witness: a byte the plan has yet to change, its offset
//   120  1  the moved witness's value now    121  1  the unmoved one's
//   124  4  1 when the moved witness is kept, | 2 the unmoved one
//
// A range replaces the `removed` bytes at `at` by `inserted` bytes: its
// shift moves the tail by inserted - removed places, then writes the new
// bytes at `at`; its way back shifts back and writes the old ones. Both
// live in the data file, which the repair uses only while their checksums
// still match. Its fields at R (the plans' 4-byte step stays 0):
//
//     0  8  removed       8  8  inserted
//    16  8  the old bytes' offset in the data file
//    24  8  the new bytes' offset there (unused when repeated)
//    32  8  64-bit FNV-1a of the old bytes   40  8  of the new ones
//    48  1  1 when the new bytes are one value repeated   49  1  that value
//    52  4  the block size B again
//    56  2 x 8  each plan's step
//
// `moved` counts the bytes of the shift moved or in flight. `flight` is the
// slot on its way to the file: a stop inside that write is finished by
// writing the slot again; kFinishing says that the shift is done and the
// final bytes and length are on their way (all written again after a stop). `last` is the slot whose bytes
// stand whole at their offset. The slots and the two witnesses are how the
// repair proves that the file is the one the record left.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace vx {

enum class RecordKind : uint32_t {
  Insertion = 1,
  Deletion = 2,
  BackUpCopy = 3,
  RestoreCopy = 4,
  Range = 5,
  ReplaceAll = 6,
};

// A record of a move of the file's tail, with its plans and block slots.
inline bool IsTailMove(RecordKind kind) {
  return kind == RecordKind::Insertion || kind == RecordKind::Deletion ||
         kind == RecordKind::Range;
}

// The command whose insertion or deletion the record keeps.
enum class RecordedCommand : uint32_t { Itself = 0, Undo = 1, Redo = 2 };

inline constexpr int kNoSlot = -1;
inline constexpr int kFinishing = 2;
// Blocks this large make a gigabyte's move a few thousand reads and writes,
// which the system copies at the speed of a plain file copy; earlier
// versions moved 4096 bytes at a time, and their records say so.
// Each block is flushed twice (the record, then the file: tail_move.cpp),
// so that the blocks are large: a gigabyte's move costs a few hundred
// flushes, not thousands. The slots are the record's, mapped, not private.
inline constexpr int64_t kMoveBlockSize = int64_t{8} << 20;
inline constexpr int64_t kEarlierBlockSize = 4096;
inline constexpr int64_t kLargestBlockSize = int64_t{16} << 20;
// The largest record file any version writes: two of the largest blocks,
// and the header, names and fields before them.
inline constexpr int64_t kLargestRecordSize = 2 * kLargestBlockSize + (int64_t{1} << 20);

struct MovePlan {
  int64_t from = 0;
  int64_t count = 0;
  int64_t step = 1;
  bool after = true;
  int64_t length_start = 0;
  int64_t length_during = 0;
  int64_t length_final = 0;
  bool then_write = false;
  uint8_t then_byte = 0;
  int64_t then_offset = 0;
  // The bytes written at `then_offset` at the end: one byte (`then_byte`)
  // for a one-byte move, a range's new or old bytes for a range.
  int64_t then_count = 0;
};

// What a range record keeps of its edit beside the plans.
struct RangeFields {
  int64_t removed = 0;
  int64_t inserted = 0;
  int64_t old_at = 0;
  int64_t new_at = 0;
  uint64_t old_sum = 0;
  uint64_t new_sum = 0;
  bool repeated = false;
  uint8_t value = 0;
};

struct SlotTarget {
  int64_t offset = 0;
  int32_t length = 0;
  int32_t half_done_shift = 0;
};

// One byte whose value tells the file the record left from another.
struct Witness {
  bool kept = false;
  int64_t offset = 0;
  uint8_t value = 0;
};
enum class WitnessKind { Moved, Unmoved };

struct MoveProgress {
  int64_t moved = 0;
  int last = kNoSlot;
  int flight = kNoSlot;
};

// A view of a record's bytes; the bytes stay the caller's.
class MoveRecord {
 public:
  // The bytes a record of `kind` for these names needs, with blocks of `block`.
  static size_t SizeFor(RecordKind kind, const std::wstring& path, const std::wstring& temp,
                        int64_t block = kMoveBlockSize);

  MoveRecord(uint8_t* bytes, size_t size) : bytes_(bytes), size_(size) {}

  // How the record's bytes reach the disk, where they have one; a record
  // without it (in private memory) has nothing to write through.
  void SetWriteThrough(std::function<bool()> write_through) {
    write_through_ = std::move(write_through);
  }
  bool WriteThrough() const { return !write_through_ || write_through_(); }
  // What must succeed before the record may end: closing the edited file,
  // whose failure may yet lose its last writes, so that the record that can
  // finish them stays.
  void SetEndCheck(std::function<bool()> check) { end_check_ = std::move(check); }

  // Writing, in this order: the block size and the names, a range's
  // fields, the plan 0, then Begin (magic last).
  void SetBlockSize(int64_t block);
  void SetNames(const std::wstring& path, const std::wstring& temp);
  // Makes the record a range's: its fields, behind the names.
  void SetRange(const RangeFields& range);
  void SetPlan(int index, const MovePlan& plan, const MoveProgress& progress,
               const SlotTarget& slot0, const SlotTarget& slot1);
  void Begin(RecordKind kind, int64_t length, int64_t at, uint8_t byte);
  void SetCommand(RecordedCommand command);
  // Puts the other plan in force; it must be written whole before.
  void Activate(int index);
  // Of the plan in force; one store that a stop cannot tear.
  void SetProgress(const MoveProgress& progress);
  void SetTarget(int slot, const SlotTarget& target);
  // Keeps the checksum of the first `length` bytes of `slot`, as they are now.
  void SetSlotSum(int slot, int32_t length);
  // Of plan `index`; the value lands before the mark that keeps it.
  void SetWitness(int index, WitnessKind kind, const Witness& witness);
  // The edit is over: whoever finds the record removes it. False when the
  // end check failed: the record stays begun then.
  bool End();

  // Reading. Begun(): the magic is there. Whole(): begun, and the sizes and
  // fields fit together. Earlier(): written by an earlier version.
  bool Begun() const;
  bool Whole() const;
  bool Earlier() const;
  RecordedCommand command() const;
  // The bytes a slot holds and a block moves.
  int64_t block_size() const;
  Witness witness(int index, WitnessKind kind) const;
  RecordKind kind() const;
  RangeFields range() const;
  int64_t length() const;
  int64_t at() const;
  uint8_t byte() const;
  std::wstring path() const;
  std::wstring temp() const;
  int active() const;
  MovePlan plan(int index) const;
  MoveProgress progress() const;
  SlotTarget target(int slot) const;
  uint8_t* slot(int index) const;
  // The first `length` bytes of `slot` are those its checksum was taken
  // of; always so in an earlier version's record, which keeps none.
  bool SlotSound(int slot, int32_t length) const;
  // Where slot `index` starts in the record.
  size_t SlotOffset(int index) const;
  // The record's bytes, for a kind that lays out its own fields behind the
  // names (replace_record.h), and where the names end.
  uint8_t* bytes() const { return bytes_; }
  size_t size() const { return size_; }
  size_t NamesEnd() const;

 private:
  size_t units() const;  // of both names
  bool IsRange() const;

  uint8_t* bytes_;
  size_t size_;
  std::function<bool()> write_through_;
  std::function<bool()> end_check_;
};

// A name as the record keeps it: UTF-16 units, whatever wchar_t is here.
std::u16string Utf16Units(const std::wstring& text);
std::wstring FromUtf16Units(const std::u16string& units);

}  // namespace vx

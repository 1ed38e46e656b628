// Inserting and deleting one byte on disk: the tail of the file moves by one
// byte in blocks of 4096, from the end backwards for an insertion and from
// the deletion point forwards for a deletion, so that no byte is overwritten
// before it has been read. Memory stays at the record's two block slots
// whatever the size of the file.
//
// A failure part-way does not leave the tail half-shifted: the blocks already
// moved go back and the length is restored, so the file is as before.
//
// Every block goes through a recovery record (move_record.h), read into one
// of its slots and written from there, with the record saying which block is
// on its way: a program stopped at any instant, inside a write included,
// leaves what RepairMove needs to finish the edit or to take it back. The
// record is written through to the disk before the first block moves, and
// the file before the record ends.
#pragma once

#include <cstdint>

#include "app/edit/block_file.h"
#include "app/edit/move_record.h"
#include "app/edit/progress_callback.h"

namespace vx {

inline constexpr int64_t kTailBlockSize = kRecordSlotSize;

enum class TailMoveResult {
  Done,
  Restored,      // failed; the file is exactly as before
  MaybeDamaged,  // failed, and so did putting it back; the record stays
};

// `progress`, when given, is told after each block the share done before it
// (0 to below 1), with no caption.

// Moves the bytes from `offset` on one place up, lengthening the file, and
// writes `value` at `offset`, which may be just behind the last byte. The
// record's names are set by the caller; the move begins and ends it.
TailMoveResult InsertByte(BlockFile& file, int64_t offset, uint8_t value,
                          const ProgressCallback& progress, MoveRecord& record);
// Moves the bytes behind `offset` one place down over it and cuts the last.
TailMoveResult DeleteByte(BlockFile& file, int64_t offset, const ProgressCallback& progress,
                          MoveRecord& record);

// The same with a record in private memory.
TailMoveResult InsertByte(BlockFile& file, int64_t offset, uint8_t value,
                          const ProgressCallback& progress);
TailMoveResult DeleteByte(BlockFile& file, int64_t offset, const ProgressCallback& progress);

enum class RepairResult {
  After,        // the edit is finished
  Before,       // the edit is taken back
  NotMatching,  // the file is not as the record left it: nothing was touched
  Unfit,        // the record's plan is not one of this program's: nothing was touched
  Unprovable,   // a record of an earlier version, which cannot prove the file: nothing was touched
  Failed,       // a read or write failed; the record says how far it got
};

// Carries the move a stopped program left in `record` to its end, after
// proving that `file` is as that move left it (move_proof.h); a file that
// may be the one from before the edit has the edit taken back. The record
// ends unless it Failed.
RepairResult RepairMove(BlockFile& file, MoveRecord& record);

}  // namespace vx

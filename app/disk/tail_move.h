// Inserting and deleting one byte, and replacing a range of bytes, on disk:
// the tail of the file moves by one byte, or by the difference of the
// range's counts, in blocks of the record's size, from the end backwards
// when it moves up and from the edit forwards when it moves down, so that no
// byte is overwritten before it has been read; then the new bytes are
// written.
// Memory stays at a few blocks whatever the sizes.
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
#include <string>

#include "app/disk/block_file.h"
#include "app/disk/move_record.h"
#include "app/disk/repair_result.h"
#include "app/edit/progress_callback.h"

namespace vx {

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

// Where a range's bytes are kept: the caller writes and flushes its data
// file before the move. The new bytes are the data file's, or one value
// repeated (a fill needs no data).
struct RangeData {
  BlockFile* file = nullptr;  // the data file, open for reading
  std::wstring name;          // its full name, for the record
  int64_t old_at = 0;         // the removed bytes (count `removed`)
  int64_t new_at = 0;         // the inserted bytes (count `inserted`), unless repeated
  bool repeated = false;      // the inserted bytes are all `value`
  uint8_t value = 0;
};

// Replaces the `removed` bytes at `at` by `inserted` bytes in one pass over
// the tail: it moves by inserted - removed places, then the new bytes are
// written at `at`. Counts outside the file touch nothing. The record's file
// name is set by the caller; the move names the data file, begins and ends
// the record. A failure part-way takes the move back.
TailMoveResult ReplaceRange(BlockFile& file, int64_t at, int64_t removed, int64_t inserted,
                            const RangeData& data, const ProgressCallback& progress,
                            MoveRecord& record);

// Carries the move a stopped program left in `record` to its end, after
// proving that `file` is as that move left it (move_proof.h); a file that
// may be the one from before the edit has the edit taken back. A range's
// bytes come from `data`, the data file the record names (none when it is
// missing), and only while their checksums match: without the new bytes
// the range is taken back, without the old ones it is finished, when the
// way needs none. The record ends unless it Failed or its DataUnusable.
RepairResult RepairMove(BlockFile& file, MoveRecord& record, BlockFile* data = nullptr);

}  // namespace vx

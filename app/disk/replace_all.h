// Replace-all on disk: every match of a list (replace_list.h) gives way to
// the replacement in ONE pass over the file, in blocks of the record's
// size, with memory flat whatever the number of matches:
//   - the same length: only the blocks that hold matches are read, patched
//     and written in place;
//   - shorter: front to back, each block written behind what is still to
//     be read, then the length is cut;
//   - longer: the length is set first (a full disk fails there, with the
//     file untouched), then back to front, writing ahead of the reading.
// Its Undo is the same pass over the same list the other way round (each
// match's bytes put back where the replacement now stands), its Redo the
// pass again.
//
// Every block goes through a recovery record (replace_record.h): it is made
// in slot 0, what it writes over is kept in slot 1, and the record says
// which block is on its way, so that a program stopped at any instant
// leaves what RepairReplaceAll needs to finish the replace or to take it
// back. The data file is written through before the replace begins, the
// record before the first block, and the file before the record ends; the
// blocks between are not written through one by one, as the tail move's
// are not: a killed program is covered at every instant, a power cut
// before the first block and after the end.
//
// A failure part-way takes the blocks written back, so that the file is as
// before; when even that fails the record stays for the next start.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "app/disk/block_file.h"
#include "app/disk/repair_result.h"
#include "app/disk/replace_list.h"
#include "app/disk/replace_record.h"

namespace vx {

enum class ReplaceResult {
  Done,
  Restored,      // failed; the file is exactly as before
  MaybeDamaged,  // failed, and so did putting it back; the record stays
};

// The list and the replacement, in the data file `file` (open for reading,
// written through before the replace); the replacement as the caller has it.
struct ReplaceData {
  BlockFile* file = nullptr;
  ReplaceList list;
  std::span<const uint8_t> replacement;
};

// Told after each block the bytes done of those to do.
using ReplaceProgressReport = std::function<void(int64_t done, int64_t total)>;

// Makes the list's replace (`inverse`: takes it back) in `file`. A list
// that does not fit the file, or one whose shift is Mixed, changes nothing.
// The record's names and command are set by the caller; the replace begins
// and ends it.
ReplaceResult ReplaceAll(BlockFile& file, const ReplaceData& data, bool inverse,
                         const ReplaceProgressReport& progress, ReplaceRecord& record);

// Carries the replace a stopped program left in `record` (of `size` bytes)
// to its end, after proving that `file` is as the record left it and that
// the data file `data` (none when missing) still holds the list and the
// replacement; a file that may be the one from before has the replace
// taken back. The record ends unless it Failed or its DataUnusable.
RepairResult RepairReplaceAll(BlockFile& file, ReplaceRecord& record, size_t size, BlockFile* data);

}  // namespace vx

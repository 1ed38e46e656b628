// Whether a file is the one a stopped move left, before the repair touches
// it. A record only describes the file the move was working on; a file put
// back by hand from its backup, one already as the edit would leave it, or
// a record that does not describe a move of this program at all must leave
// the file exactly as it is.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "app/disk/block_file.h"
#include "app/disk/move_record.h"

namespace vx {

enum class FileProof {
  AsLeft,          // the move may go on
  MayBeBefore,     // as left, but the shift shows no change so far: only taking it back is safe
  NotAsLeft,       // another file, or this one changed since
  PlanUnfit,       // the record's plan is none that this program makes for its header
  Unprovable,      // an earlier version's record, without the witnesses
};

// Proves identity by the length; the bytes of the block last moved (whole)
// and of the block on its way (each byte old or new); a byte the shift has
// already changed (the moved witness), which no copy of the file from
// before holds; and a byte it has yet to change (the unmoved witness),
// which no copy of the file from after holds.
//
// `final_byte` tells what the plan's final writes put at an offset, where
// it can tell (a range's data file may be missing).
using FinalByte = std::function<std::optional<uint8_t>(const MovePlan& plan, int64_t offset)>;
FileProof ProveFile(BlockFile& file, const MoveRecord& record, const FinalByte& final_byte);

}  // namespace vx

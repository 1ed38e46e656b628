// Inserting and deleting one byte on disk: the tail of the file moves by one
// byte in blocks of 4096, from the end backwards for an insertion and from
// the deletion point forwards for a deletion, so that no byte is overwritten
// before it has been read. Memory stays at the one block buffer whatever the
// size of the file.
//
// A failure part-way does not leave the tail half-shifted: the blocks already
// moved go back and the length is restored, so the file is as before.
#pragma once

#include <cstdint>
#include <functional>

#include "app/edit/block_file.h"

namespace vx {

inline constexpr int64_t kTailBlockSize = 4096;

enum class TailMoveResult {
  Done,
  Restored,      // failed; the file is exactly as before
  MaybeDamaged,  // failed, and so did putting it back
};

// Called after each block with the share done before it (0 to below 1).
using TailProgress = std::function<void(double)>;

// Moves the bytes from SeekPos on one place up, lengthening the file, and
// writes Dat at SeekPos. SeekPos may be just behind the last byte.
TailMoveResult InsOne(BlockFile& file, int32_t SeekPos, uint8_t Dat, const TailProgress& progress);
// Moves the bytes behind SeekPos one place down over it and cuts the last.
TailMoveResult DelOne(BlockFile& file, int32_t SeekPos, const TailProgress& progress);

}  // namespace vx

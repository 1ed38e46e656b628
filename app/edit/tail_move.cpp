#include "app/edit/tail_move.h"

#include <algorithm>
#include <array>

namespace vx {
namespace {

using Buffer = std::array<uint8_t, kTailBlockSize>;

// How far a shift got before it stopped.
struct ShiftStop {
  bool complete = false;
  int64_t moved = 0;  // bytes fully moved, counted from the end the shift starts at
  // The block whose write failed: its bytes are still in the buffer, and the
  // write may have changed part of the file below or above it.
  bool block_in_buffer = false;
  int64_t block_offset = 0;
  int64_t block_length = 0;
};

// Copies `count` bytes at `from` to `from + step` (step +1 or -1) in blocks:
// upwards from the end backwards, downwards from the start forwards.
// `after_block` gets the bytes moved before the block just done.
ShiftStop Shift(BlockFile& file, int64_t from, int step, int64_t count, Buffer& buffer,
                const std::function<void(int64_t)>& after_block) {
  ShiftStop stop;
  while (stop.moved < count) {
    const int64_t n = std::min(kTailBlockSize, count - stop.moved);
    const int64_t offset = step > 0 ? from + count - stop.moved - n : from + stop.moved;
    if (file.ReadAt(offset, buffer.data(), n) != n) return stop;
    if (!file.WriteAt(offset + step, buffer.data(), n)) {
      stop.block_in_buffer = true;
      stop.block_offset = offset;
      stop.block_length = n;
      return stop;
    }
    const int64_t before = stop.moved;
    stop.moved += n;
    if (after_block) after_block(before);
  }
  stop.complete = true;
  return stop;
}

// Puts back what a stopped Shift changed: the failed block from the buffer,
// then the moved bytes one place back.
bool UndoShift(BlockFile& file, int64_t from, int step, int64_t count, const ShiftStop& stop,
               Buffer& buffer) {
  if (stop.block_in_buffer && !file.WriteAt(stop.block_offset, buffer.data(), stop.block_length)) {
    return false;
  }
  const int64_t moved_from = step > 0 ? from + count - stop.moved : from;
  return Shift(file, moved_from + step, -step, stop.moved, buffer, {}).complete;
}

bool RestoreLength(BlockFile& file, int64_t length) {
  return file.Length() == length || file.SetLength(length);
}

TailMoveResult Outcome(bool put_back) {
  return put_back ? TailMoveResult::Restored : TailMoveResult::MaybeDamaged;
}

}  // namespace

TailMoveResult InsOne(BlockFile& file, int32_t SeekPos, uint8_t Dat, const TailProgress& progress) {
  const int64_t length = file.Length();
  const int64_t at = int64_t{SeekPos} - 1;
  if (length < 0 || at < 0 || at > length) return TailMoveResult::Restored;
  const int64_t count = length - at;
  Buffer buffer;
  const auto restore = [&](const ShiftStop& stop) {
    return Outcome(UndoShift(file, at, +1, count, stop, buffer) && RestoreLength(file, length));
  };
  if (!file.SetLength(length + 1)) return restore(ShiftStop{});
  const ShiftStop stop = Shift(file, at, +1, count, buffer, [&](int64_t before) {
    if (progress) progress(static_cast<double>(before) / static_cast<double>(count + 1));
  });
  if (!stop.complete || !file.WriteAt(at, &Dat, 1)) return restore(stop);
  return TailMoveResult::Done;
}

TailMoveResult DelOne(BlockFile& file, int32_t SeekPos, const TailProgress& progress) {
  const int64_t length = file.Length();
  const int64_t at = int64_t{SeekPos} - 1;
  if (length < 0 || at < 0 || at >= length) return TailMoveResult::Restored;
  // The byte moved over is gone from the file; keep it to put it back.
  uint8_t deleted = 0;
  if (file.ReadAt(at, &deleted, 1) != 1) return TailMoveResult::Restored;
  const int64_t count = length - at - 1;
  Buffer buffer;
  const auto restore = [&](const ShiftStop& stop) {
    return Outcome(UndoShift(file, at + 1, -1, count, stop, buffer) &&
                   file.WriteAt(at, &deleted, 1) && RestoreLength(file, length));
  };
  const ShiftStop stop = Shift(file, at + 1, -1, count, buffer, [&](int64_t before) {
    if (progress) progress(static_cast<double>(before) / static_cast<double>(count));
  });
  if (!stop.complete || !file.SetLength(length - 1)) return restore(stop);
  return TailMoveResult::Done;
}

}  // namespace vx

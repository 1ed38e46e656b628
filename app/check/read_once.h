// Reading a stretch of a file once for several consumers (the hashes of the
// hash window): the file is read in large blocks, a few blocks ahead of the
// consumers, and the consumers' work is shared out among as many threads as
// the processor has cores, no block copied for any consumer. The calling
// thread only reads and waits, and between the waits it asks whether to go
// on, so that a window keeps answering and its Cancel works.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "common/byte_range.h"

namespace vx {

// One consumer of the blocks, in the file's order; called on a worker
// thread, never on two at once.
class BlockSink {
 public:
  virtual ~BlockSink() = default;
  virtual void Add(std::span<const uint8_t> block) = 0;
};

enum class ReadOnceOutcome {
  Done,
  Cancelled,
  NotOpened,
  ReadFailed,
  // The file's length is not the one the stretch was chosen in: another
  // program changed the file meanwhile.
  SizeChanged,
};

// Called on the calling thread after each block and every few tens of
// milliseconds while it waits; `share` is the part done, 0 to 1. False stops.
using KeepGoing = std::function<bool(double share)>;

inline constexpr int64_t kReadOnceBlock = int64_t{1024} << 10;

// Reads `range` of the file `path`, which must be `expected_size` bytes long
// before, during and after the reading, and gives every block to every sink.
// The file is opened for reading only, shared. Done only when every byte of
// the range reached every sink.
ReadOnceOutcome ReadOnce(const std::wstring& path, int64_t expected_size, ByteRange range,
                         std::span<BlockSink* const> sinks, const KeepGoing& keep_going,
                         int64_t block_size = kReadOnceBlock);

}  // namespace vx

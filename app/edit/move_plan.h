// The plans of a one-byte move: the shift that makes an insertion or a
// deletion, and the one that takes back the part of it that was done. A
// record may say anything, so the repair rebuilds these from the record's
// own header and trusts a plan only when it is one of them.
#pragma once

#include <cstdint>
#include <optional>

#include "app/edit/move_record.h"

namespace vx {

// The plan that inserts `byte` at `at` into a file of `length` bytes, or
// deletes the byte at `at` (`byte` is then the deleted one).
MovePlan ForwardPlan(RecordKind kind, int64_t length, int64_t at, uint8_t byte);

// The plan that moves the `moved` bytes the forward plan shifted back.
MovePlan BackPlan(RecordKind kind, int64_t length, int64_t at, uint8_t byte,
                  const MovePlan& forward, int64_t moved);

bool SamePlan(const MovePlan& a, const MovePlan& b);

// The byte that a block of the plan in force, with `moved_before` bytes of
// the shift done before it, replaces at its edge, where the block's own
// bytes do not tell: the neighbour of the block before (kept in slot
// `last`), or at the very start of a deletion the deleted byte.
std::optional<uint8_t> ReplacedAtEdge(const MoveRecord& record, const MovePlan& plan,
                                      int64_t moved_before, int last);

// The bytes the forward plan and its way back may write: [first, end).
struct WrittenStretch {
  int64_t first = 0;
  int64_t end = 0;
};
WrittenStretch StretchOf(const MovePlan& forward);

}  // namespace vx

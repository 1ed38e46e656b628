// The plans of a move: the shift that makes an insertion, a deletion or a
// range replacement, and the one that takes back the part of it that was
// done. A record may say anything, so the repair rebuilds these from the
// record's own header and trusts a plan only when it is one of them.
#pragma once

#include <cstdint>
#include <optional>

#include "app/disk/move_record.h"

namespace vx {

// An edit as its plans see it: the `removed` bytes at `at` of a file of
// `length` bytes give way to `inserted` ones. A one-byte insertion removes
// none and inserts `byte`; a one-byte deletion removes `byte` and inserts
// none; a range's bytes come from its data file.
struct EditShape {
  int64_t length = 0;
  int64_t at = 0;
  int64_t removed = 0;
  int64_t inserted = 0;
  uint8_t byte = 0;
};

// The shape a record's header describes.
EditShape ShapeOf(const MoveRecord& record);

// The plan that makes the edit: the tail behind the removed bytes moves by
// inserted - removed places, then the inserted bytes are written.
MovePlan ForwardPlan(const EditShape& shape);

// The plan that moves the `moved` bytes the forward plan shifted back, then
// writes the removed bytes again.
MovePlan BackPlan(const EditShape& shape, const MovePlan& forward, int64_t moved);

bool SamePlan(const MovePlan& a, const MovePlan& b);

// The byte that stood at `position` when the block behind the one in slot
// `last` was about to be written, with `moved_before` bytes of the plan in
// force done: where the last block's source lay and its write did not
// reach, or at the very start of a one-byte deletion the deleted byte.
// None where the record does not tell.
std::optional<uint8_t> ReplacedAt(const MoveRecord& record, const MovePlan& plan,
                                  int64_t moved_before, int last, int64_t position);

// The bytes the forward plan and its way back may write: [first, end).
struct WrittenStretch {
  int64_t first = 0;
  int64_t end = 0;
};
WrittenStretch StretchOf(const EditShape& shape);

}  // namespace vx

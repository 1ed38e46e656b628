#include "app/disk/move_plan.h"

#include <algorithm>

namespace vx {

EditShape ShapeOf(const MoveRecord& record) {
  EditShape shape{record.length(), record.at(), 0, 0, record.byte()};
  switch (record.kind()) {
    case RecordKind::Insertion:
      shape.inserted = 1;
      break;
    case RecordKind::Deletion:
      shape.removed = 1;
      break;
    default: {
      const RangeFields range = record.range();
      shape.removed = range.removed;
      shape.inserted = range.inserted;
      shape.byte = 0;
      break;
    }
  }
  return shape;
}

MovePlan ForwardPlan(const EditShape& shape) {
  MovePlan plan;
  plan.step = shape.inserted - shape.removed;
  plan.from = shape.at + shape.removed;
  // Replacing bytes by as many moves nothing.
  plan.count = plan.step == 0 ? 0 : shape.length - plan.from;
  plan.length_start = shape.length;
  plan.length_during = std::max(shape.length, shape.length + plan.step);
  plan.length_final = shape.length + plan.step;
  plan.then_write = shape.inserted > 0;
  plan.then_offset = shape.at;
  plan.then_count = shape.inserted;
  plan.then_byte = plan.then_write ? shape.byte : 0;
  return plan;
}

MovePlan BackPlan(const EditShape& shape, const MovePlan& forward, int64_t moved) {
  MovePlan back;
  back.step = -forward.step;
  back.count = moved;
  // The bytes moved are the top ones of an upward shift, the bottom ones of
  // a downward one.
  back.from = forward.step > 0 ? forward.from + forward.count - moved + forward.step
                               : forward.from + forward.step;
  back.after = false;
  back.length_start = back.length_during = forward.length_during;
  back.length_final = shape.length;
  back.then_write = shape.removed > 0;
  back.then_offset = shape.at;
  back.then_count = shape.removed;
  back.then_byte = back.then_write ? shape.byte : 0;
  return back;
}

bool SamePlan(const MovePlan& a, const MovePlan& b) {
  return a.from == b.from && a.count == b.count && a.step == b.step && a.after == b.after &&
         a.length_start == b.length_start && a.length_during == b.length_during &&
         a.length_final == b.length_final && a.then_write == b.then_write &&
         (!a.then_write || (a.then_byte == b.then_byte && a.then_offset == b.then_offset &&
                            a.then_count == b.then_count));
}

std::optional<uint8_t> ReplacedAt(const MoveRecord& record, const MovePlan& plan,
                                  int64_t moved_before, int last, int64_t position) {
  if (moved_before > 0 && (last == 0 || last == 1)) {
    const SlotTarget t = record.target(last);
    if (t.length <= 0 || t.length > record.block_size()) return std::nullopt;
    // Blocks move away from where the shift heads, so nothing written before
    // the last block reached its source.
    const int64_t source = t.offset - plan.step;
    if (position < source || position >= source + t.length) return std::nullopt;
    if (position >= t.offset && position < t.offset + t.length) return std::nullopt;
    return record.slot(last)[position - source];
  }
  if (moved_before == 0 && plan.step < 0 && plan.after && record.kind() == RecordKind::Deletion &&
      position == plan.from - 1) {
    return record.byte();
  }
  return std::nullopt;
}

WrittenStretch StretchOf(const EditShape& shape) {
  const MovePlan forward = ForwardPlan(shape);
  return {shape.at, std::max(forward.from + forward.count,
                             forward.from + forward.count + forward.step)};
}

}  // namespace vx

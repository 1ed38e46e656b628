#include "app/edit/move_plan.h"

#include <algorithm>

namespace vx {

MovePlan ForwardPlan(RecordKind kind, int64_t length, int64_t at, uint8_t byte) {
  MovePlan plan;
  plan.step = kind == RecordKind::Insertion ? 1 : -1;
  plan.length_start = length;
  if (kind == RecordKind::Insertion) {
    plan.from = at;
    plan.count = length - at;
    plan.length_during = plan.length_final = length + 1;
    plan.then_write = true;
    plan.then_offset = at;
    plan.then_byte = byte;
  } else {
    plan.from = at + 1;
    plan.count = length - at - 1;
    plan.length_during = length;
    plan.length_final = length - 1;
  }
  return plan;
}

MovePlan BackPlan(RecordKind kind, int64_t length, int64_t at, uint8_t byte,
                  const MovePlan& forward, int64_t moved) {
  const bool insertion = kind == RecordKind::Insertion;
  MovePlan back;
  back.step = -forward.step;
  back.count = moved;
  back.from = forward.step > 0 ? forward.from + forward.count - moved + 1 : forward.from - 1;
  back.after = false;
  back.length_start = back.length_during = insertion ? length + 1 : length;
  back.length_final = length;
  back.then_write = !insertion;
  back.then_offset = at;
  back.then_byte = byte;
  return back;
}

bool SamePlan(const MovePlan& a, const MovePlan& b) {
  return a.from == b.from && a.count == b.count && a.step == b.step && a.after == b.after &&
         a.length_start == b.length_start && a.length_during == b.length_during &&
         a.length_final == b.length_final && a.then_write == b.then_write &&
         (!a.then_write || (a.then_byte == b.then_byte && a.then_offset == b.then_offset));
}

std::optional<uint8_t> ReplacedAtEdge(const MoveRecord& record, const MovePlan& plan,
                                      int64_t moved_before, int last) {
  if (moved_before > 0 && (last == 0 || last == 1)) {
    const int32_t length = record.target(last).length;
    if (length <= 0 || length > kRecordSlotSize) return std::nullopt;
    return plan.step > 0 ? record.slot(last)[0] : record.slot(last)[length - 1];
  }
  if (moved_before == 0 && plan.step < 0 && plan.after && record.kind() == RecordKind::Deletion) {
    return record.byte();
  }
  return std::nullopt;
}

WrittenStretch StretchOf(const MovePlan& forward) {
  return {forward.from + std::min(forward.step, 0),
          forward.from + forward.count + std::max(forward.step, 0)};
}

}  // namespace vx

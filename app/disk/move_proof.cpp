#include "app/disk/move_proof.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

#include "app/disk/move_plan.h"

namespace vx {
namespace {

bool Inside(int64_t offset, int64_t length, const WrittenStretch& stretch) {
  return length >= 0 && offset >= stretch.first && offset <= stretch.end - length;
}

// The record's plan in force is the forward plan its header calls for, or
// the way back from some point of it, and every block it names lies where
// that plan writes.
bool PlanFits(const MoveRecord& record) {
  const EditShape shape = ShapeOf(record);
  constexpr int64_t kLargest = int64_t{1} << 56;
  if (shape.length < 0 || shape.length > kLargest || shape.at < 0 || shape.removed < 0 ||
      shape.inserted < 0 || shape.inserted > kLargest || shape.removed > shape.length - shape.at ||
      shape.at > shape.length) {
    return false;
  }
  const MovePlan forward = ForwardPlan(shape);
  if (!SamePlan(record.plan(0), forward)) return false;
  const int index = record.active();
  const MovePlan plan = record.plan(index);
  if (index == 1 && (plan.count < 0 || plan.count > forward.count ||
                     !SamePlan(plan, BackPlan(shape, forward, plan.count)))) {
    return false;
  }
  const MoveProgress progress = record.progress();
  if (progress.moved < 0 || progress.moved > plan.count || progress.last < kNoSlot ||
      progress.last > 1 || progress.flight < kNoSlot || progress.flight > kFinishing ||
      (progress.flight == kFinishing && progress.moved != plan.count)) {
    return false;
  }
  const WrittenStretch stretch = StretchOf(shape);
  const int64_t block = record.block_size();
  const int64_t largest_shift = std::min<int64_t>(std::abs(forward.step), block);
  for (const int slot : {progress.last, progress.flight}) {
    if (slot != 0 && slot != 1) continue;
    const SlotTarget t = record.target(slot);
    if (t.length <= 0 || t.length > block || std::abs(t.half_done_shift) > largest_shift ||
        !Inside(t.offset, t.length, stretch)) {
      return false;
    }
  }
  for (const WitnessKind kind_of : {WitnessKind::Moved, WitnessKind::Unmoved}) {
    const Witness w = record.witness(index, kind_of);
    if (w.kept && !Inside(w.offset, 1, stretch)) return false;
  }
  return true;
}

// Whether the plan has yet to write `offset`: the final writes come last,
// and the blocks written or on their way take the targets nearest where
// the shift starts.
bool Unwritten(const MovePlan& plan, const MoveProgress& at, int64_t offset) {
  if (plan.then_write && offset >= plan.then_offset &&
      offset < plan.then_offset + plan.then_count) {
    return true;
  }
  return plan.step > 0 ? offset < plan.from + plan.count - at.moved + plan.step
                       : offset >= plan.from + at.moved + plan.step;
}

class Checker {
 public:
  Checker(BlockFile& file, const MoveRecord& record) : file_(file), record_(record) {}

  bool Byte(int64_t offset, uint8_t* value) { return file_.ReadAt(offset, value, 1) == 1; }

  // The bytes of `slot` at its target: each the slot's own, or while it is
  // on its way the one it replaces (the slot's own source tells, else
  // `edge` where known). Bytes inside `skip` are not looked at. `landed`
  // tells whether a byte that differs from the one it replaces is there.
  bool Block(int slot, bool on_its_way, const std::function<std::optional<uint8_t>(int64_t)>& edge,
             const SlotTarget* skip, bool* landed) {
    const SlotTarget t = record_.target(slot);
    if (t.offset + t.length > file_.Length()) return false;
    here_.resize(static_cast<size_t>(t.length));
    if (file_.ReadAt(t.offset, here_.data(), t.length) != t.length) return false;
    const uint8_t* bytes = record_.slot(slot);
    for (int32_t i = 0; i < t.length; ++i) {
      const int64_t offset = t.offset + i;
      if (skip && offset >= skip->offset && offset < skip->offset + skip->length) continue;
      const int32_t other = i + t.half_done_shift;
      const std::optional<uint8_t> replaced =
          other >= 0 && other < t.length ? std::optional<uint8_t>(bytes[other])
          : edge                         ? edge(offset)
                                         : std::nullopt;
      if (here_[i] == bytes[i]) {
        if (landed && replaced && *replaced != bytes[i]) *landed = true;
        continue;
      }
      // The byte a half-done write replaced.
      if (!on_its_way || (replaced && here_[i] != *replaced)) return false;
    }
    return true;
  }

 private:
  BlockFile& file_;
  const MoveRecord& record_;
  std::vector<uint8_t> here_;
};

}  // namespace

FileProof ProveFile(BlockFile& file, const MoveRecord& record, const FinalByte& final_byte) {
  if (!PlanFits(record)) return FileProof::PlanUnfit;
  if (record.Earlier()) return FileProof::Unprovable;
  const int index = record.active();
  const MovePlan plan = record.plan(index);
  const MoveProgress at = record.progress();
  const bool finishing = at.flight == kFinishing;
  const bool flying = at.flight == 0 || at.flight == 1;
  const int64_t length = file.Length();
  const bool resting = !flying && !finishing;
  // A way back not yet begun may find the length the forward plan's end set
  // (a shrinking move whose last flush failed): it lengthens the file first.
  const bool back_unbegun = index == 1 && at.moved == 0 && resting;
  if (length != plan.length_during && !(length == plan.length_start && at.moved == 0 && resting) &&
      !(length == plan.length_final && finishing) &&
      !(back_unbegun && length == record.plan(0).length_final)) {
    return FileProof::NotAsLeft;
  }
  Checker check(file, record);
  bool landed = false;
  SlotTarget flight_target;
  if (flying) {
    flight_target = record.target(at.flight);
    const int64_t moved_before = at.moved - flight_target.length;
    const auto edge = [&](int64_t position) {
      return ReplacedAt(record, plan, moved_before, at.last, position);
    };
    if (!check.Block(at.flight, true, edge, nullptr, &landed)) return FileProof::NotAsLeft;
  }
  if ((at.last == 0 || at.last == 1) && at.last != at.flight &&
      !check.Block(at.last, false, {}, flying ? &flight_target : nullptr, nullptr)) {
    return FileProof::NotAsLeft;
  }
  const Witness moved = record.witness(index, WitnessKind::Moved);
  uint8_t value = 0;
  if (moved.kept && (!check.Byte(moved.offset, &value) || value != moved.value)) {
    return FileProof::NotAsLeft;
  }
  const Witness unmoved = record.witness(index, WitnessKind::Unmoved);
  const bool in_flight = flying && unmoved.offset >= flight_target.offset &&
                         unmoved.offset < flight_target.offset + flight_target.length;
  if (unmoved.kept && !in_flight && Unwritten(plan, at, unmoved.offset) &&
      unmoved.offset < length) {
    if (!check.Byte(unmoved.offset, &value)) return FileProof::NotAsLeft;
    if (value != unmoved.value) {
      // Only the final writes may have changed it yet, to what they write.
      const bool written_last = finishing && plan.then_write &&
                                unmoved.offset >= plan.then_offset &&
                                unmoved.offset < plan.then_offset + plan.then_count;
      const std::optional<uint8_t> written =
          written_last ? final_byte(plan, unmoved.offset) : std::nullopt;
      if (!written_last || (written && value != *written)) return FileProof::NotAsLeft;
      landed = true;
    }
  }
  // The bytes a lengthening added stand as zero until the shift writes them.
  if (resting && at.moved == 0 && length > plan.length_start &&
      (!check.Byte(plan.length_start, &value) || value != 0)) {
    return FileProof::NotAsLeft;
  }
  if (plan.after && length == plan.length_start && !moved.kept && !landed) {
    return FileProof::MayBeBefore;
  }
  return FileProof::AsLeft;
}

}  // namespace vx

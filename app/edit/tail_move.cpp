#include "app/edit/tail_move.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vx {
namespace {

int64_t BlockLength(const MovePlan& plan, int64_t moved) {
  return std::min(kTailBlockSize, plan.count - moved);
}

// The upward shift runs from the top down and the downward one from the
// bottom up, so that no byte is overwritten before it has been read.
int64_t BlockSource(const MovePlan& plan, int64_t moved, int64_t n) {
  return plan.step > 0 ? plan.from + plan.count - moved - n : plan.from + moved;
}

// Carries the plan in force from where the record stands to its end. False
// when a read, write or resize failed; the record then says where it stopped.
// `after_block` gets the bytes moved before the block just done.
bool RunPlan(BlockFile& file, MoveRecord& record,
             const std::function<void(int64_t)>& after_block) {
  const MovePlan plan = record.plan(record.active());
  MoveProgress at = record.progress();
  if (at.flight != kNoSlot) {
    const SlotTarget t = record.target(at.flight);
    if (!file.WriteAt(t.offset, record.slot(at.flight), t.length)) return false;
    at = {at.moved, at.flight, kNoSlot};
    record.SetProgress(at);
  }
  if (at.moved < plan.count && file.Length() != plan.length_during &&
      !file.SetLength(plan.length_during)) {
    return false;
  }
  while (at.moved < plan.count) {
    const int64_t n = BlockLength(plan, at.moved);
    const int64_t source = BlockSource(plan, at.moved, n);
    // Never the slot of the check: it must hold until this block is whole.
    const int slot = at.last == 0 ? 1 : 0;
    uint8_t* bytes = record.slot(slot);
    if (file.ReadAt(source, bytes, n) != n) return false;
    record.SetTarget(slot, {source + plan.step, static_cast<int32_t>(n), plan.step});
    const int64_t before = at.moved;
    record.SetProgress({before + n, at.last, slot});
    if (!file.WriteAt(source + plan.step, bytes, n)) return false;
    at = {before + n, slot, kNoSlot};
    record.SetProgress(at);
    if (after_block) after_block(before);
  }
  if (plan.then_write && !file.WriteAt(plan.then_offset, &plan.then_byte, 1)) return false;
  return file.Length() == plan.length_final || file.SetLength(plan.length_final);
}

// Writes the first plan with the bytes of the first block as they stand, so
// that the file can be checked before the first block moves. False when
// they cannot be read: nothing has changed then.
bool BeginRecord(BlockFile& file, MoveRecord& record, RecordKind kind, const MovePlan& plan,
                 int64_t at, uint8_t byte) {
  MoveProgress progress;
  SlotTarget check;
  if (plan.count > 0) {
    const int64_t n = BlockLength(plan, 0);
    const int64_t source = BlockSource(plan, 0, n);
    if (file.ReadAt(source, record.slot(0), n) != n) return false;
    check = {source, static_cast<int32_t>(n), 0};
    progress.last = 0;
  }
  record.SetPlan(0, plan, progress, check, {});
  record.Begin(kind, plan.length_start, at, byte);
  return true;
}

// Replaces the plan in force by the one that takes back what it did: the
// block that was on its way goes back where it came from, and the bytes
// moved go back one place.
void PlanBack(MoveRecord& record) {
  const bool insertion = record.kind() == RecordKind::Insertion;
  const int index = record.active();
  const MovePlan forward = record.plan(index);
  const MoveProgress stop = record.progress();
  SlotTarget targets[] = {record.target(0), record.target(1)};
  int64_t moved = stop.moved;
  if (stop.flight != kNoSlot) {
    SlotTarget& t = targets[stop.flight];
    moved -= t.length;
    // Half written, each byte of its source is itself or its neighbour.
    t = {t.offset - forward.step, t.length, -forward.step};
  }
  MovePlan back;
  back.step = -forward.step;
  back.count = moved;
  back.from = forward.step > 0 ? forward.from + forward.count - moved + 1 : forward.from - 1;
  back.after = false;
  back.length_start = back.length_during = insertion ? record.length() + 1 : record.length();
  back.length_final = record.length();
  back.then_write = !insertion;
  back.then_offset = record.at();
  back.then_byte = record.byte();
  record.SetPlan(1 - index, back, {0, stop.last, stop.flight}, targets[0], targets[1]);
  record.Activate(1 - index);
}

TailMoveResult Move(BlockFile& file, MoveRecord& record, RecordKind kind, const MovePlan& plan,
                    int64_t at, uint8_t byte, const std::function<void(int64_t)>& after_block) {
  if (!BeginRecord(file, record, kind, plan, at, byte)) return TailMoveResult::Restored;
  TailMoveResult result = TailMoveResult::Done;
  if (!RunPlan(file, record, after_block)) {
    PlanBack(record);
    if (!RunPlan(file, record, {})) return TailMoveResult::MaybeDamaged;
    result = TailMoveResult::Restored;
  }
  record.End();
  return result;
}

// Whether the file's length and the bytes of the checked block are as the
// record left them. A block on its way may be half written: each of its
// bytes is then the one it brings or the one it replaces.
bool Matches(BlockFile& file, const MoveRecord& record) {
  const MovePlan plan = record.plan(record.active());
  const MoveProgress at = record.progress();
  if (plan.count < 0 || plan.from < 0 || (plan.step != 1 && plan.step != -1) || at.moved < 0 ||
      at.moved > plan.count || at.last < kNoSlot || at.last > 1 || at.flight < kNoSlot ||
      at.flight > 1) {
    return false;
  }
  const int64_t length = file.Length();
  const bool resting = at.flight == kNoSlot;
  if (length != plan.length_during && !(length == plan.length_start && at.moved == 0 && resting) &&
      !(length == plan.length_final && at.moved == plan.count && resting)) {
    return false;
  }
  const int checked = resting ? at.last : at.flight;
  if (checked == kNoSlot) return plan.count == 0;
  const SlotTarget t = record.target(checked);
  if (t.length <= 0 || t.length > kTailBlockSize || t.offset < 0 || t.offset + t.length > length) {
    return false;
  }
  std::array<uint8_t, kTailBlockSize> here;
  if (file.ReadAt(t.offset, here.data(), t.length) != t.length) return false;
  const uint8_t* slot = record.slot(checked);
  for (int32_t i = 0; i < t.length; ++i) {
    if (here[i] == slot[i]) continue;
    if (resting) return false;
    // The byte a half-done write replaced: known only inside the block.
    const int32_t other = i + t.half_done_shift;
    if (other >= 0 && other < t.length && here[i] != slot[other]) return false;
  }
  return true;
}

MovePlan InsertionPlan(int64_t length, int64_t at, uint8_t value) {
  MovePlan plan;
  plan.from = at;
  plan.count = length - at;
  plan.step = 1;
  plan.length_start = length;
  plan.length_during = plan.length_final = length + 1;
  plan.then_write = true;
  plan.then_offset = at;
  plan.then_byte = value;
  return plan;
}

MovePlan DeletionPlan(int64_t length, int64_t at) {
  MovePlan plan;
  plan.from = at + 1;
  plan.count = length - at - 1;
  plan.step = -1;
  plan.length_start = plan.length_during = length;
  plan.length_final = length - 1;
  return plan;
}

// A record in private memory, for moves that keep none on disk.
struct PrivateRecord {
  std::vector<uint8_t> bytes =
      std::vector<uint8_t>(MoveRecord::SizeFor(RecordKind::Insertion, L"", L""));
  MoveRecord record{bytes.data(), bytes.size()};
};

}  // namespace

TailMoveResult InsertByte(BlockFile& file, int64_t offset, uint8_t value,
                          const ProgressCallback& progress, MoveRecord& record) {
  const int64_t length = file.Length();
  if (length < 0 || offset < 0 || offset > length) return TailMoveResult::Restored;
  const MovePlan plan = InsertionPlan(length, offset, value);
  return Move(file, record, RecordKind::Insertion, plan, offset, value, [&](int64_t before) {
    if (progress) {
      progress(static_cast<double>(before) / static_cast<double>(plan.count + 1), std::wstring());
    }
  });
}

TailMoveResult DeleteByte(BlockFile& file, int64_t offset, const ProgressCallback& progress,
                          MoveRecord& record) {
  const int64_t length = file.Length();
  if (length < 0 || offset < 0 || offset >= length) return TailMoveResult::Restored;
  // The byte moved over is gone from the file; the record keeps it to put it back.
  uint8_t deleted = 0;
  if (file.ReadAt(offset, &deleted, 1) != 1) return TailMoveResult::Restored;
  const MovePlan plan = DeletionPlan(length, offset);
  return Move(file, record, RecordKind::Deletion, plan, offset, deleted, [&](int64_t before) {
    if (progress) {
      progress(static_cast<double>(before) / static_cast<double>(plan.count), std::wstring());
    }
  });
}

TailMoveResult InsertByte(BlockFile& file, int64_t offset, uint8_t value,
                          const ProgressCallback& progress) {
  PrivateRecord kept;
  return InsertByte(file, offset, value, progress, kept.record);
}

TailMoveResult DeleteByte(BlockFile& file, int64_t offset, const ProgressCallback& progress) {
  PrivateRecord kept;
  return DeleteByte(file, offset, progress, kept.record);
}

RepairResult RepairMove(BlockFile& file, MoveRecord& record) {
  if (!Matches(file, record)) return RepairResult::NotMatching;
  if (!RunPlan(file, record, {})) return RepairResult::Failed;
  const bool after = record.plan(record.active()).after;
  record.End();
  return after ? RepairResult::After : RepairResult::Before;
}

}  // namespace vx

#include "app/edit/tail_move.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "app/edit/move_plan.h"
#include "app/edit/move_proof.h"

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

// Keeps the first byte of the block just written whose new value differs
// from the one it replaced: while it stands, the file cannot be the one
// before the plan, whatever the rest of the shift looks like.
void KeepMovedWitness(MoveRecord& record, const MovePlan& plan, const MoveProgress& at,
                      int slot, int64_t target, int64_t n, int64_t before) {
  const int index = record.active();
  if (record.witness(index, WitnessKind::Moved).kept) return;
  const uint8_t* bytes = record.slot(slot);
  const std::optional<uint8_t> edge = ReplacedAtEdge(record, plan, before, at.last);
  for (int64_t i = 0; i < n; ++i) {
    const int64_t other = i + plan.step;
    const std::optional<uint8_t> replaced =
        other >= 0 && other < n ? std::optional<uint8_t>(bytes[other]) : edge;
    if (replaced && bytes[i] != *replaced) {
      record.SetWitness(index, WitnessKind::Moved, {true, target + i, bytes[i]});
      return;
    }
  }
}

// Carries the plan in force from where the record stands to its end. False
// when a read, write, resize or flush failed; the record then says where it
// stopped. `after_block` gets the bytes moved before the block just done.
bool RunPlan(BlockFile& file, MoveRecord& record,
             const std::function<void(int64_t)>& after_block) {
  const MovePlan plan = record.plan(record.active());
  MoveProgress at = record.progress();
  if (at.flight == 0 || at.flight == 1) {
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
    KeepMovedWitness(record, plan, at, slot, source + plan.step, n, before);
    at = {before + n, slot, kNoSlot};
    record.SetProgress(at);
    if (after_block) after_block(before);
  }
  record.SetProgress({at.moved, at.last, kFinishing});
  if (plan.then_write && !file.WriteAt(plan.then_offset, &plan.then_byte, 1)) return false;
  // On the disk before the record that could put it back goes.
  return (file.Length() == plan.length_final || file.SetLength(plan.length_final)) &&
         file.Flush();
}

// A byte the plan has yet to change, so that a file already as the plan
// will leave it is told from the one it left: the byte written at the end
// when it differs from the one standing there, else the first byte of the
// stretch that moves last whose neighbour differs, within a few blocks.
// None when a read fails.
std::optional<Witness> UnmovedWitness(BlockFile& file, const MovePlan& plan, RecordKind kind,
                                      uint8_t byte) {
  constexpr int64_t kSearched = 16 * kTailBlockSize;
  if (kind == RecordKind::Deletion) return Witness{true, plan.from - 1, byte};
  uint8_t there = 0;
  if (plan.then_write && plan.then_offset < plan.length_start) {
    if (file.ReadAt(plan.then_offset, &there, 1) != 1) return std::nullopt;
    if (there != plan.then_byte) return Witness{true, plan.then_offset, there};
  }
  const int64_t n = std::min(plan.count, kSearched);
  std::vector<uint8_t> bytes(static_cast<size_t>(n));
  const int64_t start = plan.step > 0 ? plan.from : plan.from + plan.count - n;
  if (file.ReadAt(start, bytes.data(), n) != n) return std::nullopt;
  for (int64_t k = 1; k < n; ++k) {
    const int64_t i = plan.step > 0 ? k : n - 1 - k;
    if (bytes[i] != bytes[i - plan.step]) return Witness{true, start + i, bytes[i]};
  }
  return Witness{};
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
  const std::optional<Witness> unmoved = UnmovedWitness(file, plan, kind, byte);
  if (!unmoved) return false;
  record.SetPlan(0, plan, progress, check, {});
  record.SetWitness(0, WitnessKind::Moved, {});
  record.SetWitness(0, WitnessKind::Unmoved, *unmoved);
  record.Begin(kind, plan.length_start, at, byte);
  return true;
}

// Replaces the plan in force by the one that takes back what it did: the
// block that was on its way goes back where it came from, and the bytes
// moved go back one place. What the shift changed is what the way back has
// yet to change.
void PlanBack(MoveRecord& record) {
  const int index = record.active();
  const MovePlan forward = record.plan(index);
  MoveProgress stop = record.progress();
  if (stop.flight == kFinishing) stop.flight = kNoSlot;
  SlotTarget targets[] = {record.target(0), record.target(1)};
  int64_t moved = stop.moved;
  if (stop.flight != kNoSlot) {
    SlotTarget& t = targets[stop.flight];
    moved -= t.length;
    // Half written, each byte of its source is itself or its neighbour.
    t = {t.offset - forward.step, t.length, -forward.step};
  }
  const MovePlan back =
      BackPlan(record.kind(), record.length(), record.at(), record.byte(), forward, moved);
  record.SetPlan(1 - index, back, {0, stop.last, stop.flight}, targets[0], targets[1]);
  record.SetWitness(1 - index, WitnessKind::Moved, {});
  record.SetWitness(1 - index, WitnessKind::Unmoved, record.witness(index, WitnessKind::Moved));
  record.Activate(1 - index);
}

TailMoveResult Move(BlockFile& file, MoveRecord& record, RecordKind kind, const MovePlan& plan,
                    int64_t at, uint8_t byte, const std::function<void(int64_t)>& after_block) {
  if (!BeginRecord(file, record, kind, plan, at, byte)) return TailMoveResult::Restored;
  // A record that may not survive a power cut must not go before the blocks it describes.
  if (!record.WriteThrough()) {
    record.End();
    return TailMoveResult::Restored;
  }
  TailMoveResult result = TailMoveResult::Done;
  if (!RunPlan(file, record, after_block)) {
    PlanBack(record);
    if (!RunPlan(file, record, {})) return TailMoveResult::MaybeDamaged;
    result = TailMoveResult::Restored;
  }
  record.End();
  return result;
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
  const MovePlan plan = ForwardPlan(RecordKind::Insertion, length, offset, value);
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
  const MovePlan plan = ForwardPlan(RecordKind::Deletion, length, offset, deleted);
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
  switch (ProveFile(file, record)) {
    case FileProof::Unprovable:
      return RepairResult::Unprovable;
    case FileProof::PlanUnfit:
      return RepairResult::Unfit;
    case FileProof::NotAsLeft:
      return RepairResult::NotMatching;
    case FileProof::MayBeBefore:
      // Finishing could shift a copy from before the edit; taking back
      // leaves both that copy and the stopped file as they were before.
      PlanBack(record);
      break;
    case FileProof::AsLeft:
      break;
  }
  if (!RunPlan(file, record, {})) return RepairResult::Failed;
  const bool after = record.plan(record.active()).after;
  record.End();
  return after ? RepairResult::After : RepairResult::Before;
}

}  // namespace vx

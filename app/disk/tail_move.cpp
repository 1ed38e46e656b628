#include "app/disk/tail_move.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "app/disk/move_plan.h"
#include "app/disk/move_proof.h"

namespace vx {
namespace {

int64_t BlockLength(const MoveRecord& record, const MovePlan& plan, int64_t moved) {
  return std::min(record.block_size(), plan.count - moved);
}

// The upward shift runs from the top down and the downward one from the
// bottom up, so that no byte is overwritten before it has been read.
int64_t BlockSource(const MovePlan& plan, int64_t moved, int64_t n) {
  return plan.step > 0 ? plan.from + plan.count - moved - n : plan.from + moved;
}

// How far from its own place each byte of a half-written block may stand:
// the step, or beyond the block when the step reaches past it.
int32_t HalfDoneShift(int64_t step, int64_t block) {
  return static_cast<int32_t>(std::clamp<int64_t>(step, -block, block));
}

// 64-bit FNV-1a of `count` bytes of `data` at `at`, read through `buffer`;
// none when they cannot be read whole.
std::optional<uint64_t> StretchSum(BlockFile& data, int64_t at, int64_t count,
                                   std::vector<uint8_t>& buffer) {
  uint64_t sum = 0xCBF29CE484222325;
  for (int64_t done = 0; done < count;) {
    const int64_t n = std::min(static_cast<int64_t>(buffer.size()), count - done);
    if (data.ReadAt(at + done, buffer.data(), n) != n) return std::nullopt;
    for (int64_t i = 0; i < n; ++i) sum = (sum ^ buffer[static_cast<size_t>(i)]) * 0x100000001B3;
    done += n;
  }
  return sum;
}

// Where a plan's final writes come from: the record's byte for a one-byte
// move; for a range its value repeated, or its data file, each side of it
// used only while it matches the record's checksum.
class FinalWrites {
 public:
  // `summed`: the record's checksums were just taken from `data`.
  FinalWrites(const MoveRecord& record, BlockFile* data, bool summed)
      : record_(record), data_(data), summed_(summed) {}

  // Whether the writes of the plan that makes the edit (`after`), or of
  // the one that takes it back, can be had.
  bool Usable(bool after) {
    if (record_.kind() != RecordKind::Range) return true;
    const RangeFields r = record_.range();
    const int64_t count = after ? r.inserted : r.removed;
    if (count == 0 || (after && r.repeated)) return true;
    if (!data_) return false;
    if (summed_) return true;
    std::optional<bool>& known = after ? new_matches_ : old_matches_;
    if (!known) {
      std::vector<uint8_t> buffer(static_cast<size_t>(record_.block_size()));
      const std::optional<uint64_t> sum =
          StretchSum(*data_, after ? r.new_at : r.old_at, count, buffer);
      known = sum && *sum == (after ? r.new_sum : r.old_sum);
    }
    return *known;
  }

  // Bytes [k, k + n) of the plan's final writes; false when they cannot be had.
  bool Read(const MovePlan& plan, int64_t k, uint8_t* out, int64_t n) {
    if (record_.kind() != RecordKind::Range) {
      std::memset(out, plan.then_byte, static_cast<size_t>(n));
      return true;
    }
    const RangeFields r = record_.range();
    if (!Usable(plan.after)) return false;
    if (plan.after && r.repeated) {
      std::memset(out, r.value, static_cast<size_t>(n));
      return true;
    }
    return data_->ReadAt((plan.after ? r.new_at : r.old_at) + k, out, n) == n;
  }

  std::optional<uint8_t> Byte(const MovePlan& plan, int64_t offset) {
    uint8_t byte = 0;
    return Read(plan, offset - plan.then_offset, &byte, 1) ? std::optional<uint8_t>(byte)
                                                           : std::nullopt;
  }

 private:
  const MoveRecord& record_;
  BlockFile* data_;
  bool summed_;
  std::optional<bool> old_matches_, new_matches_;
};

// Keeps the first byte of the block just written whose new value differs
// from the one it replaced (read before the write): while it stands, the
// file cannot be the one before the plan, whatever the rest looks like.
void KeepMovedWitness(MoveRecord& record, const uint8_t* bytes, const uint8_t* replaced,
                      int64_t target, int64_t n) {
  for (int64_t i = 0; i < n; ++i) {
    if (bytes[i] != replaced[i]) {
      record.SetWitness(record.active(), WitnessKind::Moved, {true, target + i, bytes[i]});
      return;
    }
  }
}

// The bytes that the block read from `source` replaces `step` places away:
// where the step stays inside the block, its own bytes, shifted; the rest,
// beyond its edge, are those of the block moved just before (`previous`,
// `previous_n` bytes, none at the start), or else read from the file, where
// nothing has written them yet. A short step so reads no more than the
// move itself, whatever the file holds. False when a read failed.
bool ReplacedBytes(BlockFile& file, const uint8_t* bytes, int64_t source, int64_t n, int64_t step,
                   const uint8_t* previous, int64_t previous_n, uint8_t* replaced) {
  const int64_t d = step > 0 ? step : -step;
  if (d >= n) return file.ReadAt(source + step, replaced, n) == n;
  const size_t kept = static_cast<size_t>(n - d);
  if (step > 0) {
    std::memcpy(replaced, bytes + d, kept);
    if (previous && previous_n >= d) {
      std::memcpy(replaced + kept, previous, static_cast<size_t>(d));
      return true;
    }
    return file.ReadAt(source + n, replaced + kept, d) == d;
  }
  std::memcpy(replaced + d, bytes, kept);
  if (previous && previous_n >= d) {
    std::memcpy(replaced, previous + previous_n - d, static_cast<size_t>(d));
    return true;
  }
  return file.ReadAt(source - d, replaced, d) == d;
}

// Carries the plan in force from where the record stands to its end. False
// when a read, write, resize or flush failed; the record then says where it
// stopped. `after_block` gets the bytes of the plan done before the block
// just done, the shift's first and then the final writes'.
bool RunPlan(BlockFile& file, MoveRecord& record, FinalWrites& final,
             const std::function<void(int64_t)>& after_block) {
  const MovePlan plan = record.plan(record.active());
  MoveProgress at = record.progress();
  if (at.flight == 0 || at.flight == 1) {
    const SlotTarget t = record.target(at.flight);
    if (!file.WriteAt(t.offset, record.slot(at.flight), t.length)) return false;
    at = {at.moved, at.flight, kNoSlot};
    record.SetProgress(at);
  }
  // Lengthened before the final writes too when nothing moves: a write past
  // the end must not be what lengthens it, or a stop in it would leave a
  // length the record cannot tell.
  const int64_t length = file.Length();
  if ((at.moved < plan.count || length < plan.length_final) && length != plan.length_during &&
      !file.SetLength(plan.length_during)) {
    return false;
  }
  const int64_t block = record.block_size();
  std::vector<uint8_t> buffer(static_cast<size_t>(block));
  // The block this run moved last, whose bytes stand beyond the next one's edge.
  const uint8_t* previous = nullptr;
  int64_t previous_n = 0;
  while (at.moved < plan.count) {
    const int64_t n = BlockLength(record, plan, at.moved);
    const int64_t source = BlockSource(plan, at.moved, n);
    const int64_t target = source + plan.step;
    // Never the slot of the check: it must hold until this block is whole.
    const int slot = at.last == 0 ? 1 : 0;
    uint8_t* bytes = record.slot(slot);
    if (file.ReadAt(source, bytes, n) != n) return false;
    const bool seeking = !record.witness(record.active(), WitnessKind::Moved).kept;
    if (seeking &&
        !ReplacedBytes(file, bytes, source, n, plan.step, previous, previous_n, buffer.data())) {
      return false;
    }
    record.SetTarget(slot, {target, static_cast<int32_t>(n), HalfDoneShift(plan.step, block)});
    const int64_t before = at.moved;
    record.SetProgress({before + n, at.last, slot});
    if (!file.WriteAt(target, bytes, n)) return false;
    if (seeking) KeepMovedWitness(record, bytes, buffer.data(), target, n);
    at = {before + n, slot, kNoSlot};
    record.SetProgress(at);
    previous = bytes;
    previous_n = n;
    if (after_block) after_block(before);
  }
  record.SetProgress({at.moved, at.last, kFinishing});
  // Written again whole when a stop cut them short. The last is followed
  // by the end of the move, which its caller shows.
  for (int64_t k = 0; k < plan.then_count; k += block) {
    const int64_t n = std::min(block, plan.then_count - k);
    if (!final.Read(plan, k, buffer.data(), n) ||
        !file.WriteAt(plan.then_offset + k, buffer.data(), n)) {
      return false;
    }
    if (after_block && k + n < plan.then_count) after_block(plan.count + k);
  }
  // On the disk before the record that could put it back goes.
  return (file.Length() == plan.length_final || file.SetLength(plan.length_final)) && file.Flush();
}

// The first offset in [0, n) where `here` and `there` differ, searching
// from the top when `downward`.
std::optional<int64_t> FirstDifference(const uint8_t* here, const uint8_t* there, int64_t n,
                                       bool downward) {
  for (int64_t k = 0; k < n; ++k) {
    const int64_t i = downward ? n - 1 - k : k;
    if (here[i] != there[i]) return i;
  }
  return std::nullopt;
}

// A byte the plan has yet to change, so that a file already as the plan
// will leave it is told from the one it left: one the final writes change,
// else one of the stretch the shift writes last that the shift changes,
// within its last 64 KiB. None when a read fails.
std::optional<Witness> UnmovedWitness(BlockFile& file, const MovePlan& plan, RecordKind kind,
                                      uint8_t byte, FinalWrites& final) {
  constexpr int64_t kSearched = 64 << 10;
  if (kind == RecordKind::Deletion) return Witness{true, plan.from - 1, byte};
  std::vector<uint8_t> here(static_cast<size_t>(kSearched)), there(here.size());
  const int64_t written =
      std::min({plan.then_count, plan.length_start - plan.then_offset, kSearched});
  if (written > 0) {
    if (file.ReadAt(plan.then_offset, here.data(), written) != written ||
        !final.Read(plan, 0, there.data(), written)) {
      return std::nullopt;
    }
    if (const auto i = FirstDifference(here.data(), there.data(), written, false)) {
      return Witness{true, plan.then_offset + *i, here[static_cast<size_t>(*i)]};
    }
  }
  // The targets of the last blocks, as far as the file reaches yet, and
  // the bytes that will move there.
  const int64_t n = std::min(plan.count, kSearched);
  const int64_t first = (plan.step > 0 ? plan.from : plan.from + plan.count - n) + plan.step;
  const int64_t m = std::min(n, plan.length_start - first);
  if (m > 0) {
    if (file.ReadAt(first, here.data(), m) != m ||
        file.ReadAt(first - plan.step, there.data(), m) != m) {
      return std::nullopt;
    }
    if (const auto i = FirstDifference(here.data(), there.data(), m, plan.step < 0)) {
      return Witness{true, first + *i, here[static_cast<size_t>(*i)]};
    }
  }
  return Witness{};
}

// Writes the first plan with the bytes of the first block as they stand, so
// that the file can be checked before the first block moves. False when
// they cannot be read: nothing has changed then.
bool BeginRecord(BlockFile& file, MoveRecord& record, RecordKind kind, const MovePlan& plan,
                 int64_t at, uint8_t byte, FinalWrites& final) {
  MoveProgress progress;
  SlotTarget check;
  if (plan.count > 0) {
    const int64_t n = BlockLength(record, plan, 0);
    const int64_t source = BlockSource(plan, 0, n);
    if (file.ReadAt(source, record.slot(0), n) != n) return false;
    check = {source, static_cast<int32_t>(n), 0};
    progress.last = 0;
  }
  const std::optional<Witness> unmoved = UnmovedWitness(file, plan, kind, byte, final);
  if (!unmoved) return false;
  record.SetPlan(0, plan, progress, check, {});
  record.SetWitness(0, WitnessKind::Moved, {});
  record.SetWitness(0, WitnessKind::Unmoved, *unmoved);
  record.Begin(kind, plan.length_start, at, byte);
  return true;
}

// Replaces the plan in force by the one that takes back what it did: the
// block that was on its way goes back where it came from, and the bytes
// moved go back. What the shift changed is what the way back has
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
    // Half written, each byte of its source is itself or the one `step` away.
    t = {t.offset - forward.step, t.length, HalfDoneShift(-forward.step, record.block_size())};
  }
  const MovePlan back = BackPlan(ShapeOf(record), forward, moved);
  record.SetPlan(1 - index, back, {0, stop.last, stop.flight}, targets[0], targets[1]);
  record.SetWitness(1 - index, WitnessKind::Moved, {});
  record.SetWitness(1 - index, WitnessKind::Unmoved, record.witness(index, WitnessKind::Moved));
  record.Activate(1 - index);
}

TailMoveResult Move(BlockFile& file, MoveRecord& record, RecordKind kind, const MovePlan& plan,
                    int64_t at, uint8_t byte, FinalWrites& final,
                    const std::function<void(int64_t)>& after_block) {
  if (!BeginRecord(file, record, kind, plan, at, byte, final)) return TailMoveResult::Restored;
  // A record that may not survive a power cut must not go before the blocks it describes.
  if (!record.WriteThrough()) {
    record.End();
    return TailMoveResult::Restored;
  }
  TailMoveResult result = TailMoveResult::Done;
  if (!RunPlan(file, record, final, after_block)) {
    PlanBack(record);
    if (!RunPlan(file, record, final, {})) return TailMoveResult::MaybeDamaged;
    result = TailMoveResult::Restored;
  }
  record.End();
  return result;
}

// Tells `progress` the share of `total` done before each block.
std::function<void(int64_t)> ShareOf(const ProgressCallback& progress, int64_t total) {
  return [&progress, total](int64_t before) {
    if (progress) {
      progress(static_cast<double>(before) / static_cast<double>(total), std::wstring());
    }
  };
}

}  // namespace

TailMoveResult InsertByte(BlockFile& file, int64_t offset, uint8_t value,
                          const ProgressCallback& progress, MoveRecord& record) {
  const int64_t length = file.Length();
  if (length < 0 || offset < 0 || offset > length) return TailMoveResult::Restored;
  const MovePlan plan = ForwardPlan({length, offset, 0, 1, value});
  FinalWrites final(record, nullptr, true);
  return Move(file, record, RecordKind::Insertion, plan, offset, value, final,
              ShareOf(progress, plan.count + 1));
}

TailMoveResult DeleteByte(BlockFile& file, int64_t offset, const ProgressCallback& progress,
                          MoveRecord& record) {
  const int64_t length = file.Length();
  if (length < 0 || offset < 0 || offset >= length) return TailMoveResult::Restored;
  // The byte moved over is gone from the file; the record keeps it to put it back.
  uint8_t deleted = 0;
  if (file.ReadAt(offset, &deleted, 1) != 1) return TailMoveResult::Restored;
  const MovePlan plan = ForwardPlan({length, offset, 1, 0, deleted});
  FinalWrites final(record, nullptr, true);
  return Move(file, record, RecordKind::Deletion, plan, offset, deleted, final,
              ShareOf(progress, plan.count));
}

TailMoveResult ReplaceRange(BlockFile& file, int64_t at, int64_t removed, int64_t inserted,
                            const RangeData& data, const ProgressCallback& progress,
                            MoveRecord& record) {
  const int64_t length = file.Length();
  const bool needs_file = removed > 0 || (inserted > 0 && !data.repeated);
  if (length < 0 || at < 0 || at > length || removed < 0 || removed > length - at || inserted < 0 ||
      (needs_file && !data.file)) {
    return TailMoveResult::Restored;
  }
  // The record proves the data file at the repair by these sums.
  RangeFields fields{removed, inserted, data.old_at, data.new_at, 0, 0, data.repeated, data.value};
  std::vector<uint8_t> buffer(static_cast<size_t>(record.block_size()));
  if (removed > 0) {
    const std::optional<uint64_t> sum = StretchSum(*data.file, data.old_at, removed, buffer);
    if (!sum) return TailMoveResult::Restored;
    fields.old_sum = *sum;
  }
  if (inserted > 0 && !data.repeated) {
    const std::optional<uint64_t> sum = StretchSum(*data.file, data.new_at, inserted, buffer);
    if (!sum) return TailMoveResult::Restored;
    fields.new_sum = *sum;
  }
  record.SetNames(record.path(), data.name);
  record.SetRange(fields);
  const MovePlan plan = ForwardPlan({length, at, removed, inserted, 0});
  FinalWrites final(record, data.file, true);
  return Move(file, record, RecordKind::Range, plan, at, 0, final,
              ShareOf(progress, plan.count + plan.then_count));
}

RepairResult RepairMove(BlockFile& file, MoveRecord& record, BlockFile* data) {
  FinalWrites final(record, data, false);
  const FileProof proof = ProveFile(
      file, record, [&](const MovePlan& plan, int64_t offset) { return final.Byte(plan, offset); });
  switch (proof) {
    case FileProof::Unprovable:
      return RepairResult::Unprovable;
    case FileProof::PlanUnfit:
      return RepairResult::Unfit;
    case FileProof::NotAsLeft:
      return RepairResult::NotMatching;
    case FileProof::MayBeBefore:
    case FileProof::AsLeft:
      break;
  }
  // Finishing could shift a copy from before the edit; taking back leaves
  // both that copy and the stopped file as they were before. A way whose
  // bytes cannot be trusted is not taken.
  const bool forward = record.plan(record.active()).after;
  bool back = proof == FileProof::MayBeBefore || !forward;
  if (!back && !final.Usable(true)) back = true;
  if (back && !final.Usable(false)) return RepairResult::DataUnusable;
  if (back && forward) PlanBack(record);
  if (!RunPlan(file, record, final, {})) return RepairResult::Failed;
  const bool after = record.plan(record.active()).after;
  record.End();
  return after ? RepairResult::After : RepairResult::Before;
}

}  // namespace vx

#include "app/disk/tail_move.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "app/disk/move_plan.h"
#include "app/disk/move_proof.h"

namespace vx {
namespace {

// What the move holds in private memory beside the record's slots.
constexpr int64_t kPieceSize = int64_t{256} << 10;

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

// The first byte of the block about to be written from `bytes` (read from
// `source`) whose new value differs from the one it replaces: while it
// stands, the file cannot be the one before the plan. The bytes replaced
// are the block's own where the step stays inside it, the block moved just
// before (`previous`, `previous_n` bytes of its source, none at the start)
// beyond its edge, else read from the file, a piece at a time through
// `buffer`, so that a short step reads no more than the move itself. An
// unkept witness when none differs; none when a read failed.
std::optional<Witness> MovedWitness(BlockFile& file, const uint8_t* bytes, int64_t source,
                                    int64_t n, int64_t step, const uint8_t* previous,
                                    int64_t previous_n, std::vector<uint8_t>& buffer) {
  // The stretch of old bytes held in memory: the block's source and, beside
  // it where the shift came from, the previous block's.
  const int64_t held_lo = step > 0 ? source : source - (previous ? previous_n : 0);
  const int64_t held_hi = step > 0 ? source + n + (previous ? previous_n : 0) : source + n;
  const auto held = [&](int64_t position) {
    return position >= source && position < source + n ? bytes[position - source]
           : step > 0                                  ? previous[position - source - n]
                                                       : previous[position - held_lo];
  };
  const int64_t target = source + step;
  const auto piece = static_cast<int64_t>(buffer.size());
  for (int64_t k = 0; k < n; k += piece) {
    const int64_t m = std::min(piece, n - k);
    const int64_t lo = target + k;
    // Read from the file only what memory does not hold.
    const int64_t below = std::clamp<int64_t>(held_lo - lo, 0, m);
    const int64_t above = std::clamp<int64_t>(lo + m - held_hi, 0, m - below);
    if (below > 0 && file.ReadAt(lo, buffer.data(), below) != below) return std::nullopt;
    if (above > 0 && file.ReadAt(lo + m - above, buffer.data() + m - above, above) != above) {
      return std::nullopt;
    }
    for (int64_t i = below; i < m - above; ++i) buffer[static_cast<size_t>(i)] = held(lo + i);
    for (int64_t i = 0; i < m; ++i) {
      if (bytes[k + i] != buffer[static_cast<size_t>(i)]) {
        return Witness{true, lo + i, bytes[k + i]};
      }
    }
  }
  return Witness{};
}

// Carries the plan in force from where the record stands to its end. False
// when a read, write, resize or flush failed; the record then says where it
// stopped. `after_block` gets the bytes of the plan done before the block
// just done, the shift's first and then the final writes'.
//
// The order of the writes, so that a power cut at any instant leaves a
// record that tells the file on the disk (only flushed writes are sure to
// be there; the record's pages may reach the disk at any time):
//   - the record as it stands, flushed: whatever it now says (a way back,
//     a repair's start) is on the disk before the file changes again;
//   - a block cut short before is written again from its slot, the length
//     set, and the file flushed;
//   - per block: its bytes into the slot the last whole block does not
//     use, their checksum, its target and the progress naming it on its
//     way; the record flushed; the block written; the file flushed; then,
//     in memory only, the progress that it is whole and the moved witness
//     (the next block's flush carries them: the bytes they tell of are on
//     the disk by then);
//   - "finishing", flushed in the record; the final writes and the final
//     length; the file flushed; only then may the record end.
// A cut before a block's record flush is over leaves its slot maybe torn:
// the file was not written from it then, and the repair gets its bytes back
// from the file by their checksum (SettleSlots).
bool RunPlan(BlockFile& file, MoveRecord& record, FinalWrites& final,
             const std::function<void(int64_t)>& after_block) {
  if (!record.WriteThrough()) return false;
  const MovePlan plan = record.plan(record.active());
  MoveProgress at = record.progress();
  if (at.flight == 0 || at.flight == 1) {
    const SlotTarget t = record.target(at.flight);
    if (!file.WriteAt(t.offset, record.slot(at.flight), t.length) || !file.Flush()) return false;
    at = {at.moved, at.flight, kNoSlot};
    record.SetProgress(at);
  }
  // Lengthened before the final writes too when nothing moves: a write past
  // the end must not be what lengthens it, or a stop in it would leave a
  // length the record cannot tell.
  const int64_t length = file.Length();
  if ((at.moved < plan.count || length < plan.length_final) && length != plan.length_during &&
      (!file.SetLength(plan.length_during) || !file.Flush())) {
    return false;
  }
  const int64_t block = record.block_size();
  // Private memory stays at this piece whatever the block: the blocks
  // themselves are read into the record's slots.
  std::vector<uint8_t> buffer(static_cast<size_t>(std::min(block, kPieceSize)));
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
    std::optional<Witness> witness;
    if (!record.witness(record.active(), WitnessKind::Moved).kept) {
      witness = MovedWitness(file, bytes, source, n, plan.step, previous, previous_n, buffer);
      if (!witness) return false;
    }
    record.SetTarget(slot, {target, static_cast<int32_t>(n), HalfDoneShift(plan.step, block)});
    record.SetSlotSum(slot, static_cast<int32_t>(n));
    const int64_t before = at.moved;
    record.SetProgress({before + n, at.last, slot});
    if (!record.WriteThrough() || !file.WriteAt(target, bytes, n) || !file.Flush()) return false;
    if (witness && witness->kept) record.SetWitness(record.active(), WitnessKind::Moved, *witness);
    at = {before + n, slot, kNoSlot};
    record.SetProgress(at);
    previous = bytes;
    previous_n = n;
    if (after_block) after_block(before);
  }
  record.SetProgress({at.moved, at.last, kFinishing});
  if (!record.WriteThrough()) return false;
  // Written again whole when a stop cut them short. The last is followed
  // by the end of the move, which its caller shows.
  const auto piece = static_cast<int64_t>(buffer.size());
  for (int64_t k = 0; k < plan.then_count; k += piece) {
    const int64_t n = std::min(piece, plan.then_count - k);
    // Flushed a block at a time, as the shift is, so that no one flush
    // keeps the window waiting however large the range.
    if (!final.Read(plan, k, buffer.data(), n) ||
        !file.WriteAt(plan.then_offset + k, buffer.data(), n) ||
        ((k + n) % block == 0 && !file.Flush())) {
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
    record.SetSlotSum(0, static_cast<int32_t>(n));
    progress.last = 0;
  }
  const std::optional<Witness> unmoved = UnmovedWitness(file, plan, kind, byte, final);
  if (!unmoved) return false;
  record.SetPlan(0, plan, progress, check, {});
  record.SetWitness(0, WitnessKind::Moved, {});
  record.SetWitness(0, WitnessKind::Unmoved, *unmoved);
  // The names, fields and plan on the disk before the mark that makes them
  // a record: a power cut must not leave the mark over a torn name.
  if (!record.WriteThrough()) return false;
  record.Begin(kind, plan.length_start, at, byte);
  return true;
}

// Replaces the plan in force by the one that takes back what it did: the
// block that was on its way goes back where it came from, and the bytes
// moved go back. What the shift changed is what the way back has
// yet to change. The way back is flushed into the record before the mark
// that puts it in force, so that a power cut never leaves the mark over a
// torn plan. False when that flush failed: the plan in force stays.
bool PlanBack(MoveRecord& record) {
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
  if (!record.WriteThrough()) return false;
  record.Activate(1 - index);
  return true;
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
    if (!PlanBack(record) || !RunPlan(file, record, final, {})) {
      return TailMoveResult::MaybeDamaged;
    }
    result = TailMoveResult::Restored;
  }
  return record.End() ? result : TailMoveResult::MaybeDamaged;
}

// Tells `progress` the share of `total` done before each block.
std::function<void(int64_t)> ShareOf(const ProgressCallback& progress, int64_t total) {
  return [&progress, total](int64_t before) {
    if (progress) {
      progress(static_cast<double>(before) / static_cast<double>(total), std::wstring());
    }
  };
}

// Whether `slot`'s bytes are whole, or were got back whole from the file:
// from where they came or from where they were going, whichever matches
// their checksum.
bool SoundSlot(BlockFile& file, MoveRecord& record, int slot, const MovePlan& plan) {
  const SlotTarget t = record.target(slot);
  if (record.SlotSound(slot, t.length)) return true;
  if (t.length <= 0 || t.length > record.block_size()) return false;
  for (const int64_t from : {t.offset - plan.step, t.offset}) {
    if (from >= 0 && file.ReadAt(from, record.slot(slot), t.length) == t.length &&
        record.SlotSound(slot, t.length)) {
      return true;
    }
  }
  return false;
}

// Makes the slots the record leans on whole before anything trusts them. A
// power cut may tear a slot whose record flush was not over: the block on
// its way was then not yet written anywhere, so its source still holds it;
// the slot of the last whole block is torn only once the next block had
// begun, after the block on its way was on the disk, which then stands as
// the last whole one. False when a slot it needs is lost: nothing may be
// written then.
bool SettleSlots(BlockFile& file, MoveRecord& record) {
  if (record.active() != 0 && record.active() != 1) return true;  // the proof sets it aside
  const MovePlan plan = record.plan(record.active());
  const MoveProgress at = record.progress();
  const bool flying = at.flight == 0 || at.flight == 1;
  if (flying && !SoundSlot(file, record, at.flight, plan)) return false;
  if ((at.last == 0 || at.last == 1) && at.last != at.flight &&
      !SoundSlot(file, record, at.last, plan)) {
    if (!flying) return false;
    record.SetProgress({at.moved, at.flight, kNoSlot});
  }
  return true;
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
  if (!SettleSlots(file, record)) return RepairResult::NotMatching;
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
  if ((back && forward && !PlanBack(record)) || !RunPlan(file, record, final, {})) {
    return RepairResult::Failed;
  }
  const bool after = record.plan(record.active()).after;
  record.End();
  return after ? RepairResult::After : RepairResult::Before;
}

}  // namespace vx

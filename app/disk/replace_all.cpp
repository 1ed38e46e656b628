#include "app/disk/replace_all.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace vx {
namespace {

// One match as a pass sees it: `in_len` bytes at `in_at` of the file as it
// was give way to `out_len` bytes at `out_at` of the file as it will be.
// The replace's pass takes a match out and puts the replacement in; the
// inverse one takes the replacement out and puts the match back.
struct Edit {
  int64_t in_at = 0, in_len = 0, out_at = 0, out_len = 0;
  ListEntry entry;
  int64_t out_end() const { return out_at + out_len; }
  int64_t shift() const { return out_len - in_len; }
};

// Walks the list's matches as edits of one side, forwards or backwards.
class Transform {
 public:
  Transform(BlockFile& data, const ReplaceList& list, std::span<const uint8_t> replacement,
            bool inverse)
      : reader_(data, list), list_(list), replacement_(replacement), inverse_(inverse) {}

  void ToStart() {
    reader_.ToStart();
    shift_before_ = 0;
    bound_ = 0;
  }
  void ToEnd() {
    reader_.ToEnd();
    shift_before_ = list_.count * list_.replacement_count - list_.removed;
    bound_ = INT64_MAX;
  }
  std::optional<Edit> Next() {
    const std::optional<ListEntry> e = reader_.Next();
    if (!e) return std::nullopt;
    // Matches ascend and never overlap; anything else is not our list.
    if (e->offset < bound_) return Fail();
    bound_ = e->offset + e->length;
    const Edit edit = Make(*e);
    shift_before_ += list_.replacement_count - e->length;
    return edit;
  }
  std::optional<Edit> Previous() {
    const std::optional<ListEntry> e = reader_.Previous();
    if (!e) return std::nullopt;
    if (e->offset > bound_ - e->length) return Fail();
    bound_ = e->offset;
    shift_before_ -= list_.replacement_count - e->length;
    return Make(*e);
  }
  bool failed() const { return failed_ || reader_.failed(); }
  // What all the edits add to the length.
  int64_t total_shift() const {
    const int64_t shift = list_.count * list_.replacement_count - list_.removed;
    return inverse_ ? -shift : shift;
  }

  // Bytes [from, from + n) of what the edit puts in.
  bool PutIn(const Edit& edit, int64_t from, uint8_t* out, int64_t n) {
    if (inverse_) return reader_.MatchBytes(edit.entry, from, out, n);
    std::memcpy(out, replacement_.data() + from, static_cast<size_t>(n));
    return true;
  }

 private:
  Edit Make(const ListEntry& e) const {
    const int64_t b = list_.replacement_count;
    return inverse_ ? Edit{e.offset + shift_before_, b, e.offset, e.length, e}
                    : Edit{e.offset, e.length, e.offset + shift_before_, b, e};
  }
  std::optional<Edit> Fail() {
    failed_ = true;
    return std::nullopt;
  }

  ReplaceListReader reader_;
  ReplaceList list_;
  std::span<const uint8_t> replacement_;
  bool inverse_;
  int64_t shift_before_ = 0;  // what the edits before the cursor add
  int64_t bound_ = 0;         // where the matches met so far end (or start, going back)
  bool failed_ = false;
};

// Bytes of the file as it stands, read through one block-sized window
// placed for the way the pass goes.
class SourceWindow {
 public:
  SourceWindow(BlockFile& file, int64_t block, bool downward)
      : file_(file), buffer_(static_cast<size_t>(block)), downward_(downward) {}

  bool Copy(int64_t at, int64_t n, uint8_t* out) {
    const auto block = static_cast<int64_t>(buffer_.size());
    while (n > 0) {
      if (downward_) {
        const int64_t top = at + n;
        if (top - 1 >= at_ && top - 1 < at_ + n_) {
          const int64_t k = std::min(n, top - at_);
          std::memcpy(out + (n - k), data_ + (top - k - at_), static_cast<size_t>(k));
          n -= k;
          continue;
        }
        const int64_t start = std::max<int64_t>(0, top - block);
        if (!Fill(start, top - start, top - start)) return false;
      } else {
        if (at >= at_ && at < at_ + n_) {
          const int64_t k = std::min(n, at_ + n_ - at);
          std::memcpy(out, data_ + (at - at_), static_cast<size_t>(k));
          at += k;
          out += k;
          n -= k;
          continue;
        }
        if (!Fill(at, block, std::min(n, block))) return false;
      }
    }
    return true;
  }

 private:
  // Reads `n` bytes at `at`, of which at least `needed` must be there.
  bool Fill(int64_t at, int64_t n, int64_t needed) {
    const int64_t got = file_.ReadAt(at, buffer_.data(), n);
    if (got < needed) return false;
    Use(at, buffer_.data(), got);
    return true;
  }

 public:
  // `n` bytes at `at` already read, kept by the caller until the next copy
  // goes past them.
  void Use(int64_t at, const uint8_t* bytes, int64_t n) {
    data_ = bytes;
    at_ = at;
    n_ = n;
  }

 private:
  BlockFile& file_;
  std::vector<uint8_t> buffer_;
  bool downward_;
  const uint8_t* data_ = nullptr;
  int64_t at_ = 0, n_ = 0;
};

// Makes the bytes the plan writes, block after block in the plan's order.
class BlockMaker {
 public:
  BlockMaker(BlockFile& file, Transform& edits, int64_t block, bool downward)
      : edits_(edits), source_(file, block, downward), downward_(downward) {}

  // Ready for blocks that start at `q` (upward) or end at `q` (downward).
  bool Seek(int64_t q) {
    if (downward_) {
      edits_.ToEnd();
      shift_ = edits_.total_shift();
      pending_ = edits_.Previous();
      while (pending_ && pending_->out_at > q) {
        shift_ -= pending_->shift();
        pending_ = edits_.Previous();
      }
      return !edits_.failed();
    }
    edits_.ToStart();
    shift_ = 0;
    pending_ = edits_.Next();
    while (pending_ && pending_->out_end() < q) {
      shift_ += pending_->shift();
      pending_ = edits_.Next();
    }
    return !edits_.failed();
  }

  // Where the next edit that the blocks to come meet puts its bytes; none
  // when no edit is left.
  std::optional<int64_t> pending_at() const {
    return pending_ ? std::optional<int64_t>(pending_->out_at) : std::nullopt;
  }

  bool Make(int64_t q0, int64_t q1, uint8_t* out) {
    return downward_ ? MakeDownward(q0, q1, out) : MakeUpward(q0, q1, out);
  }
  // Where nothing moves, the bytes a block writes over are its source.
  void UseSource(int64_t at, const uint8_t* bytes, int64_t n) { source_.Use(at, bytes, n); }

 private:
  bool MakeUpward(int64_t q0, int64_t q1, uint8_t* out) {
    int64_t q = q0;
    while (q < q1) {
      if (pending_ && q >= pending_->out_at) {
        if (q < pending_->out_end()) {
          const int64_t end = std::min(q1, pending_->out_end());
          if (!edits_.PutIn(*pending_, q - pending_->out_at, out + (q - q0), end - q)) return false;
          q = end;
        }
        if (q >= pending_->out_end()) {
          shift_ += pending_->shift();
          pending_ = edits_.Next();
          if (!pending_ && edits_.failed()) return false;
        }
        continue;
      }
      const int64_t end = pending_ ? std::min(q1, pending_->out_at) : q1;
      if (!source_.Copy(q - shift_, end - q, out + (q - q0))) return false;
      q = end;
    }
    return true;
  }

  bool MakeDownward(int64_t q0, int64_t q1, uint8_t* out) {
    int64_t q = q1;
    while (q > q0) {
      if (pending_ && q <= pending_->out_end()) {
        if (q > pending_->out_at) {
          const int64_t start = std::max(q0, pending_->out_at);
          if (!edits_.PutIn(*pending_, start - pending_->out_at, out + (start - q0), q - start)) {
            return false;
          }
          q = start;
        }
        if (q <= pending_->out_at) {
          shift_ -= pending_->shift();
          pending_ = edits_.Previous();
          if (!pending_ && edits_.failed()) return false;
        }
        continue;
      }
      const int64_t start = pending_ ? std::max(q0, pending_->out_end()) : q0;
      if (!source_.Copy(start - shift_, q - start, out + (start - q0))) return false;
      q = start;
    }
    return true;
  }

  Transform& edits_;
  SourceWindow source_;
  bool downward_;
  std::optional<Edit> pending_;
  // What the edits before the bytes being made add (upward), or the edits
  // up to and with the pending one (downward).
  int64_t shift_ = 0;
};

// The plan that makes the command's change over the whole file of `length`.
ReplacePlan ForwardPlan(const ReplaceList& list, bool inverse, int64_t length) {
  const int64_t added = list.count * list.replacement_count - list.removed;
  const int64_t final_length = inverse ? length - added : length + added;
  ReplacePlan plan;
  plan.inverse = inverse;
  plan.equal = list.shift == ShiftKind::Equal;
  plan.downward = inverse ? list.shift == ShiftKind::Shorter : list.shift == ShiftKind::Longer;
  plan.lo = 0;
  plan.hi = final_length;
  plan.length_start = length;
  plan.length_during = std::max(length, final_length);
  plan.length_final = final_length;
  return plan;
}

// Both slots hold the block the flight names, as its record flush left them.
bool FlightSound(const ReplaceRecord& record) {
  return record.FlightSlotSound(0) && record.FlightSlotSound(1);
}

int64_t PlanTotal(const ReplacePlan& plan) { return plan.hi - plan.lo; }

// The block `done` bytes into the plan: its start and its count.
std::pair<int64_t, int64_t> BlockAt(const ReplacePlan& plan, int64_t done, int64_t block) {
  const int64_t n = std::min(block, PlanTotal(plan) - done);
  return {plan.downward ? plan.hi - done - n : plan.lo + done, n};
}

// Whether the plan has yet to write `offset`.
bool Unwritten(const ReplacePlan& plan, int64_t done, int64_t offset) {
  return plan.downward ? offset < plan.hi - done : offset >= plan.lo + done;
}

// The index of the first byte where `a` and `b` differ, from the end when
// `from_end`.
std::optional<int64_t> FirstDifference(const uint8_t* a, const uint8_t* b, int64_t n,
                                       bool from_end) {
  for (int64_t k = 0; k < n; ++k) {
    const int64_t i = from_end ? n - 1 - k : k;
    if (a[i] != b[i]) return i;
  }
  return std::nullopt;
}

// Carries the plan in force from where the record stands to its end. False
// when a read, write, resize or flush failed; the record then says where it
// stopped.
//
// The order of the writes, so that a power cut at any instant leaves a
// record that tells the file on the disk: the record flushed as it stands;
// a block cut short written again, the file flushed, and its being whole
// flushed in the record; the lengthening flushed; per block, both slots, their sums, the flight and
// the progress naming it; the record flushed; the block written; the file flushed; the last block's
// mark, the witness and the progress that it is whole; the record flushed again, before the next
// block's slots are written over: while the disk's record names a block on its way, its slots stand
// as that block's, so that a slot whose sum fails tells of a record flush that was not over, and of
// a block not yet written (SettleFlight). At the end "finishing" flushed in the record, then the
// final length and the file flushed.
bool RunPlan(BlockFile& file, ReplaceRecord& record, Transform& edits,
             const ReplaceProgressReport& progress) {
  if (!record.header().WriteThrough()) return false;
  const int index = record.header().active();
  const ReplacePlan plan = record.plan(index);
  const int64_t block = record.block_size();
  const int64_t total = PlanTotal(plan);
  uint8_t* made = record.slot(0);
  uint8_t* replaced = record.slot(1);
  ReplaceProgress at = record.progress();
  if (at.flight) {
    // Written again whole: a stop may have cut it short.
    const BlockMark flight = record.flight();
    if (!file.WriteAt(flight.offset, made, flight.length) || !file.Flush()) return false;
    record.SetLast({flight.offset, flight.length, BlockSum({made, size_t(flight.length)})});
    at = {at.done + flight.length, false, false};
    record.SetProgress(at);
    if (!record.header().WriteThrough()) return false;
  }
  if (!at.finishing) {
    // Lengthened before the first block: a full disk fails here, and a
    // write past the end never lengthens the file by itself.
    if (file.Length() != plan.length_during &&
        (!file.SetLength(plan.length_during) || !file.Flush())) {
      return false;
    }
    BlockMaker maker(file, edits, block, plan.downward);
    if (!maker.Seek(plan.downward ? plan.hi - at.done : plan.lo + at.done)) return false;
    while (at.done < total) {
      const auto [q0, n] = BlockAt(plan, at.done, block);
      if (plan.equal) {
        // Nothing moves: the blocks without a match are passed over.
        const std::optional<int64_t> next = maker.pending_at();
        if (!next || *next >= q0 + n) {
          const int64_t skip_to = next ? std::min(total, (*next - plan.lo) / block * block) : total;
          at.done = std::max(skip_to, at.done + n);
          record.SetProgress(at);
          continue;
        }
      }
      // What the block writes over, read once: where nothing moves, the
      // block is made from it.
      if (file.ReadAt(q0, replaced, n) != n) return false;
      if (plan.equal) maker.UseSource(q0, replaced, n);
      if (!maker.Make(q0, q0 + n, made)) return false;
      record.SetFlight({q0, static_cast<int32_t>(n), 0});
      record.SetFlightSums();
      record.SetProgress({at.done, true, false});
      if (!record.header().WriteThrough() || !file.WriteAt(q0, made, n) || !file.Flush()) {
        return false;
      }
      if (!record.witness(index, WitnessKind::Moved).kept) {
        if (const auto i = FirstDifference(made, replaced, n, false)) {
          record.SetWitness(index, WitnessKind::Moved, {true, q0 + *i, made[*i]});
        }
      }
      record.SetLast({q0, static_cast<int32_t>(n), BlockSum({made, size_t(n)})});
      at = {at.done + n, false, false};
      record.SetProgress(at);
      if (!record.header().WriteThrough()) return false;
      // The whole is told by the end of the work, after the flush.
      if (progress && at.done < total) progress(at.done, total);
    }
  }
  record.SetProgress({at.done, false, true});
  if (!record.header().WriteThrough()) return false;
  // On the disk before the record that could put it back goes.
  return (file.Length() == plan.length_final || file.SetLength(plan.length_final)) && file.Flush();
}

// A byte the plan changes in the block it writes last, as it stands now:
// while it stands, the file cannot be one the plan has finished. None when
// a read fails; not kept when that block changes nothing.
std::optional<Witness> UnmovedWitness(BlockFile& file, ReplaceRecord& record, Transform& edits,
                                      const ReplacePlan& plan) {
  const int64_t block = record.block_size();
  const int64_t total = PlanTotal(plan);
  if (total == 0) return Witness{};
  int64_t q0 = 0, n = 0;
  if (plan.equal) {
    edits.ToEnd();
    const std::optional<Edit> last = edits.Previous();
    if (!last) return std::nullopt;
    q0 = plan.lo + (last->out_at - plan.lo) / block * block;
    n = std::min(block, plan.hi - q0);
  } else {
    const int64_t last_done = (total - 1) / block * block;
    std::tie(q0, n) = BlockAt(plan, last_done, block);
  }
  BlockMaker maker(file, edits, block, plan.downward);
  uint8_t* made = record.slot(0);
  uint8_t* here = record.slot(1);
  if (!maker.Seek(plan.downward ? q0 + n : q0) || !maker.Make(q0, q0 + n, made)) {
    return std::nullopt;
  }
  // A lengthening file does not reach all of it yet.
  const int64_t got = file.ReadAt(q0, here, n);
  if (got < 0) return std::nullopt;
  if (const auto i = FirstDifference(made, here, got, !plan.downward)) {
    return Witness{true, q0 + *i, here[*i]};
  }
  return Witness{};
}

// Where the bytes `written` of a plan's side came from: the end of the
// stretch before the plan that gave [lo, written) (upward), or the start of
// the one that gave [written, hi) (downward), whole edits included.
std::optional<int64_t> SourceEdge(Transform& edits, int64_t written, bool downward) {
  edits.ToStart();
  int64_t shift = 0;
  while (const std::optional<Edit> e = edits.Next()) {
    if (downward) {
      if (e->out_end() <= written) {
        shift += e->shift();
        continue;
      }
      if (e->out_at < written) return e->in_at;
      break;
    }
    if (e->out_at >= written) break;
    if (written <= e->out_end()) return e->in_at + e->in_len;
    shift += e->shift();
  }
  if (edits.failed()) return std::nullopt;
  return written - shift;
}

// Puts the plan that takes back what the one in force did in its place:
// the block on its way gets back what it wrote over, and the plan 1 writes
// the bytes from before over the stretch done. What the plan changed is
// what the way back has yet to change. False when a write or read failed.
bool PlanBack(BlockFile& file, ReplaceRecord& record, Transform& forward_edits) {
  const ReplacePlan forward = record.plan(0);
  ReplaceProgress at = record.progress();
  if (at.flight) {
    const BlockMark flight = record.flight();
    if (!file.WriteAt(flight.offset, record.slot(1), flight.length) || !file.Flush()) return false;
    at.flight = false;
    record.SetProgress(at);
  }
  const int64_t written = forward.downward ? forward.hi - at.done : forward.lo + at.done;
  const std::optional<int64_t> edge = SourceEdge(forward_edits, written, forward.downward);
  if (!edge) return false;
  ReplacePlan back;
  back.inverse = !forward.inverse;
  back.after = false;
  back.equal = forward.equal;
  back.downward = !forward.equal && !forward.downward;
  back.lo = forward.downward ? *edge : 0;
  back.hi = forward.downward ? forward.length_start : *edge;
  // The file may not have reached its length during the plan yet.
  back.length_start = file.Length();
  back.length_during = forward.length_during;
  back.length_final = forward.length_start;
  record.SetPlan(1, back);
  record.SetWitness(1, WitnessKind::Unmoved, record.witness(0, WitnessKind::Moved));
  // On the disk before the mark that puts it in force (tail_move.cpp's PlanBack).
  if (!record.header().WriteThrough()) return false;
  record.header().Activate(1);
  return true;
}

// The record's plans are the ones this program makes for its header, and
// every block and witness it names lies where its plan writes.
bool PlanFits(const ReplaceRecord& record) {
  const ReplaceList list = record.list();
  const int64_t length = record.header().length();
  constexpr int64_t kLargest = int64_t{1} << 56;
  if (length < 0 || length > kLargest || list.count <= 0 || list.count > kLargest ||
      list.removed < list.count || list.removed > kLargest || list.replacement_count < 0 ||
      list.replacement_count > kLargest / list.count ||
      static_cast<uint32_t>(list.shift) > static_cast<uint32_t>(ShiftKind::Longer)) {
    return false;
  }
  const ReplacePlan forward = ForwardPlan(list, record.inverse(), length);
  // The matches lie in the file from before the replace.
  const int64_t matched_length = record.inverse() ? forward.length_final : length;
  if (forward.hi < 0 || list.removed > matched_length || record.plan(0) != forward) {
    return false;
  }
  const int index = record.header().active();
  const ReplacePlan plan = record.plan(index);
  if (index == 1 &&
      (plan.inverse == forward.inverse || plan.after || plan.equal != forward.equal ||
       plan.downward != (!forward.equal && !forward.downward) || plan.lo < 0 || plan.lo > plan.hi ||
       plan.hi > forward.length_start ||
       (plan.length_start != forward.length_start && plan.length_start != forward.length_during &&
        plan.length_start != forward.length_final) ||
       plan.length_during != forward.length_during || plan.length_final != forward.length_start)) {
    return false;
  }
  const int64_t block = record.block_size();
  const ReplaceProgress at = record.progress();
  const int64_t total = PlanTotal(plan);
  if (at.done < 0 || at.done > total || (at.finishing && (at.done != total || at.flight))) {
    return false;
  }
  if (at.done == total && at.flight) return false;
  if (at.flight && FlightSound(record)) {
    const BlockMark f = record.flight();
    if (f.length <= 0 || f.length > block ||
        BlockAt(plan, at.done, block) != std::pair<int64_t, int64_t>{f.offset, f.length}) {
      return false;
    }
  }
  const BlockMark last = record.last();
  if (last.length < 0 || last.length > block ||
      (last.length > 0 && (last.offset < plan.lo || last.offset > plan.hi - last.length))) {
    return false;
  }
  for (const WitnessKind kind : {WitnessKind::Moved, WitnessKind::Unmoved}) {
    const Witness w = record.witness(index, kind);
    if (w.kept && (w.offset < 0 || w.offset >= plan.length_during)) return false;
  }
  return true;
}

enum class Proof { AsLeft, MayBeBefore, NotAsLeft };

// Proves identity by the length; the bytes of the block on its way (each
// the one it writes or the one it writes over) and of the one written last
// (their sum); a byte the plan has already changed, which no copy of the
// file from before holds; and one it has yet to change, which no copy of
// the file from after holds.
Proof ProveFile(BlockFile& file, const ReplaceRecord& record) {
  const int index = record.header().active();
  const ReplacePlan plan = record.plan(index);
  const ReplaceProgress at = record.progress();
  const bool resting = !at.flight && !at.finishing;
  const int64_t length = file.Length();
  if (length != plan.length_during && !(length == plan.length_start && at.done == 0 && resting) &&
      !(length == plan.length_final && at.finishing)) {
    return Proof::NotAsLeft;
  }
  std::vector<uint8_t> here(static_cast<size_t>(record.block_size()));
  bool landed = false;
  const BlockMark flight = record.flight();
  if (at.flight) {
    if (file.ReadAt(flight.offset, here.data(), flight.length) != flight.length) {
      return Proof::NotAsLeft;
    }
    const uint8_t* made = record.slot(0);
    const uint8_t* replaced = record.slot(1);
    for (int32_t i = 0; i < flight.length; ++i) {
      if (here[i] != made[i] && here[i] != replaced[i]) return Proof::NotAsLeft;
      landed = landed || (here[i] == made[i] && made[i] != replaced[i]);
    }
  }
  const BlockMark last = record.last();
  if (last.length > 0 && !(at.flight && last.offset == flight.offset)) {
    if (last.offset + last.length > length ||
        file.ReadAt(last.offset, here.data(), last.length) != last.length ||
        BlockSum({here.data(), size_t(last.length)}) != last.sum) {
      return Proof::NotAsLeft;
    }
  }
  uint8_t value = 0;
  const Witness moved = record.witness(index, WitnessKind::Moved);
  if (moved.kept && (file.ReadAt(moved.offset, &value, 1) != 1 || value != moved.value)) {
    return Proof::NotAsLeft;
  }
  const Witness unmoved = record.witness(index, WitnessKind::Unmoved);
  const bool in_flight = at.flight && unmoved.offset >= flight.offset &&
                         unmoved.offset < flight.offset + flight.length;
  if (unmoved.kept && !in_flight && Unwritten(plan, at.done, unmoved.offset) &&
      unmoved.offset < length &&
      (file.ReadAt(unmoved.offset, &value, 1) != 1 || value != unmoved.value)) {
    return Proof::NotAsLeft;
  }
  if (plan.after && !moved.kept && !landed) return Proof::MayBeBefore;
  return Proof::AsLeft;
}

// Makes the block on its way fit to be trusted after a power cut: a slot
// or flight whose sum fails was torn before the record's flush was over
// (RunPlan flushes its being whole before the slots are written over), so
// the block was not yet written: it stands as not begun.
void SettleFlight(ReplaceRecord& record) {
  const ReplaceProgress at = record.progress();
  if (at.flight && !FlightSound(record)) record.SetProgress({at.done, false, false});
}

// Takes back what the plan 0 did, from where it stands; the way back's
// edits are the list's other side.
bool GoBack(BlockFile& file, ReplaceRecord& record, Transform& forward_edits, BlockFile& data,
            std::span<const uint8_t> replacement) {
  if (!PlanBack(file, record, forward_edits)) return false;
  Transform back_edits(data, record.list(), replacement, !record.inverse());
  return RunPlan(file, record, back_edits, {});
}

}  // namespace

ReplaceResult ReplaceAll(BlockFile& file, const ReplaceData& data, bool inverse,
                         const ReplaceProgressReport& progress, ReplaceRecord& record) {
  const int64_t length = file.Length();
  const ReplaceList& list = data.list;
  if (length < 0 || !data.file || list.count <= 0 || list.shift == ShiftKind::Mixed ||
      static_cast<int64_t>(data.replacement.size()) != list.replacement_count) {
    return ReplaceResult::Restored;
  }
  const ReplacePlan plan = ForwardPlan(list, inverse, length);
  if (plan.hi < 0) return ReplaceResult::Restored;
  record.SetList(list, inverse);
  record.SetPlan(0, plan);
  Transform edits(*data.file, list, data.replacement, inverse);
  const std::optional<Witness> unmoved = UnmovedWitness(file, record, edits, plan);
  if (!unmoved) return ReplaceResult::Restored;
  record.SetWitness(0, WitnessKind::Unmoved, *unmoved);
  // The names, list and plan on the disk before the mark that makes them a
  // record: a power cut must not leave the mark over a torn name.
  if (!record.header().WriteThrough()) return ReplaceResult::Restored;
  record.header().Begin(RecordKind::ReplaceAll, length, 0, 0);
  // A record that may not survive a power cut must not go before the blocks it describes.
  if (!record.header().WriteThrough()) {
    record.header().End();
    return ReplaceResult::Restored;
  }
  ReplaceResult result = ReplaceResult::Done;
  if (!RunPlan(file, record, edits, progress)) {
    if (!GoBack(file, record, edits, *data.file, data.replacement)) {
      return ReplaceResult::MaybeDamaged;
    }
    result = ReplaceResult::Restored;
  }
  return record.header().End() ? result : ReplaceResult::MaybeDamaged;
}

RepairResult RepairReplaceAll(BlockFile& file, ReplaceRecord& record, size_t size,
                              BlockFile* data) {
  if (!record.Whole(size) || !PlanFits(record)) return RepairResult::Unfit;
  SettleFlight(record);
  const Proof proof = ProveFile(file, record);
  if (proof == Proof::NotAsLeft) return RepairResult::NotMatching;
  // Both ways read the list; the replace's own also the replacement.
  const ReplaceList list = record.list();
  std::vector<uint8_t> replacement;
  if (!data || !ListIntact(*data, list) || !ReplacementIntact(*data, list, replacement)) {
    return RepairResult::DataUnusable;
  }
  const bool forward = record.header().active() == 0;
  // The edits of the plan in force: the list's side that plan 0 makes, or
  // the other one.
  Transform edits(*data, list, replacement, forward ? record.inverse() : !record.inverse());
  // Finishing could carry on over a copy from before the replace; taking
  // back leaves both that copy and the stopped file as they were before.
  const bool ok = forward && proof == Proof::MayBeBefore
                      ? GoBack(file, record, edits, *data, replacement)
                      : RunPlan(file, record, edits, {});
  if (!ok) return RepairResult::Failed;
  const bool after = record.plan(record.header().active()).after;
  record.header().End();
  return after ? RepairResult::After : RepairResult::Before;
}

}  // namespace vx

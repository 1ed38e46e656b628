#include "app/disk/replace_record.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#include "app/disk/record_bytes.h"

namespace vx {
namespace {

constexpr size_t kList = 0, kShift = 64, kInverse = 68, kBlock = 72, kPlans = 80, kPlanSize = 160,
                 kFieldsSize = kPlans + 2 * kPlanSize;
// Within a plan.
constexpr size_t kProgress = 0, kPlanInverse = 8, kAfter = 12, kDownward = 16, kEqual = 20,
                 kLo = 24, kHi = 32, kLengthStart = 40, kLengthDuring = 48, kLengthFinal = 56,
                 kFlight = 64, kLast = 80, kMovedWitness = 104, kUnmovedWitness = 112,
                 kWitnessValues = 120, kWitnessMarks = 124, kFlightSums = 128,
                 kFlightSumsKept = 144;

using record_bytes::Get;
using record_bytes::Put;
using record_bytes::RoundUp;


size_t FieldsStart(size_t names_end) { return RoundUp(names_end, 8); }

size_t SlotsStart(size_t names_end) {
  return RoundUp(FieldsStart(names_end) + kFieldsSize, kEarlierBlockSize);
}

// As the move record's: a stop leaves the old word or the new one, and
// never one that runs ahead of what it describes.
std::atomic_ref<uint64_t> Word(uint8_t* bytes, size_t offset) {
  return std::atomic_ref<uint64_t>(*reinterpret_cast<uint64_t*>(bytes + offset));
}

}  // namespace

size_t ReplaceRecord::SizeFor(const std::wstring& path, const std::wstring& data_name,
                              int64_t block) {
  const size_t names_end = 320 + 2 * (Utf16Units(path).size() + Utf16Units(data_name).size());
  return SlotsStart(names_end) + 2 * static_cast<size_t>(block);
}

uint8_t* ReplaceRecord::fields() const { return record_.bytes() + FieldsStart(record_.NamesEnd()); }

uint8_t* ReplaceRecord::plan_bytes(int index) const {
  return fields() + kPlans + static_cast<size_t>(index) * kPlanSize;
}

bool ReplaceRecord::Whole(size_t size) const {
  if (!record_.Whole() || record_.kind() != RecordKind::ReplaceAll) return false;
  const int64_t block = block_size();
  if (block < kEarlierBlockSize || block > kLargestBlockSize || block % kEarlierBlockSize != 0 ||
      Get<uint32_t>(fields(), kBlock) != static_cast<uint32_t>(block)) {
    return false;
  }
  return size >= SlotsStart(record_.NamesEnd()) + 2 * static_cast<size_t>(block);
}

void ReplaceRecord::SetList(const ReplaceList& list, bool inverse) {
  uint8_t* f = fields();
  const int64_t values[] = {list.at,
                            list.bytes,
                            list.count,
                            list.removed,
                            static_cast<int64_t>(list.sum),
                            list.replacement_at,
                            list.replacement_count,
                            static_cast<int64_t>(list.replacement_sum)};
  for (size_t i = 0; i < 8; ++i) Put<int64_t>(f, kList + 8 * i, values[i]);
  Put<uint32_t>(f, kShift, static_cast<uint32_t>(list.shift));
  Put<uint32_t>(f, kInverse, inverse ? 1 : 0);
  Put<uint32_t>(f, kBlock, static_cast<uint32_t>(block_size()));
}

ReplaceList ReplaceRecord::list() const {
  const uint8_t* f = fields();
  return {
      Get<int64_t>(f, 0),  Get<int64_t>(f, 8),   Get<int64_t>(f, 16),
      Get<int64_t>(f, 24), Get<uint64_t>(f, 32), Get<int64_t>(f, 40),
      Get<int64_t>(f, 48), Get<uint64_t>(f, 56), static_cast<ShiftKind>(Get<uint32_t>(f, kShift))};
}

bool ReplaceRecord::inverse() const { return Get<uint32_t>(fields(), kInverse) != 0; }

void ReplaceRecord::SetPlan(int index, const ReplacePlan& plan) {
  uint8_t* p = plan_bytes(index);
  Put<uint32_t>(p, kPlanInverse, plan.inverse ? 1 : 0);
  Put<uint32_t>(p, kAfter, plan.after ? 1 : 0);
  Put<uint32_t>(p, kDownward, plan.downward ? 1 : 0);
  Put<uint32_t>(p, kEqual, plan.equal ? 1 : 0);
  Put<int64_t>(p, kLo, plan.lo);
  Put<int64_t>(p, kHi, plan.hi);
  Put<int64_t>(p, kLengthStart, plan.length_start);
  Put<int64_t>(p, kLengthDuring, plan.length_during);
  Put<int64_t>(p, kLengthFinal, plan.length_final);
  Put<int64_t>(p, kFlight, 0);
  Put<int32_t>(p, kFlight + 8, 0);
  Put<int64_t>(p, kLast, 0);
  Put<int32_t>(p, kLast + 8, 0);
  Put<uint32_t>(p, kWitnessMarks, 0);
  Word(p, kProgress).store(0, std::memory_order_release);
}

ReplacePlan ReplaceRecord::plan(int index) const {
  const uint8_t* p = plan_bytes(index);
  return {Get<uint32_t>(p, kPlanInverse) != 0,
          Get<uint32_t>(p, kAfter) != 0,
          Get<uint32_t>(p, kDownward) != 0,
          Get<uint32_t>(p, kEqual) != 0,
          Get<int64_t>(p, kLo),
          Get<int64_t>(p, kHi),
          Get<int64_t>(p, kLengthStart),
          Get<int64_t>(p, kLengthDuring),
          Get<int64_t>(p, kLengthFinal)};
}

void ReplaceRecord::SetProgress(const ReplaceProgress& progress) {
  const uint64_t word = static_cast<uint64_t>(progress.done) << 8 | (progress.finishing ? 2u : 0u) |
                        (progress.flight ? 1u : 0u);
  Word(plan_bytes(record_.active()), kProgress).store(word, std::memory_order_release);
}

ReplaceProgress ReplaceRecord::progress() const {
  const uint64_t word =
      Word(plan_bytes(record_.active()), kProgress).load(std::memory_order_acquire);
  return {static_cast<int64_t>(word >> 8), (word & 1) != 0, (word & 2) != 0};
}

void ReplaceRecord::SetFlight(const BlockMark& block) {
  uint8_t* p = plan_bytes(record_.active());
  Put<int64_t>(p, kFlight, block.offset);
  Put<int32_t>(p, kFlight + 8, block.length);
}

namespace {

uint64_t FlightSum(const uint8_t* slot, const BlockMark& flight, int64_t done) {
  const int32_t n = std::max<int32_t>(flight.length, 0);
  return BlockSum({slot, static_cast<size_t>(n)}) ^
         (static_cast<uint64_t>(flight.offset) * 0x9E3779B97F4A7C15 + static_cast<uint64_t>(done));
}

}  // namespace

void ReplaceRecord::SetFlightSums() {
  uint8_t* p = plan_bytes(record_.active());
  for (const int index : {0, 1}) {
    Put<uint64_t>(p, kFlightSums + static_cast<size_t>(index) * 8,
                  FlightSum(slot(index), flight(), progress().done));
  }
  Put<uint32_t>(p, kFlightSumsKept, 1);
}

bool ReplaceRecord::FlightSlotSound(int index) const {
  const uint8_t* p = plan_bytes(record_.active());
  const uint32_t kept = Get<uint32_t>(p, kFlightSumsKept);
  if (kept == 0) return true;
  const BlockMark f = flight();
  return kept == 1 && f.length >= 0 && f.length <= block_size() &&
         Get<uint64_t>(p, kFlightSums + static_cast<size_t>(index) * 8) ==
             FlightSum(slot(index), f, progress().done);
}

BlockMark ReplaceRecord::flight() const {
  const uint8_t* p = plan_bytes(record_.active());
  return {Get<int64_t>(p, kFlight), Get<int32_t>(p, kFlight + 8), 0};
}

void ReplaceRecord::SetLast(const BlockMark& block) {
  uint8_t* p = plan_bytes(record_.active());
  Put<int64_t>(p, kLast, block.offset);
  Put<int32_t>(p, kLast + 8, block.length);
  Put<uint64_t>(p, kLast + 16, block.sum);
}

BlockMark ReplaceRecord::last() const {
  const uint8_t* p = plan_bytes(record_.active());
  return {Get<int64_t>(p, kLast), Get<int32_t>(p, kLast + 8), Get<uint64_t>(p, kLast + 16)};
}

void ReplaceRecord::SetWitness(int index, WitnessKind kind, const Witness& witness) {
  uint8_t* p = plan_bytes(index);
  const bool moved = kind == WitnessKind::Moved;
  Put<int64_t>(p, moved ? kMovedWitness : kUnmovedWitness, witness.offset);
  p[kWitnessValues + (moved ? 0 : 1)] = witness.value;
  const uint32_t mark = moved ? 1 : 2;
  std::atomic_ref<uint32_t> marks(*reinterpret_cast<uint32_t*>(p + kWitnessMarks));
  const uint32_t now = marks.load(std::memory_order_relaxed);
  marks.store(witness.kept ? now | mark : now & ~mark, std::memory_order_release);
}

Witness ReplaceRecord::witness(int index, WitnessKind kind) const {
  uint8_t* p = plan_bytes(index);
  const bool moved = kind == WitnessKind::Moved;
  const uint32_t marks = std::atomic_ref<uint32_t>(*reinterpret_cast<uint32_t*>(p + kWitnessMarks))
                             .load(std::memory_order_acquire);
  return {(marks & (moved ? 1u : 2u)) != 0,
          Get<int64_t>(p, moved ? kMovedWitness : kUnmovedWitness),
          p[kWitnessValues + (moved ? 0 : 1)]};
}

size_t ReplaceRecord::SlotOffset(int index) const {
  return SlotsStart(record_.NamesEnd()) +
         static_cast<size_t>(index) * static_cast<size_t>(block_size());
}

uint8_t* ReplaceRecord::slot(int index) const { return record_.bytes() + SlotOffset(index); }

}  // namespace vx

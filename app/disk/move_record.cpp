#include "app/disk/move_record.h"

#include <atomic>
#include <cstring>
#include <utility>

#include "app/disk/record_bytes.h"

namespace vx {
namespace {

constexpr char kMagic[8] = {'V', 'X', 'R', 'e', 'c', 'o', 'v', '2'};
constexpr char kEarlierMagic[8] = {'V', 'X', 'R', 'e', 'c', 'o', 'v', '1'};

constexpr size_t kKind = 8, kActive = 12, kLength = 16, kAt = 24, kByte = 32, kPathUnits = 36,
                 kTempUnits = 40, kCommand = 44, kHeaderBlockSize = 48, kSlotSums = 52,
                 kSlotSumsKept = 60, kPlans = 64, kPlanSize = 128, kNames = 320;
// Within a plan.
constexpr size_t kProgress = 0, kFrom = 8, kCount = 16, kStep = 24, kAfter = 28, kLengthStart = 32,
                 kLengthDuring = 40, kLengthFinal = 48, kThenWrite = 56, kThenByte = 60,
                 kThenOffset = 64, kTargets = 72, kTargetSize = 16, kMovedWitness = 104,
                 kUnmovedWitness = 112, kWitnessValues = 120, kWitnessMarks = 124;
// Within a range's fields.
constexpr size_t kRemoved = 0, kInserted = 8, kOldAt = 16, kNewAt = 24, kOldSum = 32, kNewSum = 40,
                 kRepeated = 48, kValue = 49, kBlockSize = 52, kRangeSteps = 56, kRangeSize = 72;

using record_bytes::Get;
using record_bytes::Put;
using record_bytes::RoundUp;

// Every store before it lands before the word, and the word in one piece: a
// killed program leaves either the old or the new word, never a mix, and
// never a word that runs ahead of what it describes.
void StoreWord(uint8_t* bytes, size_t offset, uint64_t value) {
  std::atomic_ref<uint64_t>(*reinterpret_cast<uint64_t*>(bytes + offset))
      .store(value, std::memory_order_release);
}

uint64_t LoadWord(const uint8_t* bytes, size_t offset) {
  return std::atomic_ref<uint64_t>(*reinterpret_cast<uint64_t*>(const_cast<uint8_t*>(bytes) +
                                                                offset))
      .load(std::memory_order_acquire);
}


size_t RangeStart(size_t units) { return kNames + 2 * units; }

size_t SlotsStart(RecordKind kind, size_t units) {
  return RoundUp(RangeStart(units) + (kind == RecordKind::Range ? kRangeSize : 0),
                 kEarlierBlockSize);
}

bool FitBlockSize(int64_t block) {
  return block >= kEarlierBlockSize && block <= kLargestBlockSize &&
         block % kEarlierBlockSize == 0;
}

uint32_t SlotSum(const uint8_t* bytes, int32_t length) {
  const uint64_t sum = BlockSum({bytes, static_cast<size_t>(length)});
  return static_cast<uint32_t>(sum ^ sum >> 32);
}

uint64_t ProgressWord(const MoveProgress& progress) {
  return static_cast<uint64_t>(progress.moved) << 8 |
         static_cast<uint64_t>(progress.last + 1) << 4 |
         static_cast<uint64_t>(progress.flight + 1);
}

}  // namespace

std::u16string Utf16Units(const std::wstring& text) {
  std::u16string units;
  for (const wchar_t c : text) {
    const auto code = static_cast<uint32_t>(c);
    if (code > 0xFFFF) {
      units += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      units += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      units += static_cast<char16_t>(code);
    }
  }
  return units;
}

std::wstring FromUtf16Units(const std::u16string& units) {
  std::wstring text;
  for (size_t i = 0; i < units.size(); ++i) {
    const uint32_t u = units[i];
    if constexpr (sizeof(wchar_t) == 4) {
      if (u >= 0xD800 && u < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
          units[i + 1] < 0xE000) {
        text += static_cast<wchar_t>(0x10000 + ((u - 0xD800) << 10) + (units[++i] - 0xDC00));
        continue;
      }
    }
    text += static_cast<wchar_t>(u);
  }
  return text;
}

size_t MoveRecord::SizeFor(RecordKind kind, const std::wstring& path, const std::wstring& temp,
                           int64_t block) {
  const size_t units = Utf16Units(path).size() + Utf16Units(temp).size();
  return IsTailMove(kind) ? SlotsStart(kind, units) + 2 * static_cast<size_t>(block)
                          : kNames + 2 * units;
}

void MoveRecord::SetBlockSize(int64_t block) {
  Put<uint32_t>(bytes_, kHeaderBlockSize, static_cast<uint32_t>(block));
}

int64_t MoveRecord::block_size() const {
  const uint32_t block = Get<uint32_t>(bytes_, kHeaderBlockSize);
  return block == 0 ? kEarlierBlockSize : int64_t{block};
}

void MoveRecord::SetNames(const std::wstring& path, const std::wstring& temp) {
  const std::u16string p = Utf16Units(path), t = Utf16Units(temp);
  Put<uint32_t>(bytes_, kPathUnits, static_cast<uint32_t>(p.size()));
  Put<uint32_t>(bytes_, kTempUnits, static_cast<uint32_t>(t.size()));
  std::memcpy(bytes_ + kNames, p.data(), 2 * p.size());
  std::memcpy(bytes_ + kNames + 2 * p.size(), t.data(), 2 * t.size());
}

void MoveRecord::SetRange(const RangeFields& range) {
  Put<uint32_t>(bytes_, kKind, static_cast<uint32_t>(RecordKind::Range));
  uint8_t* r = bytes_ + RangeStart(units());
  Put<int64_t>(r, kRemoved, range.removed);
  Put<int64_t>(r, kInserted, range.inserted);
  Put<int64_t>(r, kOldAt, range.old_at);
  Put<int64_t>(r, kNewAt, range.new_at);
  Put<uint64_t>(r, kOldSum, range.old_sum);
  Put<uint64_t>(r, kNewSum, range.new_sum);
  r[kRepeated] = range.repeated ? 1 : 0;
  r[kValue] = range.value;
  Put<uint32_t>(r, kBlockSize, static_cast<uint32_t>(block_size()));
}

RangeFields MoveRecord::range() const {
  const uint8_t* r = bytes_ + RangeStart(units());
  return {Get<int64_t>(r, kRemoved), Get<int64_t>(r, kInserted), Get<int64_t>(r, kOldAt),
          Get<int64_t>(r, kNewAt),   Get<uint64_t>(r, kOldSum),  Get<uint64_t>(r, kNewSum),
          r[kRepeated] != 0,         r[kValue]};
}

size_t MoveRecord::units() const {
  return size_t{Get<uint32_t>(bytes_, kPathUnits)} + size_t{Get<uint32_t>(bytes_, kTempUnits)};
}

size_t MoveRecord::NamesEnd() const { return RangeStart(units()); }

bool MoveRecord::IsRange() const { return kind() == RecordKind::Range; }

void MoveRecord::SetPlan(int index, const MovePlan& plan, const MoveProgress& progress,
                         const SlotTarget& slot0, const SlotTarget& slot1) {
  uint8_t* p = bytes_ + kPlans + static_cast<size_t>(index) * kPlanSize;
  Put<int64_t>(p, kFrom, plan.from);
  Put<int64_t>(p, kCount, plan.count);
  if (IsRange()) {
    Put<int64_t>(bytes_ + RangeStart(units()), kRangeSteps + static_cast<size_t>(index) * 8,
                 plan.step);
    Put<int32_t>(p, kStep, 0);
  } else {
    Put<int32_t>(p, kStep, static_cast<int32_t>(plan.step));
  }
  Put<int32_t>(p, kAfter, plan.after ? 1 : 0);
  Put<int64_t>(p, kLengthStart, plan.length_start);
  Put<int64_t>(p, kLengthDuring, plan.length_during);
  Put<int64_t>(p, kLengthFinal, plan.length_final);
  Put<int32_t>(p, kThenWrite, plan.then_write ? 1 : 0);
  Put<int32_t>(p, kThenByte, plan.then_byte);
  Put<int64_t>(p, kThenOffset, plan.then_offset);
  const SlotTarget targets[] = {slot0, slot1};
  for (size_t i = 0; i < 2; ++i) {
    Put<int64_t>(p, kTargets + i * kTargetSize, targets[i].offset);
    Put<int32_t>(p, kTargets + i * kTargetSize + 8, targets[i].length);
    Put<int32_t>(p, kTargets + i * kTargetSize + 12, targets[i].half_done_shift);
  }
  StoreWord(p, kProgress, ProgressWord(progress));
}

void MoveRecord::Begin(RecordKind kind, int64_t length, int64_t at, uint8_t byte) {
  Put<uint32_t>(bytes_, kKind, static_cast<uint32_t>(kind));
  Put<uint32_t>(bytes_, kActive, 0);
  Put<int64_t>(bytes_, kLength, length);
  Put<int64_t>(bytes_, kAt, at);
  bytes_[kByte] = byte;
  uint64_t magic;
  std::memcpy(&magic, kMagic, sizeof magic);
  StoreWord(bytes_, 0, magic);
}

void MoveRecord::SetCommand(RecordedCommand command) {
  Put<uint32_t>(bytes_, kCommand, static_cast<uint32_t>(command));
}

void MoveRecord::SetWitness(int index, WitnessKind kind, const Witness& witness) {
  uint8_t* p = bytes_ + kPlans + static_cast<size_t>(index) * kPlanSize;
  const bool moved = kind == WitnessKind::Moved;
  Put<int64_t>(p, moved ? kMovedWitness : kUnmovedWitness, witness.offset);
  p[kWitnessValues + (moved ? 0 : 1)] = witness.value;
  const uint32_t mark = moved ? 1 : 2;
  std::atomic_ref<uint32_t> marks(*reinterpret_cast<uint32_t*>(p + kWitnessMarks));
  const uint32_t now = marks.load(std::memory_order_relaxed);
  marks.store(witness.kept ? now | mark : now & ~mark, std::memory_order_release);
}

void MoveRecord::Activate(int index) {
  std::atomic_ref<uint32_t>(*reinterpret_cast<uint32_t*>(bytes_ + kActive))
      .store(static_cast<uint32_t>(index), std::memory_order_release);
}

void MoveRecord::SetProgress(const MoveProgress& progress) {
  StoreWord(bytes_ + kPlans + static_cast<size_t>(active()) * kPlanSize, kProgress,
            ProgressWord(progress));
}

void MoveRecord::SetTarget(int slot, const SlotTarget& target) {
  uint8_t* t = bytes_ + kPlans + static_cast<size_t>(active()) * kPlanSize + kTargets +
               static_cast<size_t>(slot) * kTargetSize;
  Put<int64_t>(t, 0, target.offset);
  Put<int32_t>(t, 8, target.length);
  Put<int32_t>(t, 12, target.half_done_shift);
}

void MoveRecord::SetSlotSum(int slot, int32_t length) {
  Put<uint32_t>(bytes_, kSlotSums + static_cast<size_t>(slot) * 4,
                SlotSum(this->slot(slot), length));
  Put<uint32_t>(bytes_, kSlotSumsKept, 1);
}

bool MoveRecord::SlotSound(int slot, int32_t length) const {
  const uint32_t kept = Get<uint32_t>(bytes_, kSlotSumsKept);
  if (Earlier() || kept == 0) return true;
  return kept == 1 && length >= 0 && length <= block_size() &&
         Get<uint32_t>(bytes_, kSlotSums + static_cast<size_t>(slot) * 4) ==
             SlotSum(this->slot(slot), length);
}

bool MoveRecord::End() {
  if (end_check_ && !std::exchange(end_check_, nullptr)()) return false;
  StoreWord(bytes_, 0, 0);
  return true;
}

bool MoveRecord::Begun() const {
  if (size_ < kNames) return false;
  const uint64_t word = LoadWord(bytes_, 0);
  return std::memcmp(&word, kMagic, sizeof word) == 0 ||
         std::memcmp(&word, kEarlierMagic, sizeof word) == 0;
}

bool MoveRecord::Earlier() const {
  const uint64_t word = LoadWord(bytes_, 0);
  return std::memcmp(&word, kEarlierMagic, sizeof word) == 0;
}

RecordedCommand MoveRecord::command() const {
  const uint32_t command = Earlier() ? 0 : Get<uint32_t>(bytes_, kCommand);
  return command <= 2 ? static_cast<RecordedCommand>(command) : RecordedCommand::Itself;
}

Witness MoveRecord::witness(int index, WitnessKind kind) const {
  if (Earlier()) return {};
  const uint8_t* p = bytes_ + kPlans + static_cast<size_t>(index) * kPlanSize;
  const bool moved = kind == WitnessKind::Moved;
  const uint32_t marks =
      std::atomic_ref<uint32_t>(*reinterpret_cast<uint32_t*>(const_cast<uint8_t*>(p) +
                                                             kWitnessMarks))
          .load(std::memory_order_acquire);
  return {(marks & (moved ? 1u : 2u)) != 0,
          Get<int64_t>(p, moved ? kMovedWitness : kUnmovedWitness),
          p[kWitnessValues + (moved ? 0 : 1)]};
}

bool MoveRecord::Whole() const {
  if (!Begun()) return false;
  const uint32_t k = Get<uint32_t>(bytes_, kKind);
  if (k < 1 || k > 6 || Get<uint32_t>(bytes_, kActive) > 1) return false;
  if (Get<uint32_t>(bytes_, kPathUnits) == 0 || kNames + 2 * units() > size_) return false;
  if (!IsTailMove(kind())) return true;
  const int64_t block = block_size();
  if (!FitBlockSize(block) ||
      size_ < SlotsStart(kind(), units()) + 2 * static_cast<size_t>(block)) {
    return false;
  }
  // A range keeps it among its own fields too; this program writes both alike.
  return !IsRange() ||
         Get<uint32_t>(bytes_ + RangeStart(units()), kBlockSize) == static_cast<uint32_t>(block);
}

RecordKind MoveRecord::kind() const {
  return static_cast<RecordKind>(Get<uint32_t>(bytes_, kKind));
}
int64_t MoveRecord::length() const { return Get<int64_t>(bytes_, kLength); }
int64_t MoveRecord::at() const { return Get<int64_t>(bytes_, kAt); }
uint8_t MoveRecord::byte() const { return bytes_[kByte]; }

std::wstring MoveRecord::path() const {
  std::u16string units(Get<uint32_t>(bytes_, kPathUnits), u'\0');
  std::memcpy(units.data(), bytes_ + kNames, 2 * units.size());
  return FromUtf16Units(units);
}

std::wstring MoveRecord::temp() const {
  const size_t skip = 2 * size_t{Get<uint32_t>(bytes_, kPathUnits)};
  std::u16string units(Get<uint32_t>(bytes_, kTempUnits), u'\0');
  std::memcpy(units.data(), bytes_ + kNames + skip, 2 * units.size());
  return FromUtf16Units(units);
}

int MoveRecord::active() const {
  return static_cast<int>(std::atomic_ref<uint32_t>(*reinterpret_cast<uint32_t*>(bytes_ + kActive))
                              .load(std::memory_order_acquire));
}

MovePlan MoveRecord::plan(int index) const {
  const uint8_t* p = bytes_ + kPlans + static_cast<size_t>(index) * kPlanSize;
  MovePlan plan;
  plan.from = Get<int64_t>(p, kFrom);
  plan.count = Get<int64_t>(p, kCount);
  plan.step = IsRange() ? Get<int64_t>(bytes_ + RangeStart(units()),
                                       kRangeSteps + static_cast<size_t>(index) * 8)
                        : Get<int32_t>(p, kStep);
  plan.after = Get<int32_t>(p, kAfter) != 0;
  plan.length_start = Get<int64_t>(p, kLengthStart);
  plan.length_during = Get<int64_t>(p, kLengthDuring);
  plan.length_final = Get<int64_t>(p, kLengthFinal);
  plan.then_write = Get<int32_t>(p, kThenWrite) != 0;
  plan.then_byte = static_cast<uint8_t>(Get<int32_t>(p, kThenByte));
  plan.then_offset = Get<int64_t>(p, kThenOffset);
  if (IsRange()) {
    const RangeFields r = range();
    plan.then_count = plan.after ? r.inserted : r.removed;
  } else {
    plan.then_count = plan.then_write ? 1 : 0;
  }
  return plan;
}

MoveProgress MoveRecord::progress() const {
  const uint64_t word = LoadWord(bytes_ + kPlans + static_cast<size_t>(active()) * kPlanSize,
                                 kProgress);
  return {static_cast<int64_t>(word >> 8), static_cast<int>((word >> 4) & 0xF) - 1,
          static_cast<int>(word & 0xF) - 1};
}

SlotTarget MoveRecord::target(int slot) const {
  const uint8_t* t = bytes_ + kPlans + static_cast<size_t>(active()) * kPlanSize + kTargets +
                     static_cast<size_t>(slot) * kTargetSize;
  return {Get<int64_t>(t, 0), Get<int32_t>(t, 8), Get<int32_t>(t, 12)};
}

size_t MoveRecord::SlotOffset(int index) const {
  return SlotsStart(kind(), units()) +
         static_cast<size_t>(index) * static_cast<size_t>(block_size());
}

uint8_t* MoveRecord::slot(int index) const { return bytes_ + SlotOffset(index); }

}  // namespace vx

#include "app/search/read_ahead.h"

#include <mutex>

namespace vx {
namespace {

// Looks before sleeping: about as long as a block takes to read.
constexpr int kLooksBeforeSleeping = 200;

}  // namespace

ReadAhead::ReadAhead(BlockFile& file, ReadPlan plan) : file_(file), plan_(plan) {}

ReadAhead::~ReadAhead() {
  if (!reader_.joinable()) return;
  stopping_ = true;
  Wake();
  reader_.join();
}

template <typename Ready>
void ReadAhead::WaitUntil(Ready ready) {
  for (int look = 0; look < kLooksBeforeSleeping; ++look) {
    if (ready()) return;
    std::this_thread::yield();
  }
  std::unique_lock held(lock_);
  ++sleepers_;
  while (!ready()) lock_.Wait();
  --sleepers_;
}

void ReadAhead::Wake() {
  // Whoever goes to sleep counts itself first and looks once more, under
  // the lock: either it sees the change, or it is counted here.
  if (sleepers_ == 0) return;
  std::lock_guard held(lock_);
  lock_.WakeAll();
}

bool ReadAhead::ReadNext(Slot& slot) {
  const std::optional<PlannedRead> planned = plan_.Next();
  if (!planned) return false;
  const int64_t length = planned->candidates + plan_.tail();
  if (slot.buffer.size() < static_cast<size_t>(length)) {
    slot.buffer.resize(static_cast<size_t>(length));
  }
  slot.planned = *planned;
  slot.read = file_.ReadAt(planned->offset, slot.buffer.data(), length);
  return true;
}

void ReadAhead::ReadOn() {
  for (int64_t k = ready_;; ++k) {
    // The slot's read kSlots back must be done with.
    WaitUntil([&] { return stopping_ || k < released_ + kSlots; });
    if (stopping_) return;
    Slot& slot = slots_[k % kSlots];
    const bool planned = ReadNext(slot);
    if (planned) ready_ = k + 1;
    over_ = !planned || slot.read < 0;
    Wake();
    if (over_) return;
  }
}

std::optional<SearchRead> ReadAhead::Next() {
  if (taken_ == 0) {
    const bool planned = ReadNext(slots_[0]);
    over_ = !planned || slots_[0].read < 0;
    ready_ = planned ? 1 : 0;
  } else if (!reader_.joinable() && !over_) {
    reader_ = std::thread(&ReadAhead::ReadOn, this);
  }
  // The read the scan held is done with: its slot is free for the thread.
  released_ = taken_;
  Wake();
  WaitUntil([&] { return ready_ > taken_ || over_; });
  if (ready_ <= taken_) return std::nullopt;
  const Slot& slot = slots_[taken_ % kSlots];
  ++taken_;
  return SearchRead{slot.planned, slot.buffer.data(), slot.read};
}

}  // namespace vx

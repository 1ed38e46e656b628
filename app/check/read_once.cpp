#include "app/check/read_once.h"

#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "common/file_seam.h"
#include "common/system_lock.h"

namespace vx {
namespace {

// How long the reading thread waits for the consumers before it asks again
// whether to go on: well inside the 100 ms a window may go unanswered.
constexpr std::chrono::milliseconds kWaitSlice{40};

// Blocks held at once: the reading runs this far ahead of the slowest
// consumer, so that the fast ones' threads have blocks to go on with while
// the slow one works through its own.
constexpr int64_t kSlots = 8;

// The consumers' work, shared out among one thread per core (no more than
// there are consumers): a free thread takes, of the consumers no other
// thread has in hand, the one furthest behind whose next block is read, and
// gives it that block. Each consumer so gets every block in order, and the
// slowest sets the pace only when it alone takes longer than all the work
// shared out among the cores.
class BlockPipeline {
 public:
  BlockPipeline(std::span<BlockSink* const> sinks, size_t slot_size)
      : sinks_(sinks.begin(), sinks.end()),
        next_(sinks.size(), 0),
        busy_(sinks.size(), false),
        slots_(kSlots, std::vector<uint8_t>(slot_size)),
        lengths_(kSlots, 0) {
    const size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const size_t threads = std::min(cores, sinks.size());
    workers_.reserve(threads);
    for (size_t i = 0; i < threads; ++i) workers_.emplace_back([this] { Work(); });
  }
  ~BlockPipeline() {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    work_.notify_all();
    for (std::thread& worker : workers_) worker.join();
  }
  BlockPipeline(const BlockPipeline&) = delete;
  BlockPipeline& operator=(const BlockPipeline&) = delete;

  // Whether the buffer of block number `block` (the next to be read) is free,
  // every consumer through the block held there before; waits up to `slice`.
  bool SlotFree(int64_t block, std::chrono::milliseconds slice) {
    std::unique_lock lock(mutex_);
    return through_.wait_for(lock, slice, [&] { return Slowest() > block - kSlots; });
  }
  uint8_t* SlotOf(int64_t block) { return slots_[static_cast<size_t>(block % kSlots)].data(); }
  // Block `block`, read into its buffer, goes to the consumers.
  void Publish(int64_t block, size_t length) {
    {
      const std::lock_guard lock(mutex_);
      lengths_[static_cast<size_t>(block % kSlots)] = length;
      published_ = block + 1;
    }
    work_.notify_all();
  }
  // Whether every consumer is through every block published; waits up to `slice`.
  bool AllThrough(std::chrono::milliseconds slice) {
    std::unique_lock lock(mutex_);
    return through_.wait_for(lock, slice, [&] { return Slowest() == published_; });
  }

 private:
  static constexpr size_t kNone = static_cast<size_t>(-1);

  // The block the slowest consumer is on (without consumers, the next to be read).
  int64_t Slowest() const {
    return next_.empty() ? published_ : *std::min_element(next_.begin(), next_.end());
  }

  // The consumer a free thread takes next, or kNone.
  size_t Ready() const {
    size_t chosen = kNone;
    for (size_t i = 0; i < sinks_.size(); ++i) {
      if (!busy_[i] && next_[i] < published_ && (chosen == kNone || next_[i] < next_[chosen])) {
        chosen = i;
      }
    }
    return chosen;
  }

  void Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
      size_t chosen = kNone;
      work_.wait(lock, [&] { return stopping_ || (chosen = Ready()) != kNone; });
      if (stopping_) return;
      busy_[chosen] = true;
      const size_t slot = static_cast<size_t>(next_[chosen] % kSlots);
      const std::span<const uint8_t> block(slots_[slot].data(), lengths_[slot]);
      lock.unlock();
      sinks_[chosen]->Add(block);
      lock.lock();
      busy_[chosen] = false;
      ++next_[chosen];
      through_.notify_all();
      work_.notify_all();
    }
  }

  const std::vector<BlockSink*> sinks_;
  SystemLock mutex_;
  SystemCondition work_;
  SystemCondition through_;
  // Per consumer: the number of the block it takes next, whether a thread has it in hand.
  std::vector<int64_t> next_;
  std::vector<bool> busy_;
  std::vector<std::vector<uint8_t>> slots_;
  std::vector<size_t> lengths_;
  int64_t published_ = 0;
  bool stopping_ = false;
  std::vector<std::thread> workers_;
};

}  // namespace

ReadOnceOutcome ReadOnce(const std::wstring& path, int64_t expected_size, ByteRange range,
                         std::span<BlockSink* const> sinks, const KeepGoing& keep_going,
                         int64_t block_size) {
  fs::File file = fs::OpenFileForReading(path);
  if (!file) return ReadOnceOutcome::NotOpened;
  if (file.Length() != expected_size || range.first < 0 || range.length < 0 ||
      range.first > expected_size - range.length) {
    return ReadOnceOutcome::SizeChanged;
  }
  const double total = static_cast<double>(std::max<int64_t>(range.length, 1));
  int64_t done = 0;
  // Waits in slices until `ready`, asking between them whether to go on.
  const auto wait_for = [&](const auto& ready) {
    while (!ready()) {
      if (!keep_going(done / total)) return false;
    }
    return true;
  };
  ReadOnceOutcome outcome = ReadOnceOutcome::Done;
  {
    BlockPipeline pipeline(
        sinks, static_cast<size_t>(std::min(block_size, std::max<int64_t>(range.length, 1))));
    for (int64_t block = 0; done < range.length; ++block) {
      if (!wait_for([&] { return pipeline.SlotFree(block, kWaitSlice); }) ||
          !keep_going(done / total)) {
        outcome = ReadOnceOutcome::Cancelled;
        break;
      }
      const int64_t wanted = std::min<int64_t>(block_size, range.length - done);
      const int64_t got = file.ReadAt(range.first + done, pipeline.SlotOf(block), wanted);
      if (got != wanted) {
        outcome = got < 0 ? ReadOnceOutcome::ReadFailed : ReadOnceOutcome::SizeChanged;
        break;
      }
      pipeline.Publish(block, static_cast<size_t>(wanted));
      done += wanted;
    }
    if (outcome == ReadOnceOutcome::Done &&
        !wait_for([&] { return pipeline.AllThrough(kWaitSlice); })) {
      outcome = ReadOnceOutcome::Cancelled;
    }
  }
  // A file that was changed while it was read gives no result.
  if (outcome == ReadOnceOutcome::Done && file.Length() != expected_size) {
    return ReadOnceOutcome::SizeChanged;
  }
  return outcome;
}

}  // namespace vx

#include "app/check/read_once.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "common/file_seam.h"

namespace vx {
namespace {

// How long the reading thread waits for the consumers before it asks again
// whether to go on: well inside the 100 ms a window may go unanswered.
constexpr std::chrono::milliseconds kWaitSlice{40};

// The consumers' threads: each takes every block handed out, in order; the
// reading thread hands out the next one once all are through the last.
class BlockFanOut {
 public:
  explicit BlockFanOut(std::span<BlockSink* const> sinks) {
    workers_.reserve(sinks.size());
    for (BlockSink* sink : sinks) workers_.emplace_back([this, sink] { Work(*sink); });
  }
  ~BlockFanOut() {
    {
      std::unique_lock lock(mutex_);
      done_.wait(lock, [this] { return pending_ == 0; });
      stopping_ = true;
    }
    work_.notify_all();
    for (std::thread& worker : workers_) worker.join();
  }
  BlockFanOut(const BlockFanOut&) = delete;
  BlockFanOut& operator=(const BlockFanOut&) = delete;

  // Every consumer starts on `block`, which stays untouched until AllThrough.
  void HandOut(std::span<const uint8_t> block) {
    {
      const std::lock_guard lock(mutex_);
      block_ = block;
      pending_ = static_cast<int>(workers_.size());
      ++generation_;
    }
    work_.notify_all();
  }
  // Whether every consumer is through the block handed out, waiting up to
  // `slice` for it.
  bool AllThrough(std::chrono::milliseconds slice) {
    std::unique_lock lock(mutex_);
    return done_.wait_for(lock, slice, [this] { return pending_ == 0; });
  }

 private:
  void Work(BlockSink& sink) {
    uint64_t seen = 0;
    std::unique_lock lock(mutex_);
    for (;;) {
      work_.wait(lock, [&] { return stopping_ || generation_ != seen; });
      if (stopping_) return;
      seen = generation_;
      const std::span<const uint8_t> block = block_;
      lock.unlock();
      sink.Add(block);
      lock.lock();
      if (--pending_ == 0) done_.notify_all();
    }
  }

  std::mutex mutex_;
  std::condition_variable work_;
  std::condition_variable done_;
  std::span<const uint8_t> block_;
  uint64_t generation_ = 0;
  int pending_ = 0;
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
  // Two buffers: one is read while the consumers work through the other.
  const size_t buffer_size =
      static_cast<size_t>(std::min(block_size, std::max<int64_t>(range.length, 1)));
  std::vector<uint8_t> buffers[2] = {std::vector<uint8_t>(buffer_size),
                                     std::vector<uint8_t>(buffer_size)};
  const double total = static_cast<double>(std::max<int64_t>(range.length, 1));
  ReadOnceOutcome outcome = ReadOnceOutcome::Done;
  {
    BlockFanOut fan_out(sinks);
    bool handed_out = false;
    int64_t done = 0;
    for (int turn = 0; done < range.length; turn ^= 1) {
      const int64_t wanted = std::min<int64_t>(block_size, range.length - done);
      std::vector<uint8_t>& buffer = buffers[turn];
      const int64_t got = file.ReadAt(range.first + done, buffer.data(), wanted);
      if (got != wanted) {
        outcome = got < 0 ? ReadOnceOutcome::ReadFailed : ReadOnceOutcome::SizeChanged;
        break;
      }
      // The consumers must be through the other buffer before this one goes out.
      bool go_on = true;
      while (handed_out && !fan_out.AllThrough(kWaitSlice)) {
        if (!keep_going(done / total)) go_on = false;
      }
      if (!go_on || !keep_going(done / total)) {
        outcome = ReadOnceOutcome::Cancelled;
        break;
      }
      fan_out.HandOut({buffer.data(), static_cast<size_t>(wanted)});
      handed_out = true;
      done += wanted;
    }
    while (handed_out && !fan_out.AllThrough(kWaitSlice)) keep_going(done / total);
  }
  // A file that was changed while it was read gives no result.
  if (outcome == ReadOnceOutcome::Done && file.Length() != expected_size) {
    return ReadOnceOutcome::SizeChanged;
  }
  return outcome;
}

}  // namespace vx

// The search's reads, made by a thread of their own ahead of the scan, so
// that reading and scanning overlap on two cores. The first read is made on
// the caller's thread: a search that stops in it starts no thread. The
// thread touches nothing but the file and its own buffers, and ends when the
// object goes: found, not found, failed, or an exception out of the caller's
// progress report.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <thread>
#include <vector>

#include "app/edit/block_file.h"
#include "app/search/read_plan.h"
#include "app/search/wait_lock.h"

namespace vx {

struct SearchRead {
  PlannedRead planned;
  const uint8_t* bytes = nullptr;
  int64_t read = 0;  // bytes read, fewer at the end of the file; -1 when the read failed
};

class ReadAhead {
 public:
  // `file` must outlive the object.
  ReadAhead(BlockFile& file, ReadPlan plan);
  ~ReadAhead();
  ReadAhead(const ReadAhead&) = delete;
  ReadAhead& operator=(const ReadAhead&) = delete;

  // The plan's next read, valid until the next call; none after the last or
  // after a failed one.
  std::optional<SearchRead> Next();

 private:
  // Read number k goes to slot k % kSlots; the scan holds one slot while
  // the thread fills the others.
  static constexpr int64_t kSlots = 2;
  struct Slot {
    std::vector<uint8_t> buffer;
    PlannedRead planned;
    int64_t read = 0;
  };

  // Reads the plan's next read into its slot; false when the plan is over.
  bool ReadNext(Slot& slot);
  void ReadOn();
  // Until `ready` says true. A block is read or scanned in a few dozen
  // microseconds, while waking a sleeping thread under Wine costs as much:
  // the threads look again for a while before they sleep.
  template <typename Ready>
  void WaitUntil(Ready ready);
  // Wakes the other thread if it sleeps.
  void Wake();

  BlockFile& file_;
  ReadPlan plan_;
  Slot slots_[kSlots];
  // Reads finished, reads handed to the scan, reads the scan is done with,
  // and whether the thread has made its last read (the plan over, or a read
  // failed) or is to stop.
  std::atomic<int64_t> ready_{0};
  int64_t taken_ = 0;
  std::atomic<int64_t> released_{0};
  std::atomic<bool> over_{false};
  std::atomic<bool> stopping_{false};
  std::atomic<int> sleepers_{0};
  WaitLock lock_;
  std::thread reader_;
};

}  // namespace vx

// A lock with a wake-up call, for the search's reading thread and its scan.
// On Windows it is the system's slim lock and condition variable: the
// threads library's waits go through Wine's server, a round trip that costs
// as much as scanning a block.
#pragma once

#include <memory>

namespace vx {

class WaitLock {
 public:
  WaitLock();
  ~WaitLock();
  WaitLock(const WaitLock&) = delete;
  WaitLock& operator=(const WaitLock&) = delete;

  // For std::unique_lock.
  void lock();
  void unlock();
  // With the lock held: lets it go until WakeAll (or a spurious wake-up),
  // then holds it again.
  void Wait();
  void WakeAll();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace vx

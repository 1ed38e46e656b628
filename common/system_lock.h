// A lock and a condition for threads that hand work to each other (the
// checks' readers, a long edit's flushes), with the interface of std::mutex
// and std::condition_variable (so that std::unique_lock and std::lock_guard
// take them) but on Windows the system's own SRW lock and condition variable. The MinGW runtime's std::mutex and
// std::condition_variable wait through kernel objects, which under Wine are
// requests to the Wine server: measured on a shared machine, each hand-over
// of a block between two threads cost about 2 ms that way, holding the
// comparison of two cached 1 GiB files at 0.15 x a plain read of both; the
// system's condition variable waits without the server.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>

namespace vx {

class SystemLock {
 public:
  SystemLock();
  ~SystemLock();
  SystemLock(const SystemLock&) = delete;
  SystemLock& operator=(const SystemLock&) = delete;
  void lock();
  void unlock();

 private:
  friend class SystemCondition;
  struct State;
  std::unique_ptr<State> state_;
};

class SystemCondition {
 public:
  SystemCondition();
  ~SystemCondition();
  SystemCondition(const SystemCondition&) = delete;
  SystemCondition& operator=(const SystemCondition&) = delete;

  void notify_all();
  template <class Ready>
  void wait(std::unique_lock<SystemLock>& lock, Ready ready) {
    while (!ready()) Wait(lock, -1);
  }
  // Whether `ready` came true within `most`.
  template <class Ready>
  bool wait_for(std::unique_lock<SystemLock>& lock, std::chrono::milliseconds most, Ready ready) {
    const auto until = std::chrono::steady_clock::now() + most;
    while (!ready()) {
      const auto left =
          std::chrono::ceil<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
      if (left.count() <= 0) return false;
      Wait(lock, left.count());
    }
    return true;
  }

 private:
  // Until woken (or spuriously), or `ms` passed; -1 for no limit.
  void Wait(std::unique_lock<SystemLock>& lock, int64_t ms);
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace vx

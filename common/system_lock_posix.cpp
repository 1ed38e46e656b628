#include <condition_variable>

#include "common/system_lock.h"

namespace vx {

struct SystemLock::State {
  std::mutex mutex;
};

SystemLock::SystemLock() : state_(std::make_unique<State>()) {}
SystemLock::~SystemLock() = default;
void SystemLock::lock() { state_->mutex.lock(); }
void SystemLock::unlock() { state_->mutex.unlock(); }

struct SystemCondition::State {
  std::condition_variable condition;
};

SystemCondition::SystemCondition() : state_(std::make_unique<State>()) {}
SystemCondition::~SystemCondition() = default;
void SystemCondition::notify_all() { state_->condition.notify_all(); }

void SystemCondition::Wait(std::unique_lock<SystemLock>& lock, int64_t ms) {
  std::unique_lock held(lock.mutex()->state_->mutex, std::adopt_lock);
  if (ms < 0) {
    state_->condition.wait(held);
  } else {
    state_->condition.wait_for(held, std::chrono::milliseconds(ms));
  }
  held.release();
}

}  // namespace vx

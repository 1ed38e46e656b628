#include "app/search/wait_lock.h"

#include <condition_variable>
#include <mutex>

namespace vx {

struct WaitLock::State {
  std::mutex lock;
  std::condition_variable wake;
};

WaitLock::WaitLock() : state_(std::make_unique<State>()) {}

WaitLock::~WaitLock() = default;

void WaitLock::lock() { state_->lock.lock(); }

void WaitLock::unlock() { state_->lock.unlock(); }

void WaitLock::Wait() {
  std::unique_lock held(state_->lock, std::adopt_lock);
  state_->wake.wait(held);
  held.release();
}

void WaitLock::WakeAll() { state_->wake.notify_all(); }

}  // namespace vx

#include "app/search/wait_lock.h"

#include <windows.h>

namespace vx {

struct WaitLock::State {
  SRWLOCK lock = SRWLOCK_INIT;
  CONDITION_VARIABLE wake = CONDITION_VARIABLE_INIT;
};

WaitLock::WaitLock() : state_(std::make_unique<State>()) {}

WaitLock::~WaitLock() = default;

void WaitLock::lock() { AcquireSRWLockExclusive(&state_->lock); }

void WaitLock::unlock() { ReleaseSRWLockExclusive(&state_->lock); }

void WaitLock::Wait() { SleepConditionVariableSRW(&state_->wake, &state_->lock, INFINITE, 0); }

void WaitLock::WakeAll() { WakeAllConditionVariable(&state_->wake); }

}  // namespace vx

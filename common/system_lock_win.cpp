#include <windows.h>

#include "common/system_lock.h"

namespace vx {

struct SystemLock::State {
  SRWLOCK lock = SRWLOCK_INIT;
};

SystemLock::SystemLock() : state_(std::make_unique<State>()) {}
SystemLock::~SystemLock() = default;
void SystemLock::lock() { AcquireSRWLockExclusive(&state_->lock); }
void SystemLock::unlock() { ReleaseSRWLockExclusive(&state_->lock); }

struct SystemCondition::State {
  CONDITION_VARIABLE condition = CONDITION_VARIABLE_INIT;
};

SystemCondition::SystemCondition() : state_(std::make_unique<State>()) {}
SystemCondition::~SystemCondition() = default;
void SystemCondition::notify_all() { WakeAllConditionVariable(&state_->condition); }

void SystemCondition::Wait(std::unique_lock<SystemLock>& lock, int64_t ms) {
  SleepConditionVariableSRW(&state_->condition, &lock.mutex()->state_->lock,
                            ms < 0 ? INFINITE : static_cast<DWORD>(ms), 0);
}

}  // namespace vx

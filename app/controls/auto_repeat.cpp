#include "app/controls/auto_repeat.h"

#include "common/clock.h"

namespace vx {

uint32_t RepeatDelay(int index) {
  if (index <= 0) return 0;
  if (index == 1) return 700;
  if (index <= 9) return 80;
  if (index <= 24) return 50;
  return 10;
}

bool RepeatSchedule::TakeDue(uint32_t now_ms) {
  const uint32_t delay = RepeatDelay(steps_);
  const uint32_t waited = now_ms - last_;  // unsigned: right across the clock's wrap
  if (waited < delay) return false;
  // A round that comes a little late keeps the schedule, so that the 10 ms
  // steps are not each stretched by the sleep between rounds; after a longer
  // stall the schedule starts again from now rather than catching up in a burst.
  last_ = waited - delay < delay ? last_ + delay : now_ms;
  ++steps_;
  return true;
}

int RunAutoRepeat(const std::function<void()>& step, const std::function<bool()>& idle) {
  RepeatSchedule schedule(MilliSeconds());
  do {
    if (schedule.TakeDue(MilliSeconds())) step();
  } while (idle());
  return schedule.steps();
}

}  // namespace vx

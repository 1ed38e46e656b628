// The auto-repeat of a held button: one step at once, the next after 700 ms,
// eight at 80 ms, fifteen at 50 ms, then one every 10 ms, timed by the
// millisecond clock (common/clock.h).
#pragma once

#include <cstdint>
#include <functional>

namespace vx {

// The delay before step `index` (0 for the first).
uint32_t RepeatDelay(int index);

// When the steps of one press are due.
class RepeatSchedule {
 public:
  explicit RepeatSchedule(uint32_t start_ms) : last_(start_ms) {}
  // True, and the step counted, when the next step is due at `now_ms`.
  bool TakeDue(uint32_t now_ms);
  int steps() const { return steps_; }

 private:
  uint32_t last_;
  int steps_ = 0;
};

// Runs the steps of one press until `idle` returns false. `idle` runs between
// the rounds: it lets pending messages run, sleeps a little and says whether
// the button is still held. Returns the number of steps made.
int RunAutoRepeat(const std::function<void()>& step, const std::function<bool()>& idle);

}  // namespace vx

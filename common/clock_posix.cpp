#include <chrono>

#include "common/clock.h"

namespace vx {

uint32_t PlatformMilliSeconds() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  // Truncating keeps the counter's wrap-around, as on Windows.
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

double PlatformPreciseSeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace vx

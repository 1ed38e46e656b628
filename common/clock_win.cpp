#include <windows.h>
// mmsystem.h needs windows.h before it.
#include <mmsystem.h>

#include "common/clock.h"

namespace vx {

uint32_t PlatformMilliSeconds() { return timeGetTime(); }

double PlatformPreciseSeconds() {
  // The counter's frequency is fixed at boot.
  static const double ticks_per_second = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart);
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / ticks_per_second;
}

}  // namespace vx

// The millisecond clock. Timing code asks MilliSeconds(), so that a test can
// make the disk as fast or as slow as it likes.
#pragma once

#include <cstdint>
#include <functional>

namespace vx {

using ClockHandler = std::function<uint32_t()>;

// Milliseconds since some fixed moment; wraps like the system's own counter,
// so differences are taken in uint32_t.
uint32_t MilliSeconds();

// Replaces the real clock (tests); an empty handler restores it.
void SetClockHandler(ClockHandler handler);

// The platform's own clock (clock_win.cpp / clock_posix.cpp).
uint32_t PlatformMilliSeconds();

}  // namespace vx

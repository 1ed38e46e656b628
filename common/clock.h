// The clocks. Timing code asks MilliSeconds() or PreciseSeconds(), so that a
// test can make time, and the disk, as fast or as slow as it likes.
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

using PreciseClockHandler = std::function<double()>;

// Seconds since some fixed moment, as finely as the system counts them: a
// span of a millisecond or less, such as the disk's test write, is timed by
// this clock, where the millisecond clock would say 0 or 1.
double PreciseSeconds();

// Replaces the precise clock (tests); an empty handler restores it.
void SetPreciseClockHandler(PreciseClockHandler handler);

// The platform's own precise clock (clock_win.cpp / clock_posix.cpp).
double PlatformPreciseSeconds();

}  // namespace vx

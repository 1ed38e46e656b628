#include "common/clock.h"

#include <utility>

namespace vx {
namespace {

ClockHandler& Handler() {
  static ClockHandler handler;
  return handler;
}

PreciseClockHandler& PreciseHandler() {
  static PreciseClockHandler handler;
  return handler;
}

}  // namespace

uint32_t MilliSeconds() { return Handler() ? Handler()() : PlatformMilliSeconds(); }

void SetClockHandler(ClockHandler handler) { Handler() = std::move(handler); }

double PreciseSeconds() { return PreciseHandler() ? PreciseHandler()() : PlatformPreciseSeconds(); }

void SetPreciseClockHandler(PreciseClockHandler handler) { PreciseHandler() = std::move(handler); }

}  // namespace vx

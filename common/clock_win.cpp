#include <windows.h>
// mmsystem.h needs windows.h before it.
#include <mmsystem.h>

#include "common/clock.h"

namespace vx {

uint32_t PlatformMilliSeconds() { return timeGetTime(); }

}  // namespace vx

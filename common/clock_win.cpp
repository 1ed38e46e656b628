#include <mmsystem.h>
#include <windows.h>

#include "common/clock.h"

namespace vx {

uint32_t PlatformMilliSeconds() { return timeGetTime(); }

}  // namespace vx

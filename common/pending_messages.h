// Long listings let the window's pending messages run between entries, so
// that the window stays responsive. The Win32 twin runs the toolkit's pump;
// the native build has no window messages.
#pragma once

namespace vx {

void LetPendingMessagesRun();

}  // namespace vx

// Work that cannot tell how far it has come (a flush, which takes as long as
// the disk needs to write what it holds) run beside the window, so that the
// window keeps answering while it waits.
#pragma once

#include <functional>

#include "app/edit/progress_callback.h"

namespace vx {

// How often the wait lets the system in: well inside the 100 ms a person
// notices.
inline constexpr int kAnsweringWaitMs = 50;

// Runs `work` on a thread of its own and gives its result, calling
// `let_in` every kAnsweringWaitMs until it is over.
bool WaitLettingIn(const std::function<bool()>& work, const std::function<void()>& let_in);

// Runs `work` on a thread of its own and gives its result. While it runs
// longer than one wait, `progress` shows `caption` and is called every
// kAnsweringWaitMs (letting the system in); it is ended before the return.
// Work done within the first wait shows nothing.
bool RunAnswering(const std::function<bool()>& work, const ProgressCallback& progress,
                  const wchar_t* caption);

}  // namespace vx

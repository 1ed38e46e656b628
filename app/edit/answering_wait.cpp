#include "app/edit/answering_wait.h"

#include <chrono>
#include <future>
#include <string>

namespace vx {

bool WaitLettingIn(const std::function<bool()>& work, const std::function<void()>& let_in) {
  std::future<bool> result = std::async(std::launch::async, work);
  while (result.wait_for(std::chrono::milliseconds(kAnsweringWaitMs)) !=
         std::future_status::ready) {
    let_in();
  }
  return result.get();
}

bool RunAnswering(const std::function<bool()>& work, const ProgressCallback& progress,
                  const wchar_t* caption) {
  bool shown = false;
  const bool result = WaitLettingIn(work, [&] {
    if (!progress) return;
    if (!shown) progress(kProgressStart, caption);
    shown = true;
    // No share is known: the bar stays empty under the caption.
    progress(0, std::wstring());
  });
  if (shown) progress(kProgressEnd, std::wstring());
  return result;
}

}  // namespace vx

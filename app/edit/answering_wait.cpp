#include "app/edit/answering_wait.h"

#include <chrono>
#include <future>
#include <string>

namespace vx {

bool RunAnswering(const std::function<bool()>& work, const ProgressCallback& progress,
                  const wchar_t* caption) {
  std::future<bool> result = std::async(std::launch::async, work);
  bool shown = false;
  while (result.wait_for(std::chrono::milliseconds(kAnsweringWaitMs)) !=
         std::future_status::ready) {
    if (!progress) continue;
    if (!shown) progress(kProgressStart, caption);
    shown = true;
    // No share is known: the bar stays empty under the caption.
    progress(0, std::wstring());
  }
  if (shown) progress(kProgressEnd, std::wstring());
  return result.get();
}

}  // namespace vx

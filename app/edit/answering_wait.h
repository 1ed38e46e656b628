// Work that cannot tell how far it has come (a flush, which takes as long as
// the disk needs to write what it holds) run beside the window, so that the
// window keeps answering while it waits.
#pragma once

#include <functional>
#include <thread>

#include "app/edit/progress_callback.h"
#include "common/system_lock.h"

namespace vx {

// How often the wait lets the system in: well inside the 100 ms a person
// notices.
inline constexpr int kAnsweringWaitMs = 50;

// One thread kept for a whole command, that runs the work handed to it one
// piece at a time while the caller waits, calling `let_in` every
// kAnsweringWaitMs until the piece is over. A thread started per piece cost
// about 3 ms under Wine (its start and the runtime's wait through the Wine
// server), which at two flushes per block made a 1 GiB insertion take
// twice as long; a hand-over to this thread costs microseconds.
class AnsweringWorker {
 public:
  explicit AnsweringWorker(std::function<void()> let_in);
  ~AnsweringWorker();
  AnsweringWorker(const AnsweringWorker&) = delete;
  AnsweringWorker& operator=(const AnsweringWorker&) = delete;

  // `work`'s result, once it ran on the worker's thread.
  bool Run(const std::function<bool()>& work);

 private:
  void Serve();

  const std::function<void()> let_in_;
  SystemLock lock_;
  SystemCondition changed_;
  const std::function<bool()>* work_ = nullptr;
  bool done_ = false;
  bool result_ = false;
  bool stopping_ = false;
  std::thread thread_;
};

// Runs `work` beside the caller and gives its result. While it runs longer
// than one wait, `progress` shows `caption` and is called every
// kAnsweringWaitMs (letting the system in); it is ended before the return.
// Work done within the first wait shows nothing.
bool RunAnswering(const std::function<bool()>& work, const ProgressCallback& progress,
                  const wchar_t* caption);

}  // namespace vx

#include "app/edit/answering_wait.h"

#include <chrono>
#include <mutex>
#include <string>
#include <utility>

namespace vx {

AnsweringWorker::AnsweringWorker(std::function<void()> let_in)
    : let_in_(std::move(let_in)), thread_([this] { Serve(); }) {}

AnsweringWorker::~AnsweringWorker() {
  {
    const std::lock_guard lock(lock_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

bool AnsweringWorker::Run(const std::function<bool()>& work) {
  std::unique_lock lock(lock_);
  work_ = &work;
  done_ = false;
  changed_.notify_all();
  while (!changed_.wait_for(lock, std::chrono::milliseconds(kAnsweringWaitMs),
                            [this] { return done_; })) {
    lock.unlock();
    let_in_();
    lock.lock();
  }
  return result_;
}

void AnsweringWorker::Serve() {
  std::unique_lock lock(lock_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || work_; });
    if (stopping_) return;
    const std::function<bool()>& work = *std::exchange(work_, nullptr);
    lock.unlock();
    const bool result = work();
    lock.lock();
    result_ = result;
    done_ = true;
    changed_.notify_all();
  }
}

bool RunAnswering(const std::function<bool()>& work, const ProgressCallback& progress,
                  const wchar_t* caption) {
  bool shown = false;
  bool result = false;
  {
    AnsweringWorker worker([&] {
      if (!progress) return;
      if (!shown) progress(kProgressStart, caption);
      shown = true;
      // No share is known: the bar stays empty under the caption.
      progress(0, std::wstring());
    });
    result = worker.Run(work);
  }
  if (shown) progress(kProgressEnd, std::wstring());
  return result;
}

}  // namespace vx

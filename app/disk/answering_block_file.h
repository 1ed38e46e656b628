// A file of a long move whose flushes run beside the window: a flush takes
// as long as the disk needs to write what it holds (about a third of a
// second per GiB here), and the window must keep answering meanwhile.
#pragma once

#include <functional>
#include <utility>

#include "app/disk/block_file.h"
#include "app/edit/answering_wait.h"

namespace vx {

// Everything goes to `file`, which notes the failures; a flush runs on a
// thread of its own while `let_in` is called every kAnsweringWaitMs.
class AnsweringBlockFile : public BlockFile {
 public:
  AnsweringBlockFile(BlockFile& file, std::function<void()> let_in)
      : file_(file), let_in_(std::move(let_in)) {}
  int64_t ReadAt(int64_t offset, uint8_t* buffer, int64_t length) override {
    return file_.ReadAt(offset, buffer, length);
  }
  bool WriteAt(int64_t offset, const uint8_t* buffer, int64_t length) override {
    return file_.WriteAt(offset, buffer, length);
  }
  int64_t Length() override { return file_.Length(); }
  bool SetLength(int64_t length) override { return file_.SetLength(length); }
  bool Flush() override {
    return WaitLettingIn([this] { return file_.Flush(); }, let_in_);
  }

 private:
  BlockFile& file_;
  std::function<void()> let_in_;
};

}  // namespace vx

// A file of a long move whose flushes run beside the window: a flush takes
// as long as the disk needs to write what it holds (about a third of a
// second per GiB here), and the window must keep answering meanwhile.
#pragma once

#include "app/disk/block_file.h"
#include "app/edit/answering_wait.h"

namespace vx {

// Everything goes to `file`, which notes the failures; a flush runs on
// `flusher`, which lets the window in while it lasts.
class AnsweringBlockFile : public BlockFile {
 public:
  AnsweringBlockFile(BlockFile& file, AnsweringWorker& flusher) : file_(file), flusher_(flusher) {}
  int64_t ReadAt(int64_t offset, uint8_t* buffer, int64_t length) override {
    return file_.ReadAt(offset, buffer, length);
  }
  bool WriteAt(int64_t offset, const uint8_t* buffer, int64_t length) override {
    return file_.WriteAt(offset, buffer, length);
  }
  int64_t Length() override { return file_.Length(); }
  bool SetLength(int64_t length) override { return file_.SetLength(length); }
  bool Flush() override {
    return flusher_.Run([this] { return file_.Flush(); });
  }

 private:
  BlockFile& file_;
  AnsweringWorker& flusher_;
};

}  // namespace vx

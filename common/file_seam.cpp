#include "common/file_seam.h"

#include <utility>

namespace vx::fs {

File::File(File&& other) noexcept : handle_(std::exchange(other.handle_, kInvalid)) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, kInvalid);
  }
  return *this;
}

File::~File() { Close(); }

namespace {
bool flushes_skipped = false;
FileEventObserver* observer = nullptr;
}  // namespace

void SetFileEventObserver(FileEventObserver* new_observer) { observer = new_observer; }
FileEventObserver* FileEvents() { return observer; }

void SetFlushesSkipped(bool skipped) { flushes_skipped = skipped; }
bool FlushesSkipped() { return flushes_skipped; }

}  // namespace vx::fs

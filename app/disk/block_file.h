// The little a block move needs of a file, so that a test can make any one
// read, write or resize fail. Offsets are zero-based.
#pragma once

#include <cstdint>

#include "common/file_seam.h"

namespace vx {

class BlockFile {
 public:
  virtual ~BlockFile() = default;
  // The count read (short at the end), or -1.
  virtual int64_t ReadAt(int64_t offset, uint8_t* buffer, int64_t length) = 0;
  virtual bool WriteAt(int64_t offset, const uint8_t* buffer, int64_t length) = 0;
  // The length, or -1.
  virtual int64_t Length() = 0;
  virtual bool SetLength(int64_t length) = 0;
  // Through to the disk: what is written survives a power cut.
  virtual bool Flush() = 0;
};

// A BlockFile over an open file of the seam; the file stays the caller's.
class SeamBlockFile : public BlockFile {
 public:
  explicit SeamBlockFile(fs::File& file) : file_(file) {}
  int64_t ReadAt(int64_t offset, uint8_t* buffer, int64_t length) override {
    return file_.ReadAt(offset, buffer, length);
  }
  bool WriteAt(int64_t offset, const uint8_t* buffer, int64_t length) override {
    return file_.WriteAt(offset, buffer, length);
  }
  int64_t Length() override { return file_.Length(); }
  bool SetLength(int64_t length) override { return file_.SetLength(length); }
  bool Flush() override { return file_.Flush(); }

 private:
  fs::File& file_;
};

}  // namespace vx

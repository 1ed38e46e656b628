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

  // The system's code of the first call that failed, 0 while none did (or
  // the failure left none): the cause a failure message names.
  int first_error() const { return first_error_; }
  // A file kept open for many moves starts each afresh.
  void ForgetError() { first_error_ = 0; }

 protected:
  // Called where a call fails, with the system's code of that failure.
  void NoteError(int code) {
    if (first_error_ == 0) first_error_ = code;
  }

 private:
  int first_error_ = 0;
};

// A BlockFile over an open file of the seam; the file stays the caller's.
class SeamBlockFile : public BlockFile {
 public:
  explicit SeamBlockFile(fs::File& file) : file_(file) {}
  int64_t ReadAt(int64_t offset, uint8_t* buffer, int64_t length) override {
    const int64_t read = file_.ReadAt(offset, buffer, length);
    if (read < 0) NoteError(fs::LastSystemError());
    return read;
  }
  bool WriteAt(int64_t offset, const uint8_t* buffer, int64_t length) override {
    return Noted(file_.WriteAt(offset, buffer, length));
  }
  int64_t Length() override {
    const int64_t length = file_.Length();
    if (length < 0) NoteError(fs::LastSystemError());
    return length;
  }
  bool SetLength(int64_t length) override { return Noted(file_.SetLength(length)); }
  bool Flush() override { return Noted(file_.Flush()); }

 private:
  // The code is taken at once, before another call can change it.
  bool Noted(bool done) {
    if (!done) NoteError(fs::LastSystemError());
    return done;
  }
  fs::File& file_;
};

}  // namespace vx

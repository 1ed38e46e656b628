// An in-memory BlockFile for the tail move's tests: its n-th read, write or
// resize fails, or the program stops dead at its n-th change, as a killed
// program does, with what the system had written of it by then.
#pragma once

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/disk/tail_move.h"

namespace vx::test {

using Bytes = std::vector<uint8_t>;

// Thrown where the program stops; nothing runs after it but the test.
struct Stopped {};

// Counts changes (writes and resizes) to stop at one of them: before it
// touches the file, or half-way through a write.
struct StopPoint {
  int change = 0;  // 1-based; 0 never stops
  bool half = false;
};

class FaultyFile : public BlockFile {
 public:
  explicit FaultyFile(Bytes bytes) : bytes_(std::move(bytes)) {}

  // A failing write may first change half of its bytes, as a full disk may;
  // with `sticky` every later write and resize fails too, as when another
  // program locks the file.
  int fail_read = 0, fail_write = 0, fail_resize = 0, fail_flush = 0;
  bool partial = false, sticky = false;
  // The system's code each failure leaves, as a full disk or a lock would.
  int error_code = 0;
  StopPoint stop;

  int64_t ReadAt(int64_t offset, uint8_t* buffer, int64_t length) override {
    if (++reads_ == fail_read) {
      NoteError(error_code);
      return -1;
    }
    const int64_t n = std::clamp<int64_t>(Size() - offset, 0, length);
    if (n > 0) std::memcpy(buffer, bytes_.data() + offset, static_cast<size_t>(n));
    return n;
  }
  bool WriteAt(int64_t offset, const uint8_t* buffer, int64_t length) override {
    StopHere(offset, buffer, length);
    if (Failing(++writes_ == fail_write)) {
      if (partial && !sticky) Put(offset, buffer, length / 2);
      return false;
    }
    Put(offset, buffer, length);
    return true;
  }
  int64_t Length() override { return Size(); }
  bool SetLength(int64_t length) override {
    StopHere(0, nullptr, 0);
    if (Failing(++resizes_ == fail_resize)) return false;
    bytes_.resize(static_cast<size_t>(length));
    return true;
  }

  bool Flush() override {
    flushed_after_ = changes_;
    if (++flushes_ != fail_flush) return true;
    NoteError(error_code);
    return false;
  }

  Bytes& bytes() { return bytes_; }
  // The changes made before the last flush; -1 before the first.
  int flushed_after() const { return flushed_after_; }
  int reads() const { return reads_; }
  int writes() const { return writes_; }
  int resizes() const { return resizes_; }
  int changes() const { return changes_; }
  int flushes() const { return flushes_; }

 private:
  int64_t Size() const { return static_cast<int64_t>(bytes_.size()); }
  bool Failing(bool now) {
    failed_ = failed_ || now;
    const bool failing = now || (sticky && failed_);
    if (failing) NoteError(error_code);
    return failing;
  }
  void StopHere(int64_t offset, const uint8_t* buffer, int64_t length) {
    if (++changes_ != stop.change) return;
    if (stop.half) Put(offset, buffer, length / 2);
    throw Stopped{};
  }
  void Put(int64_t offset, const uint8_t* buffer, int64_t length) {
    if (length <= 0) return;
    if (offset + length > Size()) bytes_.resize(static_cast<size_t>(offset + length));
    std::memcpy(bytes_.data() + offset, buffer, static_cast<size_t>(length));
  }

  Bytes bytes_;
  int reads_ = 0, writes_ = 0, resizes_ = 0, changes_ = 0, flushes_ = 0, flushed_after_ = -1;
  bool failed_ = false;
};

// The moves' tests use blocks of 4096, so that a file of a few KiB has several.
inline constexpr int64_t kTestBlock = 4096;

// A record in memory, laid out as one in the settings folder.
struct MemoryRecord {
  explicit MemoryRecord(int64_t block = kTestBlock, RecordKind kind = RecordKind::Insertion,
                        const std::wstring& data_name = L"")
      : bytes(MoveRecord::SizeFor(kind, L"", data_name, block)) {
    record.SetBlockSize(block);
  }
  Bytes bytes;
  MoveRecord record{bytes.data(), bytes.size()};
};

// The moves, each with a record of its own in memory.
inline TailMoveResult InsertWithRecord(BlockFile& file, int64_t offset, uint8_t value,
                                       const ProgressCallback& progress = {},
                                       int64_t block = kTestBlock) {
  MemoryRecord kept(block);
  return InsertByte(file, offset, value, progress, kept.record);
}
inline TailMoveResult DeleteWithRecord(BlockFile& file, int64_t offset,
                                       const ProgressCallback& progress = {},
                                       int64_t block = kTestBlock) {
  MemoryRecord kept(block);
  return DeleteByte(file, offset, progress, kept.record);
}

inline Bytes Inserted(Bytes bytes, int64_t offset, uint8_t value) {
  bytes.insert(bytes.begin() + offset, value);
  return bytes;
}

inline Bytes Deleted(Bytes bytes, int64_t offset) {
  bytes.erase(bytes.begin() + offset);
  return bytes;
}

// Runs `move` over `file` until it stops at `stop`; true when it did. A
// write that fails first (`fail_write`, half done) sends the move back.
inline bool RunUntilStopped(FaultyFile& file, StopPoint stop, int fail_write,
                            const std::function<void()>& move) {
  file.fail_write = fail_write;
  file.partial = true;
  file.stop = stop;
  bool stopped = false;
  try {
    move();
  } catch (const Stopped&) {
    stopped = true;
  }
  file.fail_write = 0;
  file.stop = {};
  return stopped;
}

// A program stopped dead in the middle of a move, and the next start's
// repair over what it left: the file and the record as they were then.
struct StoppedMove {
  bool insertion = true;
  int64_t offset = 0;
  int fail_write = 0;  // a write that fails first, so that the move goes back
  int64_t block = kTestBlock;

  // Runs the move on `file` with `record`; true when it stopped at `stop`.
  bool Run(FaultyFile& file, MoveRecord& record, StopPoint stop = {}) const {
    return RunUntilStopped(file, stop, fail_write, [&] {
      if (insertion) {
        InsertByte(file, offset, 0xEE, {}, record);
      } else {
        DeleteByte(file, offset, {}, record);
      }
    });
  }
  Bytes After(const Bytes& before) const {
    return insertion ? Inserted(before, offset, 0xEE) : Deleted(before, offset);
  }
  // The changes a move that is never stopped makes.
  int Changes(const Bytes& before) const {
    FaultyFile file(before);
    MemoryRecord kept(block);
    Run(file, kept.record);
    return file.changes();
  }
};

// What a repair that gave `result` left: exactly before or after, with the
// record ended.
inline ::testing::AssertionResult LeftWhole(FaultyFile& file, const MoveRecord& record,
                                            RepairResult result, const Bytes& before,
                                            const Bytes& after) {
  if (result != RepairResult::After && result != RepairResult::Before) {
    return ::testing::AssertionFailure() << "repair gave " << static_cast<int>(result);
  }
  if (file.bytes() != (result == RepairResult::After ? after : before)) {
    return ::testing::AssertionFailure() << "the file is neither before nor after";
  }
  if (record.Begun()) return ::testing::AssertionFailure() << "the record did not end";
  return ::testing::AssertionSuccess();
}

}  // namespace vx::test

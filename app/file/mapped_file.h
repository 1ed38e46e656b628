// A small file held open and mapped into memory, for the recovery records of
// long edits: a store into the view is in the file the moment it is made, so
// a program that is killed leaves the record as far as it got, without a
// system call per change.
//
// While one process holds a record, others may read it but not write or
// delete it; that is how a starting program tells a live record from one
// left behind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vx {

class MappedFile {
 public:
  MappedFile() = default;
  MappedFile(MappedFile&& other) noexcept;
  MappedFile& operator=(MappedFile&& other) noexcept;
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;
  ~MappedFile();

  // Makes `name` with `size` zero bytes; fails when it exists.
  static MappedFile Create(const std::wstring& name, size_t size);
  // Maps an existing file for reading and writing; fails while another
  // process holds it, and for an empty file.
  static MappedFile Open(const std::wstring& name);

  explicit operator bool() const { return data_ != nullptr; }
  uint8_t* data() const { return data_; }
  size_t size() const { return size_; }

  // Writes the view and the file through to the disk; true on success.
  bool Flush();
  // Unmaps and closes; the file stays.
  void Close();

 private:
  // Maps `size` bytes of the open file_ (lengthening it where needed).
  bool Map(size_t size);

  uint8_t* data_ = nullptr;
  size_t size_ = 0;
  intptr_t file_ = -1;
  intptr_t mapping_ = -1;  // the section of the view (Windows only)
};

// The number of this process, for names no other running process takes.
unsigned long CurrentProcessNumber();

}  // namespace vx

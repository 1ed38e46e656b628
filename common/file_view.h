// A file read through views of it mapped into memory, beside the file seam
// (common/file_seam.h): the system hands the page cache's own pages, so a
// scan of the whole file copies nothing. One view at a time, moved along the
// file in windows; the views are not the program's private memory.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace vx::fs {

class FileView {
 public:
  FileView() = default;
  FileView(FileView&& other) noexcept;
  FileView& operator=(FileView&& other) noexcept;
  FileView(const FileView&) = delete;
  FileView& operator=(const FileView&) = delete;
  ~FileView();

  // Opens an existing file as the editor opens it (for reading and writing,
  // others sharing both), so that a file another program holds against
  // writing is refused here as there; a missing file is never made.
  static FileView Open(const std::wstring& name);

  explicit operator bool() const { return file_ != kInvalid; }
  // The file's length now, or -1.
  int64_t Length();
  // The bytes from `offset` on, `length` of them or as many as the file
  // still holds (none behind its end); none when the system cannot map
  // them. Valid until the next Map, Close or the object's end.
  std::optional<std::span<const uint8_t>> Map(int64_t offset, int64_t length);
  void Close();

 private:
  void Unmap();

  static constexpr intptr_t kInvalid = -1;
  intptr_t file_ = kInvalid;
  intptr_t mapping_ = kInvalid;  // the section of the views (Windows only)
  int64_t mapping_length_ = 0;   // the length the section was made for (Windows only)
  void* view_ = nullptr;
  size_t view_length_ = 0;
};

}  // namespace vx::fs

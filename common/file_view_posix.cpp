#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "common/file_view.h"
#include "common/posix_names.h"

namespace vx::fs {

FileView FileView::Open(const std::wstring& name) {
  FileView result;
  const int fd = ::open(PosixPath(name).c_str(), O_RDWR | O_CLOEXEC);
  struct stat st;
  if (fd < 0) return result;
  result.file_ = fd;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) result.Close();
  return result;
}

int64_t FileView::Length() {
  struct stat st;
  if (file_ == kInvalid || ::fstat(static_cast<int>(file_), &st) != 0) return -1;
  return st.st_size;
}

std::optional<std::span<const uint8_t>> FileView::Map(int64_t offset, int64_t length) {
  Unmap();
  // The length is asked anew for every view: a page behind the end of a
  // file cut short meanwhile would fault when touched.
  const int64_t file_length = Length();
  if (file_length < 0 || offset < 0 || length < 0) return std::nullopt;
  const int64_t end = std::min(offset + length, file_length);
  if (end <= offset) return std::span<const uint8_t>();
  static const int64_t page = ::sysconf(_SC_PAGESIZE);
  const int64_t start = offset - offset % page;
  const size_t size = static_cast<size_t>(end - start);
  void* view = ::mmap(nullptr, size, PROT_READ, MAP_SHARED, static_cast<int>(file_), start);
  if (view == MAP_FAILED) return std::nullopt;
  view_ = view;
  view_length_ = size;
  return std::span<const uint8_t>(static_cast<const uint8_t*>(view) + (offset - start),
                                  static_cast<size_t>(end - offset));
}

void FileView::Unmap() {
  if (view_) ::munmap(view_, view_length_);
  view_ = nullptr;
  view_length_ = 0;
}

void FileView::Close() {
  Unmap();
  if (file_ != kInvalid) ::close(static_cast<int>(file_));
  file_ = kInvalid;
}

}  // namespace vx::fs

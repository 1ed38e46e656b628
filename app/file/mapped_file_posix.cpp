#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/file/mapped_file.h"
#include "common/file_seam.h"
#include "common/posix_names.h"

namespace vx {

bool MappedFile::Map(size_t size) {
  struct stat st;
  if (::fstat(static_cast<int>(file_), &st) != 0) return false;
  if (static_cast<size_t>(st.st_size) < size &&
      ::ftruncate(static_cast<int>(file_), static_cast<off_t>(size)) != 0) {
    return false;
  }
  fs::FileEventObserver* events = fs::FileEvents();
  if (events && static_cast<size_t>(st.st_size) < size) events->LengthSet(file_, size);
  void* view =
      ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, static_cast<int>(file_), 0);
  if (view == MAP_FAILED) return false;
  data_ = static_cast<uint8_t*>(view);
  size_ = size;
  if (events) events->Mapped(file_, data_, size_);
  return true;
}

// A held record is locked, as the Windows twin's share mode locks it, so that
// Open fails on it.
MappedFile MappedFile::Create(const std::wstring& name, size_t size) {
  MappedFile result;
  if (size == 0) return result;
  const std::string path = PosixPath(name);
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return result;
  result.file_ = fd;
  if (fs::FileEventObserver* events = fs::FileEvents()) events->Opened(fd, name, true);
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !result.Map(size)) {
    result.Close();
    fs::RemoveFile(name);
  }
  return result;
}

MappedFile MappedFile::Open(const std::wstring& name) {
  MappedFile result;
  const int fd = ::open(PosixPath(name).c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return result;
  result.file_ = fd;
  if (fs::FileEventObserver* events = fs::FileEvents()) events->Opened(fd, name, false);
  struct stat st;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
      st.st_size <= 0 || !result.Map(static_cast<size_t>(st.st_size))) {
    result.Close();
  }
  return result;
}

bool MappedFile::Flush() {
  if (!data_ || (!fs::FlushesSkipped() && (::msync(data_, size_, MS_SYNC) != 0 ||
                                           ::fsync(static_cast<int>(file_)) != 0))) {
    return false;
  }
  if (fs::FileEventObserver* events = fs::FileEvents()) events->Flushed(file_);
  return true;
}

void MappedFile::Close() {
  fs::FileEventObserver* events = fs::FileEvents();
  if (events && file_ != -1) events->Closed(file_);
  if (data_) ::munmap(data_, size_);
  if (file_ != -1) ::close(static_cast<int>(file_));
  data_ = nullptr;
  size_ = 0;
  file_ = mapping_ = -1;
}

unsigned long CurrentProcessNumber() { return static_cast<unsigned long>(::getpid()); }

}  // namespace vx

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <utility>

#include "common/file_seam.h"
#include "common/folder_rules.h"
#include "common/posix_names.h"

namespace vx::fs {
namespace {

int AsFd(intptr_t h) { return static_cast<int>(h); }

// Tells an observer of an entry that is gone; gives `removed` back.
bool ReportRemoved(bool removed, const std::wstring& name) {
  if (FileEventObserver* events = FileEvents(); events && removed) events->Removed(name);
  return removed;
}

}  // namespace

bool File::Close() {
  if (handle_ == kInvalid) return false;
  if (FileEventObserver* events = FileEvents()) events->Closed(handle_);
  return ::close(AsFd(std::exchange(handle_, kInvalid))) == 0;
}

int64_t File::ReadAt(int64_t offset, void* buffer, int64_t length) {
  if (handle_ == kInvalid || offset < 0 || length < 0) return -1;
  int64_t done = 0;
  auto* out = static_cast<char*>(buffer);
  while (done < length) {
    const ssize_t got = ::pread(AsFd(handle_), out + done, length - done, offset + done);
    if (got < 0) return -1;
    if (got == 0) break;
    done += got;
  }
  return done;
}

bool File::WriteAt(int64_t offset, const void* buffer, int64_t length) {
  if (handle_ == kInvalid || offset < 0 || length < 0) return false;
  int64_t done = 0;
  const auto* in = static_cast<const char*>(buffer);
  while (done < length) {
    const ssize_t put = ::pwrite(AsFd(handle_), in + done, length - done, offset + done);
    if (put <= 0) return false;
    done += put;
  }
  if (FileEventObserver* events = FileEvents()) events->Wrote(handle_, offset, buffer, length);
  return true;
}

int64_t File::Length() {
  struct stat st;
  if (handle_ == kInvalid || ::fstat(AsFd(handle_), &st) != 0) return -1;
  return st.st_size;
}

bool File::SetLength(int64_t length) {
  if (handle_ == kInvalid || length < 0) return false;
  if (::ftruncate(AsFd(handle_), length) != 0) return false;
  if (FileEventObserver* events = FileEvents()) events->LengthSet(handle_, length);
  return true;
}

bool File::Flush() {
  if (handle_ == kInvalid) return false;
  if (!FlushesSkipped() && ::fdatasync(AsFd(handle_)) != 0) return false;
  if (FileEventObserver* events = FileEvents()) events->Flushed(handle_);
  return true;
}

// POSIX has no share modes; Share::Read is honoured on Windows only.
File OpenFile(const std::wstring& name, bool create, Share) {
  const std::string path = PosixPath(name);
  struct stat st;
  if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return File();
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | (create ? O_CREAT : 0), 0666);
  if (fd < 0) return File();
  if (FileEventObserver* events = FileEvents()) events->Opened(fd, name, create);
  return File(fd);
}

File OpenFileForReading(const std::wstring& name) {
  const std::string path = PosixPath(name);
  struct stat st;
  if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return File();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return File();
  return File(fd);
}

bool FileExists(const std::wstring& name) {
  struct stat st;
  return ::stat(PosixPath(name).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

int64_t FileLength(const std::wstring& name) {
  struct stat st;
  if (::stat(PosixPath(name).c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return -1;
  return st.st_size;
}

bool IsFolderLink(const std::wstring& name) {
  struct stat st;
  return ::lstat(PosixPath(name).c_str(), &st) == 0 && S_ISLNK(st.st_mode) && FolderExists(name);
}

// Here a file can be removed when its folder can be written.
bool CanRemoveFile(const std::wstring& name) {
  const std::string path = PosixPath(name);
  const size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  return FileExists(name) && ::access(folder.c_str(), W_OK) == 0;
}

bool FolderExists(const std::wstring& name) {
  struct stat st;
  return ::stat(PosixPath(name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int64_t FreeSpace(const std::wstring& folder) {
  struct statvfs volume;
  if (::statvfs(PosixPath(folder).c_str(), &volume) != 0) return -1;
  return static_cast<int64_t>(volume.f_bavail) * static_cast<int64_t>(volume.f_frsize);
}

bool MakeFolder(const std::wstring& name) {
  if (::mkdir(PosixPath(name).c_str(), 0777) == 0) {
    if (FileEventObserver* events = FileEvents()) events->FolderMade(name);
    return true;
  }
  return FolderExists(name);
}

bool RemoveFile(const std::wstring& name) {
  return ReportRemoved(!FolderExists(name) && ::unlink(PosixPath(name).c_str()) == 0, name);
}

bool RemoveFolder(const std::wstring& name) {
  std::string path = PosixPath(name);
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  struct stat st;
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    return ReportRemoved(FolderExists(name) && ::unlink(path.c_str()) == 0, name);
  }
  return ReportRemoved(::rmdir(path.c_str()) == 0, name);
}

std::wstring EntryFinalName(const std::wstring& name) {
  std::string path = PosixPath(name);
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  char* real = ::realpath(slash == 0 ? "/" : path.substr(0, slash).c_str(), nullptr);
  if (real == nullptr) return {};
  std::string folder = real;
  std::free(real);
  if (folder.back() != '/') folder += '/';
  std::wstring final_name = WideFromUtf8(folder + path.substr(slash + 1));
  for (wchar_t& c : final_name) {
    if (c == L'/') c = L'\\';
  }
  return final_name;
}

// Here an unlink or rmdir never follows the last name.
bool RemoveEntry(const std::wstring& name) {
  std::string path = PosixPath(name);
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return false;
  return ReportRemoved(
      S_ISDIR(st.st_mode) ? ::rmdir(path.c_str()) == 0 : ::unlink(path.c_str()) == 0, name);
}

bool IsSoleNamedFile(const std::wstring& name) {
  struct stat st;
  return ::lstat(PosixPath(name).c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1;
}

bool IsSameFile(const std::wstring& a, const std::wstring& b) {
  struct stat first;
  struct stat second;
  return ::stat(PosixPath(a).c_str(), &first) == 0 && ::stat(PosixPath(b).c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

std::wstring FinalPathName(const std::wstring& name) {
  char* real = ::realpath(PosixPath(name).c_str(), nullptr);
  if (real == nullptr) return {};
  std::wstring final_name = WideFromUtf8(real);
  std::free(real);
  for (wchar_t& c : final_name) {
    if (c == L'/') c = L'\\';
  }
  return final_name;
}

bool RenameFile(const std::wstring& from, const std::wstring& to) {
  if (::rename(PosixPath(from).c_str(), PosixPath(to).c_str()) != 0) return false;
  if (FileEventObserver* events = FileEvents()) events->Renamed(from, to, false);
  return true;
}

namespace {

// A folder's entries through to the disk: here a rename is durable only once
// the folders that hold both names are flushed.
std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

bool FlushFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool flushed = ::fsync(fd) == 0;
  return ::close(fd) == 0 && flushed;
}

}  // namespace

bool RenameFileDurably(const std::wstring& from, const std::wstring& to) {
  const std::string from_path = PosixPath(from);
  const std::string to_path = PosixPath(to);
  if (::rename(from_path.c_str(), to_path.c_str()) != 0) return false;
  const std::string to_folder = FolderOf(to_path);
  const std::string from_folder = FolderOf(from_path);
  if (!FlushesSkipped() &&
      (!FlushFolder(to_folder) || (from_folder != to_folder && !FlushFolder(from_folder)))) {
    return false;
  }
  if (FileEventObserver* events = FileEvents()) events->Renamed(from, to, true);
  return true;
}

// Here nothing holds a file from its delete.
bool RemoveAtRestart(const std::wstring&) { return false; }

// Seconds between 1601-01-01 and 1970-01-01, the two platforms' epochs.
constexpr int64_t kEpochGapSeconds = 11'644'473'600;
constexpr int64_t kStepsPerSecond = 10'000'000;

namespace {
int64_t FileTimeOf(const struct timespec& time) {
  return (static_cast<int64_t>(time.tv_sec) + kEpochGapSeconds) * kStepsPerSecond +
         time.tv_nsec / 100;
}

// The times utimensat and futimens take: the access time kept, the
// last-write time set to `time`.
void SetWriteTime(int64_t time, struct timespec (&times)[2]) {
  times[0].tv_sec = 0;
  times[0].tv_nsec = UTIME_OMIT;
  times[1].tv_sec = static_cast<time_t>(time / kStepsPerSecond - kEpochGapSeconds);
  times[1].tv_nsec = static_cast<long>(time % kStepsPerSecond) * 100;
}
}  // namespace

int64_t File::LastWriteTime() {
  struct stat st;
  if (handle_ == kInvalid || ::fstat(AsFd(handle_), &st) != 0) return -1;
  return FileTimeOf(st.st_mtim);
}

bool File::SetLastWriteTime(int64_t time) {
  if (handle_ == kInvalid || time < 0) return false;
  struct timespec times[2];
  SetWriteTime(time, times);
  const bool set = ::futimens(AsFd(handle_), times) == 0;
  if (FileEventObserver* events = FileEvents(); events && set) events->TimeSet(handle_, time);
  return set;
}

int64_t LastWriteTime(const std::wstring& name) {
  struct stat st;
  if (::stat(PosixPath(name).c_str(), &st) != 0) return -1;
  return FileTimeOf(st.st_mtim);
}

bool SetLastWriteTime(const std::wstring& name, int64_t time) {
  if (time < 0) return false;
  struct timespec times[2];
  SetWriteTime(time, times);
  return ::utimensat(AT_FDCWD, PosixPath(name).c_str(), times, 0) == 0;
}

int64_t FileTimeNow() {
  struct timespec now;
  ::clock_gettime(CLOCK_REALTIME, &now);
  return FileTimeOf(now);
}

std::optional<FileIdentity> IdentifyFile(const std::wstring& name) {
  struct stat st;
  if (::stat(PosixPath(name).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return FileIdentity{static_cast<int64_t>(st.st_size), FileTimeOf(st.st_mtim),
                      static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
}

std::vector<FolderEntry> ListFolder(const std::wstring& folder,
                                    const std::function<void()>& between_entries) {
  std::vector<FolderEntry> entries;
  const std::string path = PosixPath(folder);
  DIR* dir = ::opendir(path.c_str());
  if (dir == nullptr) return entries;
  while (const dirent* e = ::readdir(dir)) {
    const std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    if (between_entries && !entries.empty()) between_entries();
    const std::string full = path + "/" + name;
    struct stat st;
    const bool is_folder = ::stat(full.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    const bool is_link = ::lstat(full.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
    entries.push_back({WideFromUtf8(name), is_folder, is_link});
  }
  ::closedir(dir);
  return entries;
}

int LastSystemError() { return errno; }

std::wstring SystemErrorText(int code) { return WideFromUtf8(std::strerror(code)); }

SystemFault FaultOfSystemError(int code) {
  switch (code) {
    case 0:
      return SystemFault::None;
    case ENOSPC:
    case EDQUOT:
      return SystemFault::DiskFull;
    case EBUSY:
    case ETXTBSY:
    case EAGAIN:
      return SystemFault::InUse;
    case ENOENT:
      return SystemFault::Missing;
    case EACCES:
    case EPERM:
    case EROFS:
      return SystemFault::Denied;
    default:
      return SystemFault::Other;
  }
}

std::wstring LongPathName(const std::wstring& name) {
  return FileExists(name) || FolderExists(name) ? name : std::wstring();
}

std::wstring FullPathName(const std::wstring& name) {
  if (name.empty()) return {};
  if (name.front() == L'\\' || name.front() == L'/') return CollapsePath(name);
  char* here = ::getcwd(nullptr, 0);
  if (here == nullptr) return {};
  std::wstring folder = WideFromUtf8(here);
  std::free(here);
  return CollapsePath(folder + L"\\" + name);
}

}  // namespace vx::fs

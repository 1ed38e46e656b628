// The one door to the file system. Portable code reaches files only through
// these calls; file_seam_win.cpp and file_seam_posix.cpp implement them, so the
// same rules run natively under the sanitizers and on a real Win32.
//
// Names are Windows paths ("C:\dir\file"). The POSIX twin reads every "\" as
// "/", so a native test names its files "\tmp\...".
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vx::fs {

// What other programs may do with a file while this process holds it open.
enum class Share {
  ReadWrite,  // others may read and write
  Read,       // others may read but not write
};

// An open file, closed when the object goes. Offsets are zero-based.
class File {
 public:
  File() = default;
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File();

  explicit operator bool() const { return handle_ != kInvalid; }

  // Reads up to `length` bytes; returns the count read (short at the end of
  // the file, 0 beyond it) or -1 on failure.
  int64_t ReadAt(int64_t offset, void* buffer, int64_t length);
  // Writes all `length` bytes; a write past the end lengthens the file.
  bool WriteAt(int64_t offset, const void* buffer, int64_t length);
  // The file's length, or -1.
  int64_t Length();
  // Cuts or lengthens the file to `length` bytes.
  bool SetLength(int64_t length);
  // Writes what the system still holds of the file through to the disk, so
  // that a power cut or a system crash after it loses none of it.
  bool Flush();
  // The file's last-write time (FileTimeNow's steps), or -1; and the time
  // set. A time set stays until the next write through any handle.
  int64_t LastWriteTime();
  bool SetLastWriteTime(int64_t time);
  // Closes now; true when the system reported success.
  bool Close();

 private:
  friend File OpenFile(const std::wstring& name, bool create, Share share);
  friend File OpenFileForReading(const std::wstring& name);
  static constexpr intptr_t kInvalid = -1;
  explicit File(intptr_t handle) : handle_(handle) {}
  intptr_t handle_ = kInvalid;
};

// What a test learns of each change made through the seam, in order, so
// that it can rebuild the disk a power cut at any instant could leave. The
// POSIX seam and its mapped records report to it; a program installs none,
// and then each change costs one pointer test. Handles name an open file
// from its open to its close.
class FileEventObserver {
 public:
  virtual ~FileEventObserver() = default;
  // `create`: the open was allowed to make the file.
  virtual void Opened(intptr_t handle, const std::wstring& name, bool create) = 0;
  // A mapped view of `size` bytes of an open file: its stores reach the file
  // without a call, so the observer reads the view itself.
  virtual void Mapped(intptr_t handle, const uint8_t* view, size_t size) = 0;
  virtual void Wrote(intptr_t handle, int64_t offset, const void* bytes, int64_t length) = 0;
  virtual void LengthSet(intptr_t handle, int64_t length) = 0;
  virtual void Flushed(intptr_t handle) = 0;
  // The last-write time set on an open file.
  virtual void TimeSet(intptr_t handle, int64_t time) = 0;
  virtual void Closed(intptr_t handle) = 0;
  virtual void Renamed(const std::wstring& from, const std::wstring& to, bool durably) = 0;
  // A file, an empty folder or a link gone.
  virtual void Removed(const std::wstring& name) = 0;
  virtual void FolderMade(const std::wstring& name) = 0;
};
void SetFileEventObserver(FileEventObserver* observer);
FileEventObserver* FileEvents();

// Benches switch the flushes off to weigh what they cost; a program never does.
void SetFlushesSkipped(bool skipped);
bool FlushesSkipped();

// Opens for reading and writing; with `create` a missing file is made empty.
// A missing folder is never made here. Returns a closed File on failure.
File OpenFile(const std::wstring& name, bool create, Share share);
// Opens an existing file for reading only, whatever others hold it for: a
// file that may not be written can still be read.
File OpenFileForReading(const std::wstring& name);

bool FileExists(const std::wstring& name);  // a file, not a folder
// The length of a file without opening it, or -1 when there is no such file.
int64_t FileLength(const std::wstring& name);
bool FolderExists(const std::wstring& name);  // with or without a final "\"
// The bytes this program may still write on the volume of `folder`, or -1
// when the system cannot tell.
int64_t FreeSpace(const std::wstring& folder);
bool MakeFolder(const std::wstring& name);  // one level; true if it now exists
bool RemoveFile(const std::wstring& name);
// An empty folder, or a link to a folder: then the link goes, never what it
// points to.
bool RemoveFolder(const std::wstring& name);
bool RenameFile(const std::wstring& from, const std::wstring& to);
// Renames, replacing `to`, and returns only once the new name is on the
// disk: after a power cut the folder holds `to` as it was or as `from` was,
// never neither. The last step of writing a file whole.
bool RenameFileDurably(const std::wstring& from, const std::wstring& to);
// Has the system delete the file at its next start (a file a running
// program holds); false when it cannot.
bool RemoveAtRestart(const std::wstring& name);
// A junction or a symbolic link to a folder (the name itself, not its content).
bool IsFolderLink(const std::wstring& name);
// The name of the entry `name` itself: its folder as the system reads it
// (links on the way followed, short names read long) and its own long name;
// empty when there is no such entry.
std::wstring EntryFinalName(const std::wstring& name);
// Deletes the file, the empty folder or the link `name` itself, never what
// a link leads to: the entry is opened without following a link and deleted
// only when the system names what it opened as the entry itself
// (EntryFinalName, letters in any case). Where the system cannot open a
// link as itself, the link stays and this says false.
bool RemoveEntry(const std::wstring& name);
// The name the system gives the entry `name` leads to, once every link on
// the way is followed and every short name read in its long form; empty
// when there is no such entry.
std::wstring FinalPathName(const std::wstring& name);
// A plain file with one name, reached as itself: no link of any kind (the
// entry opened without following one must be the entry itself) and no
// second hard link to its bytes. False for a folder or a missing entry.
bool IsSoleNamedFile(const std::wstring& name);
// Two names of one file (the same volume and file number), links followed.
bool IsSameFile(const std::wstring& a, const std::wstring& b);
// Nothing holds the file open in a way that keeps it from being deleted (a
// running program, a file opened without sharing). It is opened and closed
// again, never changed; false for a missing file. A file that cannot be
// deleted for another reason (read-only) is not held: its delete fails and
// says so.
bool CanRemoveFile(const std::wstring& name);

// The time of a file's last change in 100-nanosecond steps since 1601 (the
// Windows file time on both platforms), or -1 when there is no such file.
int64_t LastWriteTime(const std::wstring& name);
bool SetLastWriteTime(const std::wstring& name, int64_t time);
// The system's clock in the same steps, to set beside a file's times.
int64_t FileTimeNow();

// What tells one state of a file from another without reading it: its
// length, its last-write time, and which file it is (the volume and the
// file's number there), so that a file put in its place by another program
// is told apart even where the length and the time were copied along.
struct FileIdentity {
  int64_t length = 0;
  int64_t last_write = 0;
  uint64_t volume = 0;
  uint64_t index = 0;
  bool operator==(const FileIdentity&) const = default;
};
// None when there is no such file or the system cannot tell.
std::optional<FileIdentity> IdentifyFile(const std::wstring& name);

struct FolderEntry {
  std::wstring name;  // without the folder
  bool is_folder = false;
  // A link (a junction or a symbolic link, to a folder or to a file):
  // walking a tree must not follow it, or it would reach outside, or loop.
  bool is_link = false;
};
// The entries of a folder, without "." and ".."; empty when it cannot be read.
// `between_entries`, when given, runs between two entries while they are read.
std::vector<FolderEntry> ListFolder(const std::wstring& folder,
                                    const std::function<void()>& between_entries = {});

// The system's code for why the last call of this thread failed (a full
// disk, access denied, a file in use), and the system's own words for a
// code, as it tells them to a person.
int LastSystemError();
std::wstring SystemErrorText(int code);
// What a person is told a failure came from, read from the system's code.
enum class SystemFault {
  None,     // the code says nothing failed
  Other,    // anything below; the system's own words tell it
  DiskFull,
  InUse,    // another program holds the file (a sharing or lock violation)
  Missing,  // the file or its folder is not there
  Denied,   // writing is not allowed (read-only, no rights)
};
SystemFault FaultOfSystemError(int code);

// The long form of a name when the system knows one; empty otherwise.
std::wstring LongPathName(const std::wstring& name);

// The absolute form of a name as the system resolves it against the current
// folder, with "." and ".." resolved; empty when it cannot.
std::wstring FullPathName(const std::wstring& name);

}  // namespace vx::fs

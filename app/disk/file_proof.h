// The proof that a file is, in every byte, as a stopped move left it,
// without reading it: the move keeps the file's last-write time at a value
// its record holds, so that any other program's write afterwards (one byte
// anywhere, an append, a cut) shows as another time.
//
// Why a time set, not one read back: a write changes the time as it
// begins, and a stop between a write and the store of the time it left
// would make the program's own write look like a stranger's. So the move
// reads the file's time T once before its first write, records it, and
// after each of its writes and length changes sets the time back to T on
// its own handle (SetFileTime; futimens here). Measured under Wine (and so
// on NTFS, where the time of a write lands when the handle is cleaned up
// unless it was set explicitly, as here): WriteFile and SetEndOfFile move
// the time, SetFileTime puts it back exactly, and the value 0xFFFFFFFF
// that on NTFS stops a handle's writes from moving it is accepted but
// ignored, so it is not relied on. While a write is on its way the record
// also holds the system time S it began at: a stop inside it leaves the
// file at that write's time, which is taken as the program's own only
// within kWriteTimeSlack of S (a stranger writing that soon after a stop
// mid-write is missed; every other change is seen). A done move gives the
// file the time it was done; a move taken back leaves it at T.
//
// The proof lives in a trailer of its own, the record's last
// kFileProofSize bytes, apart from the fields the moves share (records of
// earlier versions have none, and are proved by their witnesses alone):
//
//     0  8  "VXProof1"
//     8  8  T, the last-write time the move keeps the file at
//    16  8  S, the system time the write on its way began at; 0 between writes
//    24  8  the file's volume    32  8  its number there
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "app/disk/block_file.h"
#include "app/disk/move_record.h"
#include "common/file_seam.h"

namespace vx {

inline constexpr size_t kFileProofSize = 64;
// A tenth of a second: a write begins within it of the store before it,
// and the system's file times lag its clock by a tick at most, while
// another program comes after a stop, its start and its write later.
inline constexpr int64_t kWriteTimeSlack = 1'000'000;

struct FileProof {
  int64_t kept_time = 0;
  int64_t write_began = 0;
  uint64_t volume = 0;
  uint64_t index = 0;
};

// Written before the move's first write; none read from a record without.
void WriteFileProof(MoveRecord& record, const FileProof& proof);
std::optional<FileProof> ReadFileProof(const MoveRecord& record);

// Whether the file at `path`, open as `file`, is as the move of `proof`
// left it: the same file, at the time kept (or at its own write's, stopped
// on its way).
bool ProvesFile(const FileProof& proof, const std::wstring& path, fs::File& file);

// The file of a move, its last-write time held at the record's proof after
// each write and length change.
class TimeKeptFile : public SeamBlockFile {
 public:
  // Reads the file's identity and time into the record's proof; where the
  // system cannot tell them, the move goes ahead unproved.
  TimeKeptFile(fs::File& file, const std::wstring& path, MoveRecord& record);
  bool WriteAt(int64_t offset, const uint8_t* buffer, int64_t length) override;
  bool SetLength(int64_t length) override;
  // The move is done: the file bears the time it was changed, as after any
  // other write.
  void MarkChangedNow();

 private:
  // One write or length change between the marks of its beginning and end.
  template <typename Change>
  bool Kept(const Change& change);

  fs::File& file_;
  MoveRecord& record_;
  std::optional<FileProof> proof_;
};

}  // namespace vx

// What the program knows of the file it edits, as it left it after opening
// it and after each of its own changes: the file's identity (its length,
// last-write time, volume and file number) and a fingerprint of the bytes
// round its last change. A file that another program changed, replaced, cut
// short or lengthened since no longer matches, and is never written over
// blindly.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/file_seam.h"

namespace vx {

struct KnownFile {
  fs::FileIdentity identity;
  // The fingerprint: 64-bit FNV-1a over the first kFingerprintBlock bytes,
  // those from `sampled_at` on (where the program last wrote), and the
  // last ones. It catches a change the last-write time cannot show: one
  // made within the clock's step of the program's own, or by a program
  // that puts the time back.
  int64_t sampled_at = 0;
  uint64_t fingerprint = 0;

  bool operator==(const KnownFile&) const = default;
};

inline constexpr int64_t kFingerprintBlock = 4096;

// The file at `path` as it stands now, fingerprinted round `changed_at`;
// none when it is gone or cannot be read.
std::optional<KnownFile> ReadKnownFile(const std::wstring& path, int64_t changed_at);

enum class FileState {
  AsLeft,   // still the file the program left
  Changed,  // changed, replaced, cut short or lengthened by another program
  Gone,     // removed or renamed: no file by that name
  // Its identity unchanged but its bytes unreadable now (locked, held
  // without sharing): nothing says another program changed it, and a write
  // tried fails with its own cause.
  Unreadable,
};
FileState CompareWithFile(const KnownFile& known, const std::wstring& path);

}  // namespace vx

// The hash functions behind one small interface: MD5, SHA-1, SHA-256 and
// SHA-512 are the system's own, through CNG (BCryptCreateHash); CRC-32 is
// ours (crc32.h says why), ntdll's RtlComputeCrc32 kept beside it to be
// measured and checked against.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/check/hash_kinds.h"
#include "app/check/read_once.h"

namespace vx {

// One running hash: fed block by block (on any one thread), then finished.
class SystemHash : public BlockSink {
 public:
  // The value, as it is written: the CRC most significant byte first.
  virtual std::vector<uint8_t> Finish() = 0;
};

// None when the system does not offer `kind`.
std::unique_ptr<SystemHash> MakeSystemHash(HashKind kind);

// The CRC-32 by ntdll's RtlComputeCrc32; none when ntdll lacks it.
std::unique_ptr<SystemHash> MakeNtdllCrc32();

// The hashes of `range` of the file `path` (`file_size` bytes long), the
// file read once for all of them; a kind not asked for, or that the system
// lacks, has no text. The texts are there only when the reading was Done.
struct RangeHashes {
  ReadOnceOutcome outcome = ReadOnceOutcome::Done;
  std::array<std::wstring, kHashKinds.size()> texts;
  // A kind asked for that the system does not offer.
  std::optional<HashKind> unavailable;
};
RangeHashes HashRange(const std::wstring& path, int64_t file_size, ByteRange range,
                      std::span<const HashKind> kinds, const KeepGoing& keep_going);

}  // namespace vx

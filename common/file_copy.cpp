#include "common/file_copy.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "common/file_seam.h"

namespace vx {
namespace {

// Large blocks keep the copy near the disk's own speed; the one buffer keeps
// memory fixed whatever the file's size.
constexpr int64_t kCopyBlockSize = int64_t{1} << 20;

bool CopyBlocks(fs::File& from, fs::File& to, const std::function<void()>& between_blocks) {
  const int64_t length = from.Length();
  if (length < 0) return false;
  std::vector<uint8_t> buffer(static_cast<size_t>(std::min(length, kCopyBlockSize)));
  for (int64_t offset = 0; offset < length;) {
    const int64_t n = std::min(kCopyBlockSize, length - offset);
    if (from.ReadAt(offset, buffer.data(), n) != n) return false;
    if (!to.WriteAt(offset, buffer.data(), n)) return false;
    offset += n;
    if (between_blocks && offset < length) between_blocks();
  }
  return true;
}

}  // namespace

bool CopyFileFresh(const std::wstring& source, const std::wstring& target,
                   const std::function<void()>& between_blocks, int* system_error) {
  // Taken where it happens, before a clean-up call can change it.
  const auto failed = [&] {
    if (system_error) *system_error = fs::LastSystemError();
    return false;
  };
  // Read only: a copy needs no write access to its source, and other
  // programs (or a running copy of a program being copied) may hold it.
  fs::File from = fs::OpenFileForReading(source);
  if (!from) return failed();
  // Writing into a truncated file makes ext4 flush it at close, which costs
  // more than the copy; a new file does not.
  if (fs::FileExists(target) && !fs::RemoveFile(target)) return failed();
  fs::File to = fs::OpenFile(target, true, fs::Share::Read);
  if (!to) return failed();
  const bool copied = CopyBlocks(from, to, between_blocks) || failed();
  if (to.Close() && copied) return true;
  if (copied) failed();
  fs::RemoveFile(target);
  return false;
}

}  // namespace vx

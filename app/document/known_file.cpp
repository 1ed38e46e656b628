#include "app/document/known_file.h"

#include <algorithm>
#include <array>

#include "app/disk/replace_list.h"

namespace vx {

std::optional<KnownFile> ReadKnownFile(const std::wstring& path, int64_t changed_at) {
  fs::File file = fs::OpenFileForReading(path);
  if (!file) return std::nullopt;
  // Identified through the name once the file is open, so that the bytes
  // read and the identity are of one file.
  const std::optional<fs::FileIdentity> identity = fs::IdentifyFile(path);
  if (!identity) return std::nullopt;
  const int64_t length = identity->length;
  KnownFile known{*identity, std::clamp<int64_t>(changed_at, 0, length), kSumStart};
  std::array<uint8_t, kFingerprintBlock> block;
  for (const int64_t at : {int64_t{0}, known.sampled_at, length - kFingerprintBlock}) {
    const int64_t from = std::max<int64_t>(at, 0);
    const int64_t n = file.ReadAt(from, block.data(), kFingerprintBlock);
    if (n < 0) return std::nullopt;
    known.fingerprint = AddToSum(known.fingerprint, {block.data(), static_cast<size_t>(n)});
  }
  return known;
}

FileState CompareWithFile(const KnownFile& known, const std::wstring& path) {
  if (!fs::FileExists(path)) return FileState::Gone;
  const std::optional<KnownFile> now = ReadKnownFile(path, known.sampled_at);
  if (!now && fs::IdentifyFile(path) == known.identity) return FileState::Unreadable;
  return now == known ? FileState::AsLeft : FileState::Changed;
}

}  // namespace vx

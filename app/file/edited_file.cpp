#include "app/file/edited_file.h"

#include <algorithm>

#include "common/file_copy.h"
#include "common/missing_folders.h"
#include "common/whole_file.h"

namespace vx {

int64_t EditedFile::Length() const { return fs::FileLength(path_); }

bool EditedFile::CanOpen() const {
  return !path_.empty() && static_cast<bool>(fs::OpenFile(path_, true, fs::Share::ReadWrite));
}

fs::File EditedFile::Open() const {
  if (path_.find(L'\\') == std::wstring::npos || !MakeMissingFolders(path_)) return fs::File();
  return fs::OpenFile(path_, true, fs::Share::ReadWrite);
}

fs::File EditedFile::OpenToMove() const { return fs::OpenFile(path_, false, fs::Share::Read); }

ReadResult EditedFile::Read(int64_t offset, std::span<uint8_t> bytes) const {
  if (offset < 0) return ReadResult::NotRead;
  fs::File file = Open();
  if (!file) return ReadResult::NotOpened;
  std::fill(bytes.begin(), bytes.end(), uint8_t{0});
  if (file.ReadAt(offset, bytes.data(), static_cast<int64_t>(bytes.size())) < 0 || !file.Close()) {
    std::fill(bytes.begin(), bytes.end(), uint8_t{0});
    return ReadResult::NotRead;
  }
  return ReadResult::Read;
}

std::optional<uint8_t> EditedFile::Overwrite(int64_t offset, uint8_t value) const {
  // A missing file has the length -1, so it is refused here too.
  if (offset < 0 || Length() < offset) return std::nullopt;
  fs::File file = Open();
  if (!file) return std::nullopt;
  uint8_t old = 0;  // just behind the end nothing is read
  if (file.ReadAt(offset, &old, 1) < 0 || !file.WriteAt(offset, &value, 1) || !file.Flush() ||
      !file.Close()) {
    return std::nullopt;
  }
  return old;
}

bool EditedFile::CopyTo(const std::wstring& target,
                        const std::function<void()>& between_blocks) const {
  return CopyFileFresh(path_, target, between_blocks);
}

bool EditedFile::ReplaceBy(const std::wstring& replacement) const {
  return PutWholeFileInPlace(replacement, path_);
}

}  // namespace vx

// EditedFile: the one way to the file being edited, for the page, the caret's
// status, the byte input, insertion and deletion, the search, printing, the
// backup, the restore and the start-up repair. Every call opens the file by
// name, does its work and closes it again, so that the file on disk is the
// one copy of the data and an edit is there as soon as the call returns.
// Offsets are zero-based.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "common/file_seam.h"

namespace vx {

// What a read came to: a file that opens but cannot be read is told apart
// from one that does not open at all.
enum class ReadResult { Read, NotOpened, NotRead };

class EditedFile {
 public:
  explicit EditedFile(std::wstring path) : path_(std::move(path)) {}

  const std::wstring& path() const { return path_; }

  // The length without opening the file, or -1 when there is no such file.
  int64_t Length() const;
  // Whether the file opens for reading and writing: a missing file is made
  // empty, a missing folder never.
  bool CanOpen() const;

  // Opens for reading and writing, others sharing both, making a missing
  // file and its missing folders; a name without "\" fails. A closed File
  // on failure. A search reads its blocks through the one handle.
  fs::File Open() const;
  // Opens the existing file for a move of its tail: others may read it but
  // not write it meanwhile. A closed File on failure.
  fs::File OpenToMove() const;

  // Fills `bytes` from `offset` on through Open(); bytes behind the end read
  // as 0, and so do all of them when the read fails. Not opened, they stay
  // as they were.
  ReadResult Read(int64_t offset, std::span<uint8_t> bytes) const;
  // Writes `value` at `offset` and gives the byte that stood there (0 just
  // behind the end). A byte lands on the file or right behind it, never
  // further, and a missing file is not made: a file that another program
  // deleted or cut short is not filled up with zeros.
  std::optional<uint8_t> Overwrite(int64_t offset, uint8_t value) const;

  // A whole copy at `target`, made fresh; none is left behind when it fails.
  // `between_blocks` runs between the blocks of the copy.
  bool CopyTo(const std::wstring& target, const std::function<void()>& between_blocks) const;
  // Puts the whole copy `replacement` in the file's place in one step,
  // flushed and renamed through: after a power cut the file is the old one
  // or the copy.
  bool ReplaceBy(const std::wstring& replacement) const;

 private:
  std::wstring path_;
};

}  // namespace vx

// The undo journal's data file: the bytes that range changes took out of the
// file or put into it, kept on disk beside the recovery records. Undoing a
// cut of any size puts its bytes back from here without holding them in
// memory, and a move stopped half way is finished or taken back from them.
// The file is "Journal<process>-<n>.dat" in the recovery folder, held while
// the program runs and removed when it ends; one a stopped program left is
// removed at the next start unless a record still names it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/disk/block_file.h"
#include "app/edit/failure_message.h"
#include "app/edit/progress_callback.h"
#include "app/file/edited_file.h"
#include "common/file_seam.h"

namespace vx {

class JournalData {
 public:
  JournalData() = default;
  ~JournalData();
  JournalData(const JournalData&) = delete;
  JournalData& operator=(const JournalData&) = delete;

  // Each appends and gives where the bytes start in the data file; none when
  // the file could not be made or written (it is then as before). The bytes
  // are on the disk only after Flush().
  std::optional<int64_t> Append(std::span<const uint8_t> bytes);
  // `count` bytes of `file` from `offset` on, read in blocks.
  std::optional<int64_t> AppendFrom(const EditedFile& file, int64_t offset, int64_t count);
  std::optional<int64_t> AppendRepeated(uint8_t value, int64_t count);
  // Waits for the disk beside the window (answering_wait.h): a flush of
  // a large append takes as long as the disk needs.
  bool Flush(const ProgressCallback& progress);
  // Why the last of those failed: the data file (its folder's drive full,
  // for one) or, for AppendFrom, the file read from.
  const Failure& failure() const { return failure_; }

  // Whether the `count` bytes at `at` are still what was appended there:
  // each block of the file keeps, in memory, a checksum (64-bit FNV-1a) of
  // what this program wrote into it, and the blocks the bytes touch are read
  // back and summed again. Another program's change of the data file is
  // found before Undo or Redo writes its bytes into the edited file.
  bool Proves(int64_t at, int64_t count);

  // The open data file, for a move that reads from it; null before the
  // first append.
  BlockFile* blocks() { return blocks_.get(); }
  // Its name: the one it has, or the one it is to have in `RecoveryFolder`.
  const std::wstring& name() const { return name_; }
  // Nothing refers to the bytes any more: the file is emptied.
  void Clear();

 private:
  bool EnsureOpen();
  // Appends `count` bytes that `fill` puts into each block in turn.
  std::optional<int64_t> AppendBlocks(int64_t count,
                                      const std::function<bool(int64_t, std::span<uint8_t>)>& fill);

  // The bytes at `at` just written: the sums of the blocks they fall in
  // follow them.
  void AddToBlockSums(int64_t at, std::span<const uint8_t> bytes);

  fs::File file_;
  std::unique_ptr<SeamBlockFile> blocks_;
  std::wstring name_;
  int64_t length_ = 0;
  Failure failure_;
  std::vector<uint64_t> block_sums_;
};

// Whether `name` (a file name without folder) is one of a data file's.
bool IsJournalDataName(const std::wstring& name);

// Removes the data files that stopped programs left in `folder`: those no
// recovery record there names (a record still to be repaired, or one set
// aside, may need its bytes) and no running program holds.
void RemoveLeftJournalData(const std::wstring& folder);

}  // namespace vx

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

#include "app/disk/block_file.h"
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

  fs::File file_;
  std::unique_ptr<SeamBlockFile> blocks_;
  std::wstring name_;
  int64_t length_ = 0;
};

// Whether `name` (a file name without folder) is one of a data file's.
bool IsJournalDataName(const std::wstring& name);

// Removes the data files that stopped programs left in `folder`: those no
// recovery record there names (a record still to be repaired, or one set
// aside, may need its bytes) and no running program holds.
void RemoveLeftJournalData(const std::wstring& folder);

}  // namespace vx

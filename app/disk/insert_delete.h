// Inserting and deleting one byte of the edited file, and replacing a range
// of its bytes, as the commands and undo/redo do it: the file is opened, its tail moves, the
// progress area follows and, on failure, the message is shown.
#pragma once

#include <cstdint>
#include <string>

#include "app/disk/replace_all.h"
#include "app/disk/tail_move.h"
#include "app/edit/failure_message.h"
#include "app/edit/progress_callback.h"
#include "app/file/edited_file.h"

namespace vx {

// True when the file took the change; false after the failure, named with
// its cause, was shown.
// `backup_path` is named in the message when even putting the file back
// failed and that backup exists; `command` is what the record tells the
// next start was cut short.
bool InsertIntoFile(const EditedFile& file, int64_t offset, uint8_t value,
                    const ProgressCallback& progress, const std::wstring& backup_path,
                    RecordedCommand command = RecordedCommand::Itself);
bool DeleteFromFile(const EditedFile& file, int64_t offset, const ProgressCallback& progress,
                    const std::wstring& backup_path,
                    RecordedCommand command = RecordedCommand::Itself);

// Replaces the `removed` bytes at `offset` by `inserted` bytes from `data`
// (tail_move.h), the same way; a failure is named as `failed_as`'s (or as
// Undo's or Redo's, by `command`).
bool ReplaceInFile(const EditedFile& file, int64_t offset, int64_t removed, int64_t inserted,
                   const RangeData& data, const ProgressCallback& progress,
                   const std::wstring& backup_path, FailedCommand failed_as,
                   RecordedCommand command = RecordedCommand::Itself);

// Replaces every match of `data`'s list (`inverse`: takes that back), the
// same way; `data_name` is the data file's, for the record.
bool ReplaceAllInFile(const EditedFile& file, const ReplaceData& data, bool inverse,
                      const std::wstring& data_name, const ProgressCallback& progress,
                      const std::wstring& backup_path,
                      RecordedCommand command = RecordedCommand::Itself);

// Why a move failed: the first of its places to fail, in the order they
// are used (the record, named `record.name`, is written through before a
// block moves; a block is read from the data file before it is written to
// the file), each with the system's code its failed call left.
struct RecordError {
  int code = 0;
  std::wstring name;
};
Failure MoveFailure(const RecordError& record, const BlockFile* data, const std::wstring& data_name,
                    const BlockFile& file, const std::wstring& path);

// The command a failure message names: `itself`, or Undo or Redo when the
// change is one of theirs.
FailedCommand NamedCommand(RecordedCommand command, FailedCommand itself);

// The failure message of a move named `failed_as` that ended in `result`
// for `failure`: with the backup's name when the file may be damaged.
std::wstring TailMoveFailureText(FailedCommand failed_as, const Failure& failure,
                                 TailMoveResult result, const std::wstring& backup_path);

}  // namespace vx

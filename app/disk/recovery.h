// The recovery records of long edits on disk: where they live, how a running
// edit keeps one, and what the next start does with those a stopped program
// left behind.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/disk/move_record.h"
#include "app/disk/recovery_folder.h"
#include "app/disk/tail_move.h"
#include "app/edit/answering_wait.h"
#include "app/file/mapped_file.h"

namespace vx {

// The block size of the records the commands' moves keep: kMoveBlockSize,
// unless a test sets a small one, so that small files have many blocks.
void SetCommandBlockSize(int64_t block);
int64_t CommandBlockSize();

// The other folders where another copy of the program may keep its records
// (the settings may live beside the program or in the user's own folder);
// their records are repaired and heeded as this folder's are.
void SetOtherRecordFolders(const std::vector<std::wstring>& folders);

// The record of one edit while it runs: "Recovery<process>-<n>.dat" in the
// recovery folder, mapped, held so that no other program takes it for a
// left one; private memory when there is no folder or no file can be made.
// The file goes with the object unless Keep() was called. A copy's record
// is begun here; a tail move begins and ends its own, in blocks of `block`
// (tests use small ones, so that small files have many).
class LiveRecord {
 public:
  LiveRecord(RecordKind kind, const std::wstring& path, const std::wstring& temp,
             RecordedCommand command = RecordedCommand::Itself, int64_t block = kMoveBlockSize);
  ~LiveRecord();
  LiveRecord(const LiveRecord&) = delete;
  LiveRecord& operator=(const LiveRecord&) = delete;

  MoveRecord& record() { return record_; }
  // On disk, not in private memory.
  bool kept_on_disk() const { return static_cast<bool>(file_); }
  // The edit was left half done: the next start repairs it.
  void Keep() { keep_ = true; }
  // The record file's name, and the system's code of its failed making or
  // first failed write-through (0 while none failed): why a move it
  // stopped, or that may not begin without it, failed.
  const std::wstring& name() const { return name_; }
  int first_error() const { return first_error_; }
  // The record's flushes run on `worker`, which lets the window in while
  // they last; the worker must outlive the record's moves.
  void FlushBeside(AnsweringWorker* worker) { flusher_ = worker; }

 private:
  MappedFile file_;
  std::wstring name_;
  std::vector<uint8_t> private_;
  MoveRecord record_{nullptr, 0};
  bool keep_ = false;
  int first_error_ = 0;
  AnsweringWorker* flusher_ = nullptr;
};

// What the repair of one left record came to, and what the person is told.
struct RepairReport {
  RecordKind kind = RecordKind::Insertion;
  RepairResult result = RepairResult::After;
  std::wstring file;     // the edited file
  std::wstring details;  // the record's details, when it was set aside
  RecordedCommand command = RecordedCommand::Itself;
  std::wstring data_file{};  // a range's data file
};

std::wstring RepairMessage(const RepairReport& report);

// The record's details as a person reads them; `kept_at` names the record
// file that keeps the block on its way.
std::wstring RecordDetails(const MoveRecord& record, const std::wstring& kept_at);

// Acts on every record a stopped program left in the record folders: a
// tail move is finished or taken back when its file is proved to be as the
// record left it and is not touched otherwise; a half copy is removed when
// its name is the program's own. Records that another running program
// holds are left alone; one that cannot be read is named. Each repair shows
// its message and returns its report.
std::vector<RepairReport> RepairLeftRecords();

// Before a file is opened or changed: repairs the left records that name
// it. Empty when none is pending any more; else what keeps the file from
// being changed (a record held or unreadable, a repair that failed), as the
// person is told it.
std::wstring SettlePendingRecords(const std::wstring& path);

// Another running copy of the program holds a record that names `path`:
// it is moving the file's bytes right now, and nothing may write meanwhile.
bool IsBeingMoved(const std::wstring& path);

}  // namespace vx

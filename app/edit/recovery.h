// The recovery records of long edits on disk: where they live, how a running
// edit keeps one, and what the next start does with those a stopped program
// left behind.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/edit/move_record.h"
#include "app/edit/tail_move.h"
#include "app/file/mapped_file.h"

namespace vx {

// The folder the records go to, with its trailing "\"; empty (the default)
// keeps them in private memory, where a stop loses them.
void SetRecoveryFolder(const std::wstring& folder);
const std::wstring& RecoveryFolder();

// The record of one edit while it runs: "Recovery<process>-<n>.dat" in the
// recovery folder, mapped, held so that no other program takes it for a
// left one; private memory when there is no folder or no file can be made.
// The file goes with the object unless Keep() was called. A copy's record
// is begun here; a tail move begins and ends its own.
class LiveRecord {
 public:
  LiveRecord(RecordKind kind, const std::wstring& path, const std::wstring& temp);
  ~LiveRecord();
  LiveRecord(const LiveRecord&) = delete;
  LiveRecord& operator=(const LiveRecord&) = delete;

  MoveRecord& record() { return record_; }
  // On disk, not in private memory.
  bool kept_on_disk() const { return static_cast<bool>(file_); }
  // The edit was left half done: the next start repairs it.
  void Keep() { keep_ = true; }

 private:
  MappedFile file_;
  std::wstring name_;
  std::vector<uint8_t> private_;
  MoveRecord record_{nullptr, 0};
  bool keep_ = false;
};

// What the repair of one left record came to, and what the person is told.
struct RepairReport {
  RecordKind kind = RecordKind::Insertion;
  RepairResult result = RepairResult::After;
  std::wstring file;     // the edited file
  std::wstring details;  // the record's details, when it was set aside
};

std::wstring RepairMessage(const RepairReport& report);

// The record's details as a person reads them; `kept_at` names the record
// file that keeps the block on its way.
std::wstring RecordDetails(const MoveRecord& record, const std::wstring& kept_at);

// Acts on every record a stopped program left in the recovery folder: a
// tail move is finished or taken back when its file is as the record left it
// and is not touched otherwise; a half copy is removed. Records that another
// running program holds are left alone. Each repair shows its message and
// returns its report.
std::vector<RepairReport> RepairLeftRecords();

}  // namespace vx

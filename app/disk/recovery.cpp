#include "app/disk/recovery.h"

#include <cstdio>
#include <optional>

#include "app/disk/block_file.h"
#include "app/disk/copy_names.h"
#include "app/disk/file_proof.h"
#include "app/disk/journal_data.h"
#include "app/disk/recovery_texts.h"
#include "app/disk/replace_all.h"
#include "app/disk/replace_record.h"
#include "app/file/edited_file.h"
#include "common/file_seam.h"
#include "common/message_box.h"
#include "common/recovery_record_names.h"
#include "common/text_case.h"

namespace vx {
namespace {

std::vector<std::wstring>& OtherFolders() {
  static std::vector<std::wstring> folders;
  return folders;
}

// The own folder first, each once.
std::vector<std::wstring> RecordFolders() {
  std::vector<std::wstring> folders;
  std::vector<std::wstring> all = {RecoveryFolder()};
  all.insert(all.end(), OtherFolders().begin(), OtherFolders().end());
  for (const std::wstring& folder : all) {
    if (folder.empty()) continue;
    bool seen = false;
    for (const std::wstring& kept : folders) seen = seen || SameName(kept, folder);
    if (!seen) folders.push_back(folder);
  }
  return folders;
}

std::vector<std::wstring> RecordNames() {
  std::vector<std::wstring> names;
  for (const std::wstring& folder : RecordFolders()) {
    for (const fs::FolderEntry& entry : fs::ListFolder(folder)) {
      if (!entry.is_folder && !entry.is_link && IsRecoveryRecordName(entry.name)) {
        names.push_back(folder + entry.name);
      }
    }
  }
  return names;
}

// A record of a move in blocks, which the move begins and ends itself.
bool MovesBlocks(RecordKind kind) { return IsTailMove(kind) || kind == RecordKind::ReplaceAll; }

bool IsRepaired(RepairResult result) {
  return result == RepairResult::After || result == RepairResult::Before;
}

// A repair that did not happen yet and may at the next start: the record stays.
bool IsRetried(RepairResult result) {
  return result == RepairResult::Failed || result == RepairResult::DataUnusable;
}

std::wstring Hex(uint64_t value, int digits) {
  wchar_t text[24];
  std::swprintf(text, std::size(text), L"%0*llX", digits, static_cast<unsigned long long>(value));
  return text;
}

// UTF-16 with its byte-order mark, which every editor of the system reads.
bool WriteText(const std::wstring& name, const std::wstring& text) {
  const std::u16string units = u"\uFEFF" + Utf16Units(text);
  fs::File file = fs::OpenFile(name, true, fs::Share::Read);
  return file && file.SetLength(0) &&
         file.WriteAt(0, units.data(), static_cast<int64_t>(2 * units.size())) && file.Close();
}

// Removes the half copy, when the record names one the program makes for
// its file. Nothing to tell when there was none: the copy never began, or
// its rename was done.
std::optional<RepairReport> RepairCopy(const MoveRecord& record) {
  RepairReport report{record.kind(), RepairResult::Unfit, record.path(), {}};
  const bool own = record.kind() == RecordKind::BackUpCopy
                       ? IsOwnBackUpTemp(record.path(), record.temp())
                       : IsOwnRestoreTemp(record.path(), record.temp());
  if (!own) return report;
  if (!fs::FileExists(record.temp())) return std::nullopt;
  report.result = fs::RemoveFile(record.temp()) ? RepairResult::Before : RepairResult::Failed;
  return report;
}

// The whole file is as the move left it: proved by the record's trailer
// where it has one; a record of an earlier version is proved by its
// witnesses alone, as it was.
bool ProvedAsLeft(const MoveRecord& record, const std::wstring& path, fs::File& file) {
  const std::optional<FileProof> proof = ReadFileProof(record);
  return !proof || ProvesFile(*proof, path, file);
}

RepairReport RepairTailMove(MoveRecord& record) {
  const bool range = record.kind() == RecordKind::Range;
  RepairReport report{record.kind(),    RepairResult::NotMatching,
                      record.path(),    {},
                      record.command(), range ? record.temp() : std::wstring()};
  if (!IsPlainFileName(report.file)) {
    report.result = RepairResult::Unfit;
    return report;
  }
  // No other program may write while the tail moves back into place.
  fs::File file = EditedFile(report.file).OpenToMove();
  if (!file) {
    if (fs::FileExists(report.file)) report.result = RepairResult::Failed;
    return report;
  }
  if (!ProvedAsLeft(record, report.file, file)) return report;
  SeamBlockFile blocks(file);
  // A data file that cannot be opened is as good as missing.
  fs::File data = range && IsPlainFileName(report.data_file)
                      ? fs::OpenFileForReading(report.data_file)
                      : fs::File();
  SeamBlockFile data_blocks(data);
  report.result = RepairMove(blocks, record, data ? &data_blocks : nullptr);
  if (!file.Close() && IsRepaired(report.result)) report.result = RepairResult::Failed;
  return report;
}

// A replace-all's record of `size` bytes, repaired as a tail move is.
RepairReport RepairReplaceAllRecord(MoveRecord& record, size_t size) {
  RepairReport report{record.kind(), RepairResult::NotMatching, record.path(), {}, record.command(),
                      record.temp()};
  ReplaceRecord replace(record);
  if (!IsPlainFileName(report.file) || !replace.Whole(size)) {
    report.result = RepairResult::Unfit;
    return report;
  }
  fs::File file = EditedFile(report.file).OpenToMove();
  if (!file) {
    if (fs::FileExists(report.file)) report.result = RepairResult::Failed;
    return report;
  }
  if (!ProvedAsLeft(record, report.file, file)) return report;
  SeamBlockFile blocks(file);
  fs::File data =
      IsPlainFileName(report.data_file) ? fs::OpenFileForReading(report.data_file) : fs::File();
  SeamBlockFile data_blocks(data);
  report.result = RepairReplaceAll(blocks, replace, size, data ? &data_blocks : nullptr);
  if (!file.Close() && IsRepaired(report.result)) report.result = RepairResult::Failed;
  return report;
}

// Keeps a record that does not fit its file out of the next start's way,
// with its details beside it, under a name no earlier one has; gives the
// details' name.
std::wstring SetAside(MappedFile& mapped, const MoveRecord& record, const std::wstring& name) {
  const std::wstring stem = name.substr(0, name.size() - std::size(kRecoveryRecordExtension) + 1);
  std::wstring kept, details;
  for (int n = 1;; ++n) {
    const std::wstring numbered = n == 1 ? stem : stem + L"~" + std::to_wstring(n);
    kept = numbered + kSetAsideRecordExtension;
    details = numbered + kRecordDetailsExtension;
    if (!fs::FileExists(kept) && !fs::FileExists(details)) break;
  }
  const bool written = record.Whole() && WriteText(details, RecordDetails(record, kept));
  mapped.Close();
  fs::RenameFile(name, kept);
  return written ? details : kept;
}

// A record the program cannot open for writing: another running copy holds
// it while its edit runs, or it is write-protected or unreadable. Its file,
// when its bytes say which; empty when they do not.
std::wstring HeldRecordFile(const std::wstring& name) {
  fs::File file = fs::OpenFileForReading(name);
  const int64_t length = file ? file.Length() : -1;
  if (length <= 0 || length > kLargestRecordSize) return {};
  std::vector<uint8_t> bytes(static_cast<size_t>(length));
  if (file.ReadAt(0, bytes.data(), length) != length) return {};
  const MoveRecord record(bytes.data(), bytes.size());
  return record.Whole() ? record.path() : std::wstring();
}

std::wstring HeldMessage(const std::wstring& name, const std::wstring& file) {
  namespace t = recovery_texts;
  return std::wstring(t::kRecordHeld) + L"\r\n" + t::kFileAt +
         (file.empty() ? std::wstring(t::kFileUnknown) : file) + L"\r\n" + t::kDetailsRecord +
         name + L"\r\n" + t::kReadOnlyUntilRepaired;
}

// What one left record came to; none when there was nothing to do or to
// tell. `only_for` limits the repair to records of that file.
std::optional<RepairReport> RepairRecord(const std::wstring& name, const std::wstring& only_for) {
  MappedFile mapped = MappedFile::Open(name);
  if (!mapped) {
    // Killed before its first byte was written: nothing had begun.
    if (fs::FileLength(name) == 0) fs::RemoveFile(name);
    return std::nullopt;
  }
  MoveRecord record(mapped.data(), mapped.size());
  // The repair orders its writes against its flushes as the edit did: what
  // the record says is on the disk before the file changes.
  record.SetWriteThrough([&mapped] { return mapped.Flush(); });
  if (!record.Begun()) {  // never begun, or ended: nothing to do
    mapped.Close();
    fs::RemoveFile(name);
    return std::nullopt;
  }
  if (!only_for.empty() && (!record.Whole() || !SameName(record.path(), only_for))) {
    return std::nullopt;
  }
  if (!record.Whole()) {
    RepairReport report{RecordKind::Insertion, RepairResult::NotMatching, L"",
                        SetAside(mapped, record, name)};
    ShowMessage(std::wstring(recovery_texts::kUnreadable) + L"\r\n" + recovery_texts::kDetailsAt +
                    report.details,
                MsgButtons::Ok, MsgIcon::Exclamation);
    return report;
  }
  std::optional<RepairReport> repair = record.kind() == RecordKind::ReplaceAll
                                           ? RepairReplaceAllRecord(record, mapped.size())
                                       : IsTailMove(record.kind()) ? RepairTailMove(record)
                                                                   : RepairCopy(record);
  if (!repair) {
    mapped.Close();
    fs::RemoveFile(name);
    return std::nullopt;
  }
  RepairReport report = *repair;
  if (IsRetried(report.result)) {
    // Kept, to be tried again at the next start.
    mapped.Close();
  } else if (!IsRepaired(report.result) && MovesBlocks(report.kind)) {
    report.details = SetAside(mapped, record, name);
  } else {
    // A copy's record that names what the program never made goes with the message.
    mapped.Close();
    fs::RemoveFile(name);
  }
  ShowMessage(RepairMessage(report), MsgButtons::Ok,
              IsRepaired(report.result) ? MsgIcon::Information : MsgIcon::Exclamation);
  return report;
}

int64_t command_block_size = kMoveBlockSize;

}  // namespace

void SetCommandBlockSize(int64_t block) { command_block_size = block; }
int64_t CommandBlockSize() { return command_block_size; }

void SetOtherRecordFolders(const std::vector<std::wstring>& folders) { OtherFolders() = folders; }

LiveRecord::LiveRecord(RecordKind kind, const std::wstring& path, const std::wstring& temp,
                       RecordedCommand command, int64_t block) {
  // The file's proof in a trailer of its own behind the fields (file_proof.h).
  const size_t size =
      (kind == RecordKind::ReplaceAll ? ReplaceRecord::SizeFor(path, temp, block)
                                      : MoveRecord::SizeFor(kind, path, temp, block)) +
      kFileProofSize;
  const std::wstring& folder = RecoveryFolder();
  if (!folder.empty() && (fs::FolderExists(folder) || fs::MakeFolder(folder))) {
    const std::wstring stem =
        folder + kRecoveryRecordPrefix + std::to_wstring(CurrentProcessNumber());
    for (int n = 1; n <= 100 && !file_; ++n) {
      name_ = stem + L"-" + std::to_wstring(n) + kRecoveryRecordExtension;
      // A name taken by a record left unrepaired is skipped, never reused.
      if (fs::FileExists(name_)) continue;
      file_ = MappedFile::Create(name_, size);
      first_error_ = file_ ? 0 : fs::LastSystemError();
    }
  } else if (!folder.empty()) {
    name_ = folder;
    first_error_ = fs::LastSystemError();
  }
  if (file_) {
    record_ = MoveRecord(file_.data(), file_.size());
    record_.SetWriteThrough([this] {
      // The error is the flushing thread's own.
      const auto flush = [this] {
        if (file_.Flush()) return true;
        if (first_error_ == 0) first_error_ = fs::LastSystemError();
        return false;
      };
      return flusher_ ? flusher_->Run(flush) : flush();
    });
  } else {
    private_.assign(size, 0);
    record_ = MoveRecord(private_.data(), private_.size());
  }
  record_.SetBlockSize(block);
  record_.SetNames(path, temp);
  record_.SetCommand(command);
  if (!MovesBlocks(kind)) record_.Begin(kind, 0, 0, 0);
}

LiveRecord::~LiveRecord() {
  if (!file_) return;
  // Ended on the disk before its name goes: a power cut must not bring back
  // a record of an edit long finished, whose file has changed since.
  if (!keep_ && record_.End()) file_.Flush();
  file_.Close();
  if (!keep_) fs::RemoveFile(name_);
}

std::wstring RepairMessage(const RepairReport& report) {
  namespace t = recovery_texts;
  const std::wstring file_line = std::wstring(L"\r\n") + t::kFileAt + report.file;
  if (!MovesBlocks(report.kind)) {
    const bool backup = report.kind == RecordKind::BackUpCopy;
    std::wstring text = std::wstring(backup ? t::kBackUpStopped : t::kRestoreStopped) + L"\r\n";
    switch (report.result) {
      case RepairResult::Before:
        text += backup ? t::kBackUpHalfRemoved : t::kRestoreHalfRemoved;
        break;
      case RepairResult::Failed:
        text += t::kRepairFailed;
        break;
      default:
        text += t::kNotOwnCopy;
        break;
    }
    return text + file_line;
  }
  struct Lines {
    const wchar_t* stopped;
    const wchar_t* finished;
    const wchar_t* taken_back;
  };
  const bool replace_all = report.kind == RecordKind::ReplaceAll;
  const Lines lines =
      replace_all && report.command == RecordedCommand::Undo
          ? Lines{t::kReplaceAllUndoStopped, t::kReplaceAllUndoFinished,
                  t::kReplaceAllUndoTakenBack}
      : replace_all && report.command == RecordedCommand::Redo
          ? Lines{t::kReplaceAllRedoStopped, t::kReplaceAllRedoFinished,
                  t::kReplaceAllRedoTakenBack}
      : replace_all ? Lines{t::kReplaceAllStopped, t::kReplaceAllFinished, t::kReplaceAllTakenBack}
      : report.command == RecordedCommand::Undo
          ? Lines{t::kUndoStopped, t::kUndoFinished, t::kUndoTakenBack}
      : report.command == RecordedCommand::Redo
          ? Lines{t::kRedoStopped, t::kRedoFinished, t::kRedoTakenBack}
      : report.kind == RecordKind::Insertion
          ? Lines{t::kInsertStopped, t::kInsertFinished, t::kInsertTakenBack}
      : report.kind == RecordKind::Deletion
          ? Lines{t::kDeleteStopped, t::kDeleteFinished, t::kDeleteTakenBack}
          : Lines{t::kRangeStopped, t::kRangeFinished, t::kRangeTakenBack};
  std::wstring text = std::wstring(lines.stopped) + L"\r\n";
  switch (report.result) {
    case RepairResult::After:
      text += lines.finished;
      break;
    case RepairResult::Before:
      text += lines.taken_back;
      break;
    case RepairResult::NotMatching:
      text += t::kNotMatching;
      break;
    case RepairResult::Unfit:
      text += t::kUnfit;
      break;
    case RepairResult::Unprovable:
      text += t::kUnprovable;
      break;
    case RepairResult::Failed:
      text += t::kRepairFailed;
      break;
    case RepairResult::DataUnusable:
      text += t::kDataUnusable;
      break;
  }
  if (IsRepaired(report.result)) text += std::wstring(L"\r\n") + t::kHistoryAfresh;
  text += file_line;
  if (report.result == RepairResult::DataUnusable) {
    text += std::wstring(L"\r\n") + t::kDataFileAt + report.data_file;
  }
  if (!report.details.empty()) text += std::wstring(L"\r\n") + t::kDetailsAt + report.details;
  return text;
}

namespace {

// A replace-all's details: the list's size and how far the plan in force got.
std::wstring ReplaceAllDetails(const MoveRecord& header, const std::wstring& kept_at) {
  namespace t = recovery_texts;
  MoveRecord view = header;
  const ReplaceRecord record(view);
  const ReplaceList list = record.list();
  const ReplacePlan plan = record.plan(header.active());
  const ReplaceProgress progress = record.progress();
  const RecordedCommand command = header.command();
  std::wstring text = std::wstring(t::kDetailsTitle) + L"\r\n";
  text += std::wstring(t::kDetailsEdit) + t::kReplaceAllEdit +
          (command == RecordedCommand::Undo   ? t::kOfUndo
           : command == RecordedCommand::Redo ? t::kOfRedo
                                              : L"") +
          L"\r\n";
  text += std::wstring(t::kFileAt) + header.path() + L"\r\n";
  text += t::kDetailsLength + std::to_wstring(header.length()) + t::kBytes + L"\r\n";
  text += t::kDetailsMatches + std::to_wstring(list.count) + L"\r\n";
  text += t::kDetailsReplacement + std::to_wstring(list.replacement_count) + t::kBytes + L"\r\n";
  text += std::wstring(t::kDataFileAt) + header.temp() + L"\r\n";
  text += t::kDetailsWritten + std::to_wstring(progress.done) + L" / " +
          std::to_wstring(plan.hi - plan.lo) + t::kBytes +
          (plan.after ? t::kHeadingAfter : t::kHeadingBefore) + L"\r\n";
  if (!progress.flight) {
    text += std::wstring(t::kNoFlight) + L"\r\n";
  } else {
    const BlockMark flight = record.flight();
    text += t::kDetailsFlight + Hex(static_cast<uint64_t>(flight.offset), 8) + t::kFlightTo +
            std::to_wstring(flight.length) + t::kFlightKeptAt +
            std::to_wstring(record.SlotOffset(0)) + t::kFlightKeptEnd + L"\r\n";
  }
  text += t::kDetailsRecord + kept_at + L"\r\n";
  return text;
}

}  // namespace

std::wstring RecordDetails(const MoveRecord& record, const std::wstring& kept_at) {
  namespace t = recovery_texts;
  if (record.kind() == RecordKind::ReplaceAll) return ReplaceAllDetails(record, kept_at);
  const MovePlan plan = record.plan(record.active());
  const MoveProgress progress = record.progress();
  const RecordKind kind = record.kind();
  const RecordedCommand command = record.command();
  std::wstring text = std::wstring(t::kDetailsTitle) + L"\r\n";
  text += std::wstring(t::kDetailsEdit) +
          (kind == RecordKind::Insertion  ? t::kInsertion
           : kind == RecordKind::Deletion ? t::kDeletion
                                          : t::kRangeEdit) +
          (command == RecordedCommand::Undo   ? t::kOfUndo
           : command == RecordedCommand::Redo ? t::kOfRedo
                                              : L"") +
          L"\r\n";
  text += std::wstring(t::kFileAt) + record.path() + L"\r\n";
  text += t::kDetailsLength + std::to_wstring(record.length()) + t::kBytes + L"\r\n";
  text += t::kDetailsAddress + Hex(static_cast<uint64_t>(record.at()), 8) + L"\r\n";
  if (kind == RecordKind::Range) {
    const RangeFields range = record.range();
    text += t::kDetailsRemoved + std::to_wstring(range.removed) + t::kBytes + L"\r\n";
    text += t::kDetailsInserted + std::to_wstring(range.inserted) + t::kBytes + L"\r\n";
    if (range.repeated) text += t::kDetailsRepeated + Hex(range.value, 2) + L"\r\n";
    text += std::wstring(t::kDataFileAt) + record.temp() + L"\r\n";
  } else {
    text += t::kDetailsByte + Hex(record.byte(), 2) + L"\r\n";
  }
  text += t::kDetailsMoved + std::to_wstring(progress.moved) + L" / " +
          std::to_wstring(plan.count) + t::kBytes +
          (plan.after ? t::kHeadingAfter : t::kHeadingBefore) + L"\r\n";
  if (progress.flight != 0 && progress.flight != 1) {
    text += std::wstring(t::kNoFlight) + L"\r\n";
  } else {
    const SlotTarget target = record.target(progress.flight);
    text += t::kDetailsFlight + Hex(static_cast<uint64_t>(target.offset), 8) + t::kFlightTo +
            std::to_wstring(target.length) + t::kFlightKeptAt +
            std::to_wstring(record.SlotOffset(progress.flight)) + t::kFlightKeptEnd + L"\r\n";
  }
  text += t::kDetailsRecord + kept_at + L"\r\n";
  return text;
}

bool IsBeingMoved(const std::wstring& path) {
  for (const std::wstring& name : RecordNames()) {
    // A record no other program holds is a stopped one's, for the repair.
    if (fs::FileLength(name) <= 0 || MappedFile::Open(name)) continue;
    if (SameName(HeldRecordFile(name), path)) return true;
  }
  return false;
}

std::vector<RepairReport> RepairLeftRecords() {
  std::vector<RepairReport> reports;
  for (const std::wstring& name : RecordNames()) {
    // One that cannot be opened (another running copy's edit, or a record
    // held or write-protected) is named when its file is opened or changed.
    if (std::optional<RepairReport> report = RepairRecord(name, L"")) reports.push_back(*report);
  }
  return reports;
}

std::wstring SettlePendingRecords(const std::wstring& path) {
  for (const std::wstring& name : RecordNames()) {
    if (MappedFile::Open(name) || fs::FileLength(name) <= 0) {
      const std::optional<RepairReport> report = RepairRecord(name, path);
      if (report && IsRetried(report->result)) {
        return std::wstring(recovery_texts::kReadOnlyUntilRepaired) + L"\r\n" +
               recovery_texts::kFileAt + path;
      }
      // The dead program's undo data goes once no record needs it, not at
      // the next start: also when its record had ended, its edit whole.
      for (const std::wstring& folder : RecordFolders()) RemoveLeftJournalData(folder);
      continue;
    }
    const std::wstring file = HeldRecordFile(name);
    if (file.empty() || SameName(file, path)) return HeldMessage(name, file);
  }
  return {};
}

}  // namespace vx

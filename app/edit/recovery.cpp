#include "app/edit/recovery.h"

#include <cstdio>
#include <optional>

#include "app/edit/block_file.h"
#include "app/edit/recovery_texts.h"
#include "app/file/edited_file.h"
#include "common/file_seam.h"
#include "common/message_box.h"
#include "common/recovery_record_names.h"

namespace vx {
namespace {


std::wstring& Folder() {
  static std::wstring folder;
  return folder;
}

bool IsMove(RecordKind kind) {
  return kind == RecordKind::Insertion || kind == RecordKind::Deletion;
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

// Removes the half copy. Nothing to tell when there was none: the copy
// never began, or its rename was done.
std::optional<RepairReport> RepairCopy(const MoveRecord& record) {
  if (!fs::FileExists(record.temp())) return std::nullopt;
  const bool removed = fs::RemoveFile(record.temp());
  return RepairReport{record.kind(), removed ? RepairResult::Before : RepairResult::Failed,
                      record.path(), {}};
}

RepairReport RepairTailMove(MoveRecord& record) {
  RepairReport report{record.kind(), RepairResult::NotMatching, record.path(), {}};
  // No other program may write while the tail moves back into place.
  fs::File file = EditedFile(report.file).OpenToMove();
  if (!file) {
    if (fs::FileExists(report.file)) report.result = RepairResult::Failed;
    return report;
  }
  SeamBlockFile blocks(file);
  report.result = RepairMove(blocks, record);
  if (!file.Close() && report.result != RepairResult::NotMatching) {
    report.result = RepairResult::Failed;
  }
  return report;
}

// Keeps a record that does not fit its file out of the next start's way,
// with its details beside it; gives the details' name.
std::wstring SetAside(MappedFile& mapped, const MoveRecord& record, const std::wstring& name) {
  const std::wstring stem = name.substr(0, name.size() - std::size(kRecoveryRecordExtension) + 1);
  const std::wstring kept = stem + kSetAsideRecordExtension;
  const std::wstring details = stem + kRecordDetailsExtension;
  const bool whole = record.Whole();
  const bool written = whole && WriteText(details, RecordDetails(record, kept));
  mapped.Close();
  fs::RenameFile(name, kept);
  return written ? details : kept;
}

}  // namespace

void SetRecoveryFolder(const std::wstring& folder) { Folder() = folder; }

const std::wstring& RecoveryFolder() { return Folder(); }

LiveRecord::LiveRecord(RecordKind kind, const std::wstring& path, const std::wstring& temp) {
  const size_t size = MoveRecord::SizeFor(kind, path, temp);
  const std::wstring& folder = RecoveryFolder();
  if (!folder.empty() && (fs::FolderExists(folder) || fs::MakeFolder(folder))) {
    const std::wstring stem =
        folder + kRecoveryRecordPrefix + std::to_wstring(CurrentProcessNumber());
    for (int n = 1; n <= 100 && !file_; ++n) {
      name_ = stem + L"-" + std::to_wstring(n) + kRecoveryRecordExtension;
      // A name taken by a record left unrepaired is skipped, never reused.
      if (fs::FileExists(name_)) continue;
      file_ = MappedFile::Create(name_, size);
    }
  }
  if (file_) {
    record_ = MoveRecord(file_.data(), file_.size());
  } else {
    private_.assign(size, 0);
    record_ = MoveRecord(private_.data(), private_.size());
  }
  record_.SetNames(path, temp);
  if (!IsMove(kind)) record_.Begin(kind, 0, 0, 0);
}

LiveRecord::~LiveRecord() {
  if (!file_) return;
  if (!keep_) record_.End();
  file_.Close();
  if (!keep_) fs::RemoveFile(name_);
}

std::wstring RepairMessage(const RepairReport& report) {
  namespace t = recovery_texts;
  const std::wstring file_line = std::wstring(L"\r\n") + t::kFileAt + report.file;
  if (report.kind == RecordKind::BackUpCopy) return t::kBackUpStopped + file_line;
  if (report.kind == RecordKind::RestoreCopy) return t::kRestoreStopped + file_line;
  const bool insertion = report.kind == RecordKind::Insertion;
  std::wstring text = insertion ? t::kInsertStopped : t::kDeleteStopped;
  text += L"\r\n";
  switch (report.result) {
    case RepairResult::After:
      text += insertion ? t::kInsertFinished : t::kDeleteFinished;
      break;
    case RepairResult::Before:
      text += insertion ? t::kInsertTakenBack : t::kDeleteTakenBack;
      break;
    case RepairResult::NotMatching:
      text += t::kNotMatching;
      break;
    case RepairResult::Failed:
      text += t::kRepairFailed;
      break;
  }
  text += file_line;
  if (!report.details.empty()) text += std::wstring(L"\r\n") + t::kDetailsAt + report.details;
  return text;
}

std::wstring RecordDetails(const MoveRecord& record, const std::wstring& kept_at) {
  namespace t = recovery_texts;
  const MovePlan plan = record.plan(record.active());
  const MoveProgress progress = record.progress();
  const bool insertion = record.kind() == RecordKind::Insertion;
  std::wstring text = std::wstring(t::kDetailsTitle) + L"\r\n";
  text += std::wstring(t::kDetailsEdit) + (insertion ? t::kInsertion : t::kDeletion) + L"\r\n";
  text += std::wstring(t::kFileAt) + record.path() + L"\r\n";
  text += t::kDetailsLength + std::to_wstring(record.length()) + t::kBytes + L"\r\n";
  text += t::kDetailsAddress + Hex(static_cast<uint64_t>(record.at()), 8) + L"\r\n";
  text += t::kDetailsByte + Hex(record.byte(), 2) + L"\r\n";
  text += t::kDetailsMoved + std::to_wstring(progress.moved) + L" / " +
          std::to_wstring(plan.count) + t::kBytes +
          (plan.after ? t::kHeadingAfter : t::kHeadingBefore) + L"\r\n";
  if (progress.flight == kNoSlot || progress.flight > 1) {
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

std::vector<RepairReport> RepairLeftRecords() {
  std::vector<RepairReport> reports;
  const std::wstring& folder = RecoveryFolder();
  if (folder.empty()) return reports;
  for (const fs::FolderEntry& entry : fs::ListFolder(folder)) {
    if (entry.is_folder || !IsRecoveryRecordName(entry.name)) continue;
    const std::wstring name = folder + entry.name;
    MappedFile mapped = MappedFile::Open(name);
    if (!mapped) {
      // Killed before its first byte was written: nothing had begun.
      if (fs::FileLength(name) == 0) fs::RemoveFile(name);
      continue;  // else another running program holds it
    }
    MoveRecord record(mapped.data(), mapped.size());
    if (!record.Begun()) {  // never begun, or ended: nothing to do
      mapped.Close();
      fs::RemoveFile(name);
      continue;
    }
    RepairReport report;
    if (!record.Whole()) {
      report = {RecordKind::Insertion, RepairResult::NotMatching, L"",
                SetAside(mapped, record, name)};
      ShowMessage(std::wstring(recovery_texts::kUnreadable) + L"\r\n" +
                      recovery_texts::kDetailsAt + report.details,
                  MsgButtons::Ok, MsgIcon::Exclamation);
      reports.push_back(report);
      continue;
    }
    const std::optional<RepairReport> repair =
        IsMove(record.kind()) ? RepairTailMove(record) : RepairCopy(record);
    if (repair && repair->result == RepairResult::NotMatching) {
      report = *repair;
      report.details = SetAside(mapped, record, name);
    } else {
      mapped.Close();
      // A failed repair keeps its record, to be tried again at the next start.
      if (!repair || repair->result != RepairResult::Failed) fs::RemoveFile(name);
      if (!repair || (!IsMove(repair->kind) && repair->result == RepairResult::Failed)) continue;
      report = *repair;
    }
    const bool repaired =
        report.result == RepairResult::After || report.result == RepairResult::Before;
    ShowMessage(RepairMessage(report), MsgButtons::Ok,
                repaired ? MsgIcon::Information : MsgIcon::Exclamation);
    reports.push_back(report);
  }
  return reports;
}

}  // namespace vx

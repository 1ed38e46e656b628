#include "app/disk/insert_delete.h"

#include <optional>

#include "app/disk/answering_block_file.h"
#include "app/disk/block_file.h"
#include "app/disk/file_proof.h"
#include "app/disk/recovery.h"
#include "app/edit/edit_texts.h"
#include "common/clock.h"
#include "common/file_seam.h"
#include "common/message_box.h"

namespace vx {
namespace {

// Often enough for the bar and for letting the system in, which the
// window does at most every 50 ms, whatever the disk's speed; drawing after
// every block would spend a twentieth of a fast move in the window.
constexpr uint32_t kReportEveryMs = 20;

using Move = std::function<TailMoveResult(BlockFile&, const ProgressCallback&, MoveRecord&)>;

// A move's caption, and the command its failure message names: Undo's
// and Redo's steps are named as those.
struct MoveTexts {
  const wchar_t* caption;
  FailedCommand failed_as;
};

MoveTexts TextsOf(bool insertion, RecordedCommand command) {
  const FailedCommand itself = insertion ? FailedCommand::Insert : FailedCommand::Delete;
  return {insertion ? edit_texts::kInserting : edit_texts::kDeleting,
          NamedCommand(command, itself)};
}

std::wstring FailureText(FailedCommand failed_as, const Failure& failure, TailMoveResult result,
                         const std::wstring& backup_path) {
  std::wstring text = FailureMessage(failed_as, failure);
  if (result != TailMoveResult::MaybeDamaged) return text;
  text += L"\r\n";
  text += edit_texts::kMayBeDamaged;
  text += L"\r\n";
  if (!backup_path.empty() && fs::FileExists(backup_path)) {
    text += edit_texts::kBackUpAt;
    text += backup_path;
  } else {
    text += edit_texts::kNoBackUpKept;
  }
  return text;
}

// Opens, moves, closes and reports. A missing file is not made here, and no
// other program may write while the tail is on the move. The move keeps its
// record (of `kind`, naming `data_name`) in the recovery folder; one it
// could not put back stays there for the next start.
bool MoveTail(const EditedFile& file, RecordKind kind, const std::wstring& data_name,
              BlockFile* data, const MoveTexts& texts, const ProgressCallback& progress,
              const std::wstring& backup_path, RecordedCommand command, const Move& move) {
  TailMoveResult result = TailMoveResult::Restored;
  fs::File opened = file.OpenToMove();
  Failure failure = SystemFailure(fs::LastSystemError(), FailedPlace::File, file.path());
  if (opened) {
    if (data) data->ForgetError();
    progress(kProgressStart, texts.caption);
    std::optional<uint32_t> last_report;
    double last_share = 0;
    const ProgressCallback now_and_then = [&](double share, const std::wstring& caption) {
      const uint32_t now = MilliSeconds();
      if (last_report && now - *last_report < kReportEveryMs) return;
      last_report = now;
      last_share = share;
      progress(share, caption);
    };
    // The flushes between the blocks wait as the blocks do, letting the
    // system in with the bar where it stands; the worker outlives the record,
    // whose end may still flush.
    AnsweringWorker flusher([&] { progress(last_share, std::wstring()); });
    LiveRecord record(kind, file.path(), data_name, command, CommandBlockSize());
    record.FlushBeside(&flusher);
    TimeKeptFile blocks(opened, file.path(), record.record());
    AnsweringBlockFile answering(blocks, flusher);
    // Closed before the record ends, so that a close that fails keeps the
    // record; a move done bears the time it was done, as after any write.
    record.record().SetEndCheck([&opened, &blocks, &record] {
      MoveRecord& kept = record.record();
      if (kept.plan(kept.active()).after) blocks.MarkChangedNow();
      return opened.Close();
    });
    // A move the settings folder cannot keep a record of would not survive
    // a power cut: it does not begin.
    if (record.first_error() == 0) result = move(answering, now_and_then, record.record());
    if (result == TailMoveResult::MaybeDamaged) record.Keep();
    failure =
        MoveFailure({record.first_error(), record.name()}, data, data_name, blocks, file.path());
    if (opened && !opened.Close() && result == TailMoveResult::Done) {
      failure = SystemFailure(fs::LastSystemError(), FailedPlace::File, file.path());
      result = TailMoveResult::MaybeDamaged;
    }
  }
  if (result != TailMoveResult::Done) {
    failure.unchanged = result == TailMoveResult::Restored;
    ShowMessage(FailureText(texts.failed_as, failure, result, backup_path));
  }
  progress(kProgressEnd, std::wstring());
  return result == TailMoveResult::Done;
}

}  // namespace

bool InsertIntoFile(const EditedFile& file, int64_t offset, uint8_t value,
                    const ProgressCallback& progress, const std::wstring& backup_path,
                    RecordedCommand command) {
  return MoveTail(file, RecordKind::Insertion, L"", nullptr, TextsOf(true, command), progress,
                  backup_path, command,
                  [&](BlockFile& blocks, const ProgressCallback& report, MoveRecord& record) {
                    return InsertByte(blocks, offset, value, report, record);
                  });
}

bool DeleteFromFile(const EditedFile& file, int64_t offset, const ProgressCallback& progress,
                    const std::wstring& backup_path, RecordedCommand command) {
  return MoveTail(file, RecordKind::Deletion, L"", nullptr, TextsOf(false, command), progress,
                  backup_path, command,
                  [&](BlockFile& blocks, const ProgressCallback& report, MoveRecord& record) {
                    return DeleteByte(blocks, offset, report, record);
                  });
}

bool ReplaceInFile(const EditedFile& file, int64_t offset, int64_t removed, int64_t inserted,
                   const RangeData& data, const ProgressCallback& progress,
                   const std::wstring& backup_path, FailedCommand failed_as,
                   RecordedCommand command) {
  const MoveTexts texts{inserted == removed  ? edit_texts::kChanging
                        : inserted > removed ? edit_texts::kInserting
                                             : edit_texts::kDeleting,
                        NamedCommand(command, failed_as)};
  return MoveTail(file, RecordKind::Range, data.name, data.file, texts, progress, backup_path,
                  command,
                  [&](BlockFile& blocks, const ProgressCallback& report, MoveRecord& record) {
                    return ReplaceRange(blocks, offset, removed, inserted, data, report, record);
                  });
}

bool ReplaceAllInFile(const EditedFile& file, const ReplaceData& data, bool inverse,
                      const std::wstring& data_name, const ProgressCallback& progress,
                      const std::wstring& backup_path, RecordedCommand command) {
  const MoveTexts texts{edit_texts::kReplacing, NamedCommand(command, FailedCommand::ReplaceAll)};
  return MoveTail(file, RecordKind::ReplaceAll, data_name, data.file, texts, progress, backup_path,
                  command,
                  [&](BlockFile& blocks, const ProgressCallback& report, MoveRecord& record) {
                    ReplaceRecord replace(record);
                    const auto share = [&report](int64_t done, int64_t total) {
                      report(static_cast<double>(done) / static_cast<double>(total), L"");
                    };
                    switch (ReplaceAll(blocks, data, inverse, share, replace)) {
                      case ReplaceResult::Done:
                        return TailMoveResult::Done;
                      case ReplaceResult::Restored:
                        return TailMoveResult::Restored;
                      case ReplaceResult::MaybeDamaged:
                        break;
                    }
                    return TailMoveResult::MaybeDamaged;
                  });
}

Failure MoveFailure(const RecordError& record, const BlockFile* data, const std::wstring& data_name,
                    const BlockFile& file, const std::wstring& path) {
  if (record.code != 0) return SystemFailure(record.code, FailedPlace::RecoveryRecord, record.name);
  if (data && data->first_error() != 0) {
    return SystemFailure(data->first_error(), FailedPlace::JournalData, data_name);
  }
  return SystemFailure(file.first_error(), FailedPlace::File, path);
}

FailedCommand NamedCommand(RecordedCommand command, FailedCommand itself) {
  switch (command) {
    case RecordedCommand::Undo:
      return FailedCommand::Undo;
    case RecordedCommand::Redo:
      return FailedCommand::Redo;
    case RecordedCommand::Itself:
      break;
  }
  return itself;
}

std::wstring TailMoveFailureText(FailedCommand failed_as, const Failure& failure,
                                 TailMoveResult result, const std::wstring& backup_path) {
  return FailureText(failed_as, failure, result, backup_path);
}

}  // namespace vx

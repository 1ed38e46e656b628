#include "app/disk/insert_delete.h"

#include <optional>

#include "app/disk/block_file.h"
#include "app/edit/edit_texts.h"
#include "app/disk/recovery.h"
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

// What a move is called in its caption and its failure message.
struct MoveTexts {
  const wchar_t* caption;
  const wchar_t* failed;
};

MoveTexts TextsOf(bool insertion) {
  return insertion ? MoveTexts{edit_texts::kInserting, edit_texts::kInsertFailed}
                   : MoveTexts{edit_texts::kDeleting, edit_texts::kDeleteFailed};
}

std::wstring FailureText(const wchar_t* failed, TailMoveResult result,
                         const std::wstring& backup_path) {
  std::wstring text = failed;
  text += L"\r\n";
  text += edit_texts::kTailMoveCause;
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
              const MoveTexts& texts, const ProgressCallback& progress,
              const std::wstring& backup_path, RecordedCommand command, const Move& move) {
  TailMoveResult result = TailMoveResult::Restored;
  if (fs::File opened = file.OpenToMove()) {
    progress(kProgressStart, texts.caption);
    SeamBlockFile blocks(opened);
    LiveRecord record(kind, file.path(), data_name, command, CommandBlockSize());
    // Closed before the record ends: a close that fails keeps the record.
    record.record().SetEndCheck([&opened] { return opened.Close(); });
    std::optional<uint32_t> last_report;
    const ProgressCallback now_and_then = [&progress, &last_report](double share,
                                                                   const std::wstring& caption) {
      const uint32_t now = MilliSeconds();
      if (last_report && now - *last_report < kReportEveryMs) return;
      last_report = now;
      progress(share, caption);
    };
    result = move(blocks, now_and_then, record.record());
    if (result == TailMoveResult::MaybeDamaged) record.Keep();
    if (opened && !opened.Close() && result == TailMoveResult::Done) {
      result = TailMoveResult::MaybeDamaged;
    }
  }
  if (result != TailMoveResult::Done) {
    ShowMessage(FailureText(texts.failed, result, backup_path));
  }
  progress(kProgressEnd, std::wstring());
  return result == TailMoveResult::Done;
}

}  // namespace

bool InsertIntoFile(const EditedFile& file, int64_t offset, uint8_t value,
                    const ProgressCallback& progress, const std::wstring& backup_path,
                    RecordedCommand command) {
  return MoveTail(file, RecordKind::Insertion, L"", TextsOf(true), progress, backup_path, command,
                  [&](BlockFile& blocks, const ProgressCallback& report, MoveRecord& record) {
                    return InsertByte(blocks, offset, value, report, record);
                  });
}

bool DeleteFromFile(const EditedFile& file, int64_t offset, const ProgressCallback& progress,
                    const std::wstring& backup_path, RecordedCommand command) {
  return MoveTail(file, RecordKind::Deletion, L"", TextsOf(false), progress, backup_path, command,
                  [&](BlockFile& blocks, const ProgressCallback& report, MoveRecord& record) {
                    return DeleteByte(blocks, offset, report, record);
                  });
}

bool ReplaceInFile(const EditedFile& file, int64_t offset, int64_t removed, int64_t inserted,
                   const RangeData& data, const ProgressCallback& progress,
                   const std::wstring& backup_path, RecordedCommand command) {
  const MoveTexts texts = inserted == removed
                              ? MoveTexts{edit_texts::kChanging, edit_texts::kRangeChangeFailed}
                              : TextsOf(inserted > removed);
  return MoveTail(file, RecordKind::Range, data.name, texts, progress, backup_path, command,
                  [&](BlockFile& blocks, const ProgressCallback& report, MoveRecord& record) {
                    return ReplaceRange(blocks, offset, removed, inserted, data, report, record);
                  });
}

bool ReplaceAllInFile(const EditedFile& file, const ReplaceData& data, bool inverse,
                      const std::wstring& data_name, const ProgressCallback& progress,
                      const std::wstring& backup_path, RecordedCommand command) {
  const MoveTexts texts{edit_texts::kReplacing, edit_texts::kReplaceAllFailed};
  return MoveTail(file, RecordKind::ReplaceAll, data_name, texts, progress, backup_path, command,
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

std::wstring TailMoveFailureText(bool insertion, TailMoveResult result,
                                 const std::wstring& backup_path) {
  return FailureText(TextsOf(insertion).failed, result, backup_path);
}

}  // namespace vx

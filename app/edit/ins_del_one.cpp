#include "app/edit/ins_del_one.h"

#include "app/edit/block_file.h"
#include "app/edit/edit_texts.h"
#include "app/edit/recovery.h"
#include "common/file_seam.h"
#include "common/message_box.h"

namespace vx {
namespace {

constexpr int kBlocksPerReport = 16;

// Opens, moves, closes and reports. A missing file is not made here, and no
// other program may write while the tail is on the move. The move keeps its
// record in the recovery folder; one it could not put back stays there for
// the next start.
int32_t MoveTail(
    const std::wstring& Fnm, bool insertion, const ProgFunction& Prog,
    const std::wstring& BackUpName,
    const std::function<TailMoveResult(BlockFile&, const TailProgress&, MoveRecord&)>& move) {
  TailMoveResult result = TailMoveResult::Restored;
  if (fs::File file = fs::OpenFile(Fnm, false, fs::Share::Read)) {
    Prog(-1, insertion ? edit_texts::kInserting : edit_texts::kDeleting);
    SeamBlockFile blocks(file);
    LiveRecord record(insertion ? RecordKind::Insertion : RecordKind::Deletion, Fnm, L"");
    // Every 16th block (64 KiB) is often enough for the bar and for letting
    // the system in even on a slow disk; every block would spend a twentieth
    // of a fast move in the window's progress.
    int blocks_done = 0;
    const TailProgress report = [&Prog, &blocks_done](double share) {
      if (blocks_done++ % kBlocksPerReport == 0) Prog(share, std::wstring());
    };
    result = move(blocks, report, record.record());
    if (result == TailMoveResult::MaybeDamaged) record.Keep();
    if (!file.Close() && result == TailMoveResult::Done) result = TailMoveResult::MaybeDamaged;
  }
  if (result == TailMoveResult::Done) {
    Prog(1, std::wstring());
    return 0;
  }
  ShowMessage(TailMoveFailureText(insertion, result, BackUpName));
  Prog(1, std::wstring());
  return -1;
}

}  // namespace

int32_t InsOne(const std::wstring& Fnm, int32_t SeekPos, uint8_t Dat, const ProgFunction& Prog,
               const std::wstring& BackUpName) {
  return MoveTail(Fnm, true, Prog, BackUpName,
                  [&](BlockFile& file, const TailProgress& progress, MoveRecord& record) {
                    return InsOne(file, SeekPos, Dat, progress, record);
                  });
}

int32_t DelOne(const std::wstring& Fnm, int32_t SeekPos, const ProgFunction& Prog,
               const std::wstring& BackUpName) {
  return MoveTail(Fnm, false, Prog, BackUpName,
                  [&](BlockFile& file, const TailProgress& progress, MoveRecord& record) {
                    return DelOne(file, SeekPos, progress, record);
                  });
}

std::wstring TailMoveFailureText(bool insertion, TailMoveResult result,
                                 const std::wstring& BackUpName) {
  std::wstring text = insertion ? edit_texts::kInsertFailed : edit_texts::kDeleteFailed;
  text += L"\r\n";
  text += edit_texts::kTailMoveCause;
  if (result != TailMoveResult::MaybeDamaged) return text;
  text += L"\r\n";
  text += edit_texts::kMayBeDamaged;
  text += L"\r\n";
  if (!BackUpName.empty() && fs::FileExists(BackUpName)) {
    text += edit_texts::kBackUpAt;
    text += BackUpName;
  } else {
    text += edit_texts::kNoBackUpKept;
  }
  return text;
}

}  // namespace vx

#include "app/edit/backup.h"

#include <cmath>
#include <vector>

#include "app/edit/edit_texts.h"
#include "app/edit/recovery.h"
#include "common/clock.h"
#include "common/file_copy.h"
#include "common/file_operations.h"
#include "common/file_seam.h"
#include "common/message_box.h"
#include "common/path_text.h"

namespace vx {
namespace {

constexpr int64_t kSpeedTestBytes = 1'000'001;

// The copies are made under a name of their own beside their target, so
// that the final rename stays on one volume and a copy cut short is never
// taken for a whole one. Their records let the next start remove a half one.
std::wstring RestoreTempName(const std::wstring& FileName) { return FileName + L".VXRestore"; }
std::wstring BackUpTempName(const std::wstring& BackUpName) { return BackUpName + L".VXPart"; }

bool CopyThenRename(RecordKind kind, const std::wstring& FileName, const std::wstring& Source,
                    const std::wstring& Target, const std::wstring& Temp,
                    const std::function<void()>& between_blocks) {
  const LiveRecord record(kind, FileName, Temp);
  if (CopyFileFresh(Source, Temp, between_blocks) && fs::RenameFile(Temp, Target)) return true;
  fs::RemoveFile(Temp);
  return false;
}

}  // namespace

std::wstring GetBackUpName(const std::wstring& FileName, const std::wstring& BackUpSuffix) {
  // Split at the last dot of the file's own name, so that "Report.Final.doc"
  // and "Report.Draft.doc" keep apart and a dot in the folder does not count.
  const std::wstring name = FileNamePart(FileName);
  const std::wstring folder = FolderPart(FileName);
  const size_t dot = name.rfind(L'.');
  if (dot == std::wstring::npos) return folder + name + BackUpSuffix;
  return folder + name.substr(0, dot) + BackUpSuffix + L"." + LowerCaseExtension(name);
}

double CheckFileSpeed(const std::wstring& SettingsFolder) {
  const std::wstring name = SettingsFolder + L"Dummy.dat";
  fs::File file = MakeEmptyFile(name);
  if (!file) return 0;
  const std::vector<uint8_t> zeros(static_cast<size_t>(kSpeedTestBytes), 0);
  const uint32_t before = MilliSeconds();
  file.WriteAt(0, zeros.data(), kSpeedTestBytes);
  const uint32_t after = MilliSeconds();
  file.Close();
  DeleteExactFile(name);
  return static_cast<double>(after - before) / 1000;
}

double BackUpSeconds(int64_t FileSize, double speed_seconds) {
  const double millions = static_cast<double>(FileSize) / 1'000'000;
  return std::sqrt(millions) * speed_seconds * millions;
}

std::wstring BackUpQuestion(double seconds) {
  return std::wstring(edit_texts::kBackUpAskStart) + edit_texts::kBackUpTakesBefore +
         std::to_wstring(static_cast<int64_t>(std::floor(seconds))) +
         edit_texts::kBackUpTakesAfter + edit_texts::kBackUpAskEnd;
}

BackUpOutcome BackUp(const std::wstring& FileName, int64_t FileSize,
                     const std::wstring& BackUpSuffix, const std::wstring& SettingsFolder,
                     const ProgFunction& Prog) {
  const double seconds = BackUpSeconds(FileSize, CheckFileSpeed(SettingsFolder));
  if (seconds > kBackUpAskSeconds &&
      ShowMessage(BackUpQuestion(seconds), MsgButtons::YesNo) == MsgAnswer::No) {
    return BackUpOutcome::Declined;
  }
  Prog(-1, edit_texts::kBackingUp);
  Prog(0.5, std::wstring());
  const std::wstring backup = GetBackUpName(FileName, BackUpSuffix);
  if (CopyThenRename(RecordKind::BackUpCopy, FileName, FileName, backup, BackUpTempName(backup),
                     [&] { Prog(0.5, std::wstring()); })) {
    Prog(1, std::wstring());
    return BackUpOutcome::Made;
  }
  const MsgAnswer go_on = ShowMessage(edit_texts::kBackUpFailed, MsgButtons::YesNo);
  Prog(1, std::wstring());
  return go_on == MsgAnswer::Yes ? BackUpOutcome::Skipped : BackUpOutcome::Cancelled;
}

RestoreOutcome RestoreFromBackUp(const std::wstring& FileName, const std::wstring& BackUpName,
                                 const std::function<void()>& between_blocks) {
  if (!fs::FileExists(BackUpName)) return RestoreOutcome::NoBackUp;
  return CopyThenRename(RecordKind::RestoreCopy, FileName, BackUpName, FileName,
                        RestoreTempName(FileName), between_blocks)
             ? RestoreOutcome::Restored
             : RestoreOutcome::Failed;
}

}  // namespace vx

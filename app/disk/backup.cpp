#include "app/disk/backup.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "app/disk/copy_names.h"
#include "app/disk/recovery.h"
#include "app/edit/edit_texts.h"
#include "common/clock.h"
#include "common/digit_groups.h"
#include "common/file_copy.h"
#include "common/file_operations.h"
#include "common/file_seam.h"
#include "common/message_box.h"
#include "common/path_text.h"
#include "common/settings_file_names.h"
#include "common/whole_file.h"

namespace vx {
namespace {

constexpr int64_t kSpeedTestBytes = 1'000'001;

// Copies and renames under the record of `kind`, which lets the next start
// remove a half copy; a copy that did not take its name goes.
bool CopyUnderRecord(RecordKind kind, const EditedFile& file, const std::wstring& temp,
                     const std::function<bool()>& copy_and_rename) {
  const LiveRecord record(kind, file.path(), temp);
  if (copy_and_rename()) return true;
  fs::RemoveFile(temp);
  return false;
}

}  // namespace

std::wstring BackUpPathFor(const std::wstring& path, const std::wstring& suffix) {
  // Split at the last dot of the file's own name, so that "Report.Final.doc"
  // and "Report.Draft.doc" keep apart and a dot in the folder does not count.
  const std::wstring name = FileNamePart(path);
  const std::wstring folder = FolderPart(path);
  const size_t dot = name.rfind(L'.');
  if (dot == std::wstring::npos) return folder + name + suffix;
  return folder + name.substr(0, dot) + suffix + L"." + LowerCaseExtension(name);
}

double TestWriteSeconds(const std::wstring& folder) {
  const std::wstring name = folder + kDiskSpeedTestName;
  const std::vector<uint8_t> zeros(static_cast<size_t>(kSpeedTestBytes), 0);
  fs::File file = MakeEmptyFile(name);
  if (!file) return 0;
  const auto write_round = [&] {
    for (int write = 0; write < kWritesPerRound; ++write) {
      file.WriteAt(write * kSpeedTestBytes, zeros.data(), kSpeedTestBytes);
    }
  };
  write_round();  // the file's making: not timed
  double quickest = std::numeric_limits<double>::infinity();
  const double start = PreciseSeconds();
  for (double before = start, after = start; after - start < kSpeedTestSeconds; before = after) {
    write_round();
    after = PreciseSeconds();
    quickest = std::min(quickest, (after - before) / kWritesPerRound);
  }
  file.Close();
  DeleteExactFile(name);
  return quickest;
}

double BackUpSeconds(int64_t file_size, double test_write_seconds) {
  const double millions = static_cast<double>(file_size) / 1'000'000;
  return std::sqrt(millions) * test_write_seconds * millions;
}

std::wstring BackUpQuestion(double seconds) {
  return std::wstring(edit_texts::kBackUpAskStart) + edit_texts::kBackUpTakesBefore +
         std::to_wstring(static_cast<int64_t>(std::floor(seconds))) +
         edit_texts::kBackUpTakesAfter + edit_texts::kBackUpAskEnd;
}

std::wstring BackUpNoRoomQuestion(int64_t needed_bytes, int64_t free_bytes) {
  using namespace edit_texts;
  return std::wstring(kBackUpNoRoom) + kBackUpNeeded + GroupedDigits(needed_bytes) + kBackUpBytes +
         kBackUpFree + GroupedDigits(free_bytes) + kBackUpBytes + kBackUpGoOnWithout;
}

BackUpOutcome MakeBackUp(const EditedFile& file, int64_t file_size, const std::wstring& suffix,
                         const std::wstring& speed_test_folder, const ProgressCallback& progress) {
  const std::wstring backup = BackUpPathFor(file.path(), suffix);
  // The copy is whole beside any earlier backup before it takes its name, so
  // it needs the file's whole size. A drive that cannot tell is tried.
  const int64_t free_bytes = fs::FreeSpace(FolderPart(backup));
  if (free_bytes >= 0 && free_bytes < file_size) {
    return ShowMessage(BackUpNoRoomQuestion(file_size, free_bytes), MsgButtons::YesNo) ==
                   MsgAnswer::Yes
               ? BackUpOutcome::Skipped
               : BackUpOutcome::Cancelled;
  }
  const double seconds = BackUpSeconds(file_size, TestWriteSeconds(speed_test_folder));
  if (seconds > kBackUpAskSeconds &&
      ShowMessage(BackUpQuestion(seconds), MsgButtons::YesNo) == MsgAnswer::No) {
    return BackUpOutcome::Declined;
  }
  // The half-way mark comes again after each block, so that the window can
  // let the system in while the bar stays put.
  constexpr double kHalfWay = 0.5;
  progress(kProgressStart, edit_texts::kBackingUp);
  progress(kHalfWay, std::wstring());
  const std::wstring temp = BackUpTempPath(backup);
  if (CopyUnderRecord(RecordKind::BackUpCopy, file, temp, [&] {
        return file.CopyTo(temp, [&] { progress(kHalfWay, std::wstring()); }) &&
               PutWholeFileInPlace(temp, backup);
      })) {
    progress(kProgressEnd, std::wstring());
    return BackUpOutcome::Made;
  }
  const MsgAnswer go_on = ShowMessage(edit_texts::kBackUpFailed, MsgButtons::YesNo);
  progress(kProgressEnd, std::wstring());
  return go_on == MsgAnswer::Yes ? BackUpOutcome::Skipped : BackUpOutcome::Cancelled;
}

RestoreOutcome RestoreFromBackUp(const EditedFile& file, const std::wstring& backup_path,
                                 const std::function<void()>& between_blocks) {
  if (!fs::FileExists(backup_path)) return RestoreOutcome::NoBackUp;
  const std::wstring temp = RestoreTempPath(file.path());
  return CopyUnderRecord(RecordKind::RestoreCopy, file, temp,
                         [&] {
                           return CopyFileFresh(backup_path, temp, between_blocks) &&
                                  file.ReplaceBy(temp);
                         })
             ? RestoreOutcome::Restored
             : RestoreOutcome::Failed;
}

}  // namespace vx

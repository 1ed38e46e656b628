// Making a file the open file of the main window, and keeping the scroll
// range and the caret in step with its size.
#include <algorithm>

#include "app/edit/backup.h"
#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/settings/settings_folder.h"
#include "app/file/file_limits.h"
#include "app/view/main_window_win.h"
#include "app/view/open_texts.h"
#include "common/message_box.h"

namespace vx {

int32_t MainWindow::ChangeFileName(const std::wstring& Fn) {
  UndoJournal.Reset();
  EnableUndoCommands();
  FileName = Fn;
  // A search belongs to the file it ran on.
  search_.Clear();
  if (!Fn.empty() && !EditedFile(Fn).CanOpen()) {
    ShowMessage(open_texts::kOpenFailed);
    ShowNoFile();
    return -1;
  }
  if (FileName.empty()) {
    ShowNoFile();
    return 0;
  }
  // A refused file is not shown at all: with its name kept, the old page and
  // size would stay on screen, and the commands would act on it with a size
  // that is not its own.
  const int64_t length = EditedFile(FileName).Length();
  if (length >= kRefusedFileSize) {
    ShowMessage(open_texts::kTooLarge);
    ShowNoFile();
    return 0;
  }
  if (length == 0 && ShowMessage(open_texts::kZeroBytes, MsgButtons::YesNo) != MsgAnswer::Yes) {
    ShowNoFile();
    return 0;
  }
  EnableFileCommands(true);
  if (length == 0) RePlaceU(1, 0, true);
  Changed = false;
  RefreshFiles();
  RePaintFileStatus();
  RePaint();
  KeysToPage();
  return 0;
}

void MainWindow::ShowNoFile() {
  if (InputVisible) HideByteInput();
  FileName.clear();
  FileSize = 0;
  EnableFileCommands(false);
  RePaintFileStatus();
  RePaint();
  // The disabled page lost the focus, if it had it.
  KeysToPage();
}

void MainWindow::RefreshFiles() {
  const DisplaySettingsRecord& s = DisplaySettings;
  const int64_t length = EditedFile(FileName).Length();
  FileSize = static_cast<int32_t>(std::clamp<int64_t>(length, 0, kRefusedFileSize - 1));
  const int64_t lines = (static_cast<int64_t>(FileSize) + (2 - s.LinesPerPage) * int64_t{s.BytesPerLine}) /
                        s.BytesPerLine;
  VscrollEx1.SetMax(static_cast<int32_t>(std::max<int64_t>(1, lines)));
  const double share =
      FileSize > 0 ? static_cast<double>(s.LinesPerPage) * s.BytesPerLine / FileSize : 2.0;
  VscrollEx1.SetLargePercent(share);
  VscrollEx1.SetEnabled(share <= 1.0);
  VscrollEx1.SetLargeChange(s.LinesPerPage / 2);
  if (FileSize < GetSeekFromCaret()) CaretChange(0, 0, 0);
}

int32_t MainWindow::GetSeekFromCaret() const {
  const int64_t offset =
      (static_cast<int64_t>(VscrollEx1.Value()) + CaretY) * DisplaySettings.BytesPerLine + CaretX;
  return static_cast<int32_t>(std::min<int64_t>(offset, INT32_MAX));
}

int32_t MainWindow::RePlaceU(int32_t SeekPos, uint8_t Dat, bool Ref) {
  const EditedFile file(FileName);
  const std::optional<uint8_t> old = file.Overwrite(SeekPos - 1, Dat);
  if (!old) return -1;
  FileSize = static_cast<int32_t>(std::clamp<int64_t>(file.Length(), 0, INT32_MAX));
  if (Ref) {
    RePaintFileStatus();
    RePaint();
  }
  return *old;
}

int32_t MainWindow::FileChanged(bool After) {
  if (After && !Changed && DisplaySettings.AutoBackUp) {
    const BackUpOutcome outcome =
        MakeBackUp(EditedFile(FileName), FileSize, DisplaySettings.BackUpSuffix,
                   SpeedTestFolder(FileName), ProgCallback());
    // Changed stays false, so that the next change asks again.
    if (outcome == BackUpOutcome::Cancelled) return -1;
    if (outcome == BackUpOutcome::Made) EnableRestore(true);
  }
  Changed = After;
  return 0;
}

}  // namespace vx

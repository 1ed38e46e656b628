// The Restore command: the open file is put back as its backup holds it.
#include "app/edit/backup.h"
#include "app/edit/edit_texts.h"
#include "app/settings/display_settings.h"
#include "app/view/main_window_win.h"
#include "common/file_seam.h"
#include "common/message_box.h"
#include "common/ui/message_pump_win.h"

namespace vx {

bool MainWindow::BackUpExists() const {
  return !FileName.empty() && fs::FileExists(BackUpPathFor(FileName, DisplaySettings.BackUpSuffix));
}

void MainWindow::ReflectBackUp() {
  const auto let_system_in = [] { LetSystemIn(); };
  switch (RestoreFromBackUp(EditedFile(FileName),
                            BackUpPathFor(FileName, DisplaySettings.BackUpSuffix), let_system_in)) {
    case RestoreOutcome::NoBackUp:
      ShowMessage(edit_texts::kNoBackUpFile);
      return;
    case RestoreOutcome::Failed:
      ShowMessage(edit_texts::kRestoreFailed, MsgButtons::Ok, MsgIcon::Critical);
      return;
    case RestoreOutcome::Restored:
      break;
  }
  RefreshFiles();
  RePaintFileStatus();
  RePaint();
  ShowMessage(edit_texts::kRestored);
  EnableRestore(false);
  // The next change makes a fresh backup, and no change before the restore
  // can be undone any more.
  FileChanged(false);
  UndoJournal.Clear();
  EnableUndoCommands();
}

void MainWindow::OnRestore() { ReflectBackUp(); }

}  // namespace vx

// Inserting and deleting a byte of the open file, and undo and redo of every
// recorded change. The journal only says what to do; the file work goes
// through the same procedures as the forward commands.
#include <optional>
#include <vector>

#include "app/edit/backup.h"
#include "app/edit/edit_texts.h"
#include "app/edit/insert_delete.h"
#include "app/settings/display_settings.h"
#include "app/view/main_window_win.h"
#include "common/message_box.h"
#include "common/ui/message_pump_win.h"

namespace vx {

ProgressCallback MainWindow::ProgCallback() {
  // Every long operation reports here after each block: the moment to let
  // the system reach the windows, so that it never calls the program hung.
  return [this](double value, const std::wstring& Captions) {
    LetSystemIn();
    Prog(value, Captions);
  };
}

std::wstring MainWindow::BackUpName() const {
  return BackUpPathFor(FileName, DisplaySettings.BackUpSuffix);
}

// The tail moves show their own failures; an overwrite's is shown here.
int32_t MainWindow::ApplyEdit(const FileEdit& edit) {
  switch (edit.kind) {
    case EditKind::Overwrite:
      if (RePlaceU(edit.offset + 1, edit.value, true) >= 0) return 0;
      ShowMessage(edit_texts::kChangeFailed);
      return -1;
    case EditKind::Insert:
      if (InsertIntoFile(EditedFile(FileName), edit.offset, edit.value, ProgCallback(),
                         BackUpName())) {
        return 0;
      }
      return -1;
    case EditKind::Delete:
      if (DeleteFromFile(EditedFile(FileName), edit.offset, ProgCallback(), BackUpName())) return 0;
      return -1;
  }
  return -1;
}

bool MainWindow::MayEditAtCaret() {
  if (!Changed && FileChanged(true) == -1) return false;
  return !InputVisible;
}

void MainWindow::InsertU(int32_t SeekPos, uint8_t Dat) {
  if (SeekPos > FileSize) return;
  if (InsertIntoFile(EditedFile(FileName), SeekPos - 1, Dat, ProgCallback(), BackUpName())) {
    UndoJournal.Record(EditKind::Insert, SeekPos - 1, 0, Dat);
    EnableUndoCommands();
  }
  // A failed move may still have lengthened the file: show what is on disk.
  RefreshFiles();
  RePaintFileStatus();
  RePaint();
}

void MainWindow::DeleteU(int32_t SeekPos) {
  if (FileSize <= 1) {
    ShowMessage(edit_texts::kNoMoreDelete);
    return;
  }
  if (SeekPos > FileSize) return;
  uint8_t old[1];
  if (EditedFile(FileName).Read(SeekPos - 1, old) != ReadResult::Read) {
    ShowMessage(edit_texts::kCanNoDelete);
    return;
  }
  if (DeleteFromFile(EditedFile(FileName), SeekPos - 1, ProgCallback(), BackUpName())) {
    UndoJournal.Record(EditKind::Delete, SeekPos - 1, old[0], 0);
    EnableUndoCommands();
  }
  RefreshFiles();
  RePaintFileStatus();
  RePaint();
}

void MainWindow::RecordOverwrite(int32_t SeekPoint, uint8_t Dat, uint8_t AfDat) {
  UndoJournal.Record(EditKind::Overwrite, SeekPoint - 1, Dat, AfDat);
  EnableUndoCommands();
}

void MainWindow::UndoLoad() {
  const std::optional<FileEdit> edit = UndoJournal.NextUndo();
  if (!edit) {
    ShowMessage(edit_texts::kCannotUndo);
    return;
  }
  // The step moves only with the file, so that a failed Undo can be tried
  // again and the next one never undoes a change the file does not hold.
  if (ApplyEdit(*edit) == 0) UndoJournal.UndoDone();
  AfterJournalStep(*edit);
}

void MainWindow::ReDoLoad() {
  const std::optional<FileEdit> edit = UndoJournal.NextRedo();
  if (!edit) {
    ShowMessage(edit_texts::kCannotRedo);
    return;
  }
  if (ApplyEdit(*edit) == 0) UndoJournal.RedoDone();
  AfterJournalStep(*edit);
}

void MainWindow::AfterJournalStep(const FileEdit& edit) {
  EnableUndoCommands();
  // An overwrite keeps the size; a moved tail changes it and the scroll range.
  if (edit.kind != EditKind::Overwrite) {
    RefreshFiles();
    RePaintFileStatus();
  }
  RePaint();
}

void MainWindow::OnUndo() { UndoLoad(); }

void MainWindow::OnRedo() { ReDoLoad(); }

}  // namespace vx

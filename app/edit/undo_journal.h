// The undo journal of the open file: a growable array of fixed records in
// which the step number, not the place in the array, orders the changes.
// Every change is already on disk when it is recorded; Undo and Redo apply
// the inverse change, or the change again, through the main window.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace vx {

enum class UndoMethod : int32_t { Overwrite = 0, Insertion = 1, Deletion = 2 };

struct UndoRecord {
  int32_t SeekPoint = 0;
  uint8_t Dat = 0;         // the byte before the change
  uint8_t AfDat = 0;       // the byte after the change
  int32_t StepNumber = 0;  // 0 marks a free record
  UndoMethod Method = UndoMethod::Overwrite;

  bool operator==(const UndoRecord&) const = default;
};

// One change to make to the file for an Undo or a Redo step.
struct FileEdit {
  enum class Kind {
    Overwrite,  // RePlaceU(SeekPos, Dat, Ref = true)
    Insert,     // InsOne(open file, SeekPos, Dat)
    Delete,     // DelOne(open file, SeekPos)
  };
  Kind kind = Kind::Overwrite;
  int32_t SeekPos = 0;
  uint8_t Dat = 0;

  bool operator==(const FileEdit&) const = default;
};

// The inverse of a recorded change, and the change itself again.
FileEdit UndoEditOf(const UndoRecord& record);
FileEdit RedoEditOf(const UndoRecord& record);

class UndoJournal {
 public:
  // At most this many records are ever used (indexes 0 to 999).
  static constexpr int32_t kUpperIndexLimit = 1000;

  UndoJournal();

  // A file was opened: an empty journal, UndoStep back at its first value.
  void Reset();
  // Empties the journal (6 free records) and disables both commands;
  // UndoStep stays.
  void UndoClear();
  // Records a change that is already in the file. Shows "No Undo Over 1000."
  // and returns false when the journal is full.
  bool UndoSave(int32_t SeekPoint, uint8_t Dat, uint8_t AfDat, UndoMethod Method);

  // Index of the record to undo / redo, or -1.
  int32_t GetUndoArrayNumber() const;
  int32_t GetRedoArrayNumber() const;
  // What the Undo / Redo command must do to the file; none when there is
  // nothing to undo / redo (the window then says so).
  std::optional<FileEdit> NextUndo() const;
  std::optional<FileEdit> NextRedo() const;
  // The file took the change of NextUndo() / NextRedo(): the step moves and
  // the commands' enabling follows. A change the file refused moves nothing.
  void UndoDone();
  void RedoDone();

  bool UndoEnabled() const { return undo_enabled_; }
  bool RedoEnabled() const { return redo_enabled_; }
  int32_t UndoStep() const { return undo_step_; }
  const std::vector<UndoRecord>& UndoArray() const { return records_; }

 private:
  void EnableByRecords();

  std::vector<UndoRecord> records_;
  int32_t undo_step_ = 1;
  bool undo_enabled_ = false;
  bool redo_enabled_ = false;
};

}  // namespace vx

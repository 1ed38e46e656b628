// The undo journal of the open file: a growable array of fixed entries in
// which the step number, not the place in the array, orders the changes.
// Every change is already on disk when it is recorded; Undo and Redo apply
// the inverse change, or the change again, through the main window.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "app/disk/replace_list.h"

namespace vx {

// The changes the commands make to the file: one byte, a range of bytes
// replaced by another (a cut, a paste, a fill), or every match of a
// replace-all replaced.
enum class EditKind { Overwrite, Insert, Delete, Replace, ReplaceAll };

// The bytes one side of a range change holds, as the journal's data file
// keeps them: `count` bytes at `at` there, or `count` times `value`.
struct RangeBytes {
  int64_t count = 0;
  int64_t at = 0;
  bool repeated = false;
  uint8_t value = 0;

  bool operator==(const RangeBytes&) const = default;
};

// A change made to the file, as the journal keeps it.
struct JournalEntry {
  int64_t offset = 0;
  uint8_t before = 0;  // the byte before the change
  uint8_t after = 0;   // the byte after the change
  int32_t step = 0;    // 0 marks a free entry
  EditKind kind = EditKind::Overwrite;
  // A range change: the bytes it took out at `offset` and those it put in.
  RangeBytes removed;
  RangeBytes inserted;
  // A replace-all: its matches and replacement in the data file.
  ReplaceList matches{};

  bool operator==(const JournalEntry&) const = default;
};

// One change to make to the file for an Undo or a Redo step: `value` is the
// byte written or inserted; a range change replaces `removed` by `inserted`;
// a replace-all replaces `matches`, or with `inverse` takes that back.
struct FileEdit {
  EditKind kind = EditKind::Overwrite;
  int64_t offset = 0;
  uint8_t value = 0;
  RangeBytes removed;
  RangeBytes inserted;
  ReplaceList matches{};
  bool inverse = false;

  bool operator==(const FileEdit&) const = default;
};

// The inverse of a recorded change, and the change itself again.
FileEdit UndoEditOf(const JournalEntry& entry);
FileEdit RedoEditOf(const JournalEntry& entry);

class UndoJournal {
 public:
  // At most this many entries are ever used (indexes 0 to 999).
  static constexpr int32_t kUpperIndexLimit = 1000;

  UndoJournal();

  // A file was opened: an empty journal, the step back at its first value.
  void Reset();
  // Empties the journal (6 free entries) and disables both commands; the
  // step stays.
  void Clear();
  // Records a change that is already in the file. Shows "No Undo Over 1000."
  // and returns false when the journal is full.
  bool Record(EditKind kind, int64_t offset, uint8_t before, uint8_t after);
  // Records a range change that is already in the file, the same way.
  bool RecordRange(int64_t offset, const RangeBytes& removed, const RangeBytes& inserted);
  // Records a replace-all that is already in the file, the same way.
  bool RecordReplaceAll(const ReplaceList& matches);

  // Index of the entry to undo / redo, or -1.
  int32_t UndoIndex() const;
  int32_t RedoIndex() const;
  // What the Undo / Redo command must do to the file; none when there is
  // nothing to undo / redo (the window then says so).
  std::optional<FileEdit> NextUndo() const;
  std::optional<FileEdit> NextRedo() const;
  // The file took the change of NextUndo() / NextRedo(): the step moves and
  // the commands' enabling follows. A change the file refused moves nothing.
  void UndoDone();
  void RedoDone();

  bool CanUndo() const { return can_undo_; }
  bool CanRedo() const { return can_redo_; }
  // The step the next change takes.
  int32_t step() const { return step_; }
  const std::vector<JournalEntry>& entries() const { return entries_; }

 private:
  // Stores `entry` as the next step; false (shown) when the journal is full.
  bool Store(const JournalEntry& entry);
  void EnableByEntries();

  std::vector<JournalEntry> entries_;
  int32_t step_ = 1;
  bool can_undo_ = false;
  bool can_redo_ = false;
};

}  // namespace vx

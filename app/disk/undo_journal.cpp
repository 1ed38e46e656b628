#include "app/disk/undo_journal.h"

#include <algorithm>

#include "app/edit/edit_texts.h"
#include "common/message_box.h"

namespace vx {
namespace {

constexpr size_t kClearedEntries = 6;

int32_t FirstIndex(const std::vector<JournalEntry>& entries, auto matches) {
  const auto it = std::find_if(entries.begin(), entries.end(), matches);
  return it == entries.end() ? -1 : static_cast<int32_t>(it - entries.begin());
}

}  // namespace

FileEdit UndoEditOf(const JournalEntry& entry) {
  switch (entry.kind) {
    case EditKind::Insert:
      return {EditKind::Delete, entry.offset, 0, {}, {}};
    case EditKind::Delete:
      return {EditKind::Insert, entry.offset, entry.before, {}, {}};
    case EditKind::Replace:
      return {EditKind::Replace, entry.offset, 0, entry.inserted, entry.removed};
    case EditKind::ReplaceAll:
      return {EditKind::ReplaceAll, 0, 0, {}, {}, entry.matches, true};
    case EditKind::Overwrite:
      break;
  }
  return {EditKind::Overwrite, entry.offset, entry.before, {}, {}};
}

FileEdit RedoEditOf(const JournalEntry& entry) {
  switch (entry.kind) {
    case EditKind::Insert:
      return {EditKind::Insert, entry.offset, entry.after, {}, {}};
    case EditKind::Delete:
      return {EditKind::Delete, entry.offset, 0, {}, {}};
    case EditKind::Replace:
      return {EditKind::Replace, entry.offset, 0, entry.removed, entry.inserted};
    case EditKind::ReplaceAll:
      return {EditKind::ReplaceAll, 0, 0, {}, {}, entry.matches, false};
    case EditKind::Overwrite:
      break;
  }
  return {EditKind::Overwrite, entry.offset, entry.after, {}, {}};
}

UndoJournal::UndoJournal() { Clear(); }

void UndoJournal::Reset() {
  Clear();
  step_ = 1;
}

void UndoJournal::Clear() {
  entries_.assign(kClearedEntries, JournalEntry{});
  can_undo_ = false;
  can_redo_ = false;
}

bool UndoJournal::Record(EditKind kind, int64_t offset, uint8_t before, uint8_t after) {
  return Store({offset, before, after, 0, kind, {}, {}});
}

bool UndoJournal::RecordRange(int64_t offset, const RangeBytes& removed,
                              const RangeBytes& inserted) {
  return Store({offset, 0, 0, 0, EditKind::Replace, removed, inserted});
}

bool UndoJournal::RecordReplaceAll(const ReplaceList& matches) {
  return Store({0, 0, 0, 0, EditKind::ReplaceAll, {}, {}, matches});
}

bool UndoJournal::Store(const JournalEntry& entry) {
  // A new change discards every change that was undone, even when it is then
  // refused below.
  for (JournalEntry& e : entries_) {
    if (e.step >= step_) e.step = 0;
  }
  int32_t chosen = FirstIndex(entries_, [](const JournalEntry& e) { return e.step == 0; });
  if (chosen == -1) {
    entries_.emplace_back();
    chosen = static_cast<int32_t>(entries_.size()) - 1;
  }
  // The array's upper index, not the chosen one: once grown to 1000 the
  // journal refuses until it is cleared, even with entries freed since.
  if (static_cast<int32_t>(entries_.size()) - 1 >= kUpperIndexLimit) {
    ShowMessage(edit_texts::kUndoFull);
    return false;
  }
  entries_[static_cast<size_t>(chosen)] = entry;
  entries_[static_cast<size_t>(chosen)].step = step_;
  ++step_;
  can_undo_ = true;
  can_redo_ = false;
  return true;
}

int32_t UndoJournal::UndoIndex() const {
  return FirstIndex(entries_,
                    [this](const JournalEntry& e) { return e.step != 0 && e.step == step_ - 1; });
}

int32_t UndoJournal::RedoIndex() const {
  return FirstIndex(entries_, [this](const JournalEntry& e) { return e.step == step_; });
}

std::optional<FileEdit> UndoJournal::NextUndo() const {
  const int32_t i = UndoIndex();
  if (i == -1) return std::nullopt;
  return UndoEditOf(entries_[static_cast<size_t>(i)]);
}

std::optional<FileEdit> UndoJournal::NextRedo() const {
  const int32_t i = RedoIndex();
  if (i == -1) return std::nullopt;
  return RedoEditOf(entries_[static_cast<size_t>(i)]);
}

void UndoJournal::UndoDone() {
  --step_;
  EnableByEntries();
}

void UndoJournal::RedoDone() {
  ++step_;
  EnableByEntries();
}

void UndoJournal::EnableByEntries() {
  can_undo_ = UndoIndex() != -1;
  can_redo_ = RedoIndex() != -1;
}

}  // namespace vx

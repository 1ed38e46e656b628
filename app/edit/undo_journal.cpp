#include "app/edit/undo_journal.h"

#include <algorithm>

#include "app/edit/edit_texts.h"
#include "common/message_box.h"

namespace vx {
namespace {

constexpr size_t kClearedRecords = 6;

int32_t FirstIndex(const std::vector<UndoRecord>& records, auto matches) {
  const auto it = std::find_if(records.begin(), records.end(), matches);
  return it == records.end() ? -1 : static_cast<int32_t>(it - records.begin());
}

}  // namespace

FileEdit UndoEditOf(const UndoRecord& record) {
  switch (record.Method) {
    case UndoMethod::Insertion:
      return {FileEdit::Kind::Delete, record.SeekPoint, 0};
    case UndoMethod::Deletion:
      return {FileEdit::Kind::Insert, record.SeekPoint, record.Dat};
    case UndoMethod::Overwrite:
      break;
  }
  return {FileEdit::Kind::Overwrite, record.SeekPoint, record.Dat};
}

FileEdit RedoEditOf(const UndoRecord& record) {
  switch (record.Method) {
    case UndoMethod::Insertion:
      return {FileEdit::Kind::Insert, record.SeekPoint, record.AfDat};
    case UndoMethod::Deletion:
      return {FileEdit::Kind::Delete, record.SeekPoint, 0};
    case UndoMethod::Overwrite:
      break;
  }
  return {FileEdit::Kind::Overwrite, record.SeekPoint, record.AfDat};
}

UndoJournal::UndoJournal() { UndoClear(); }

void UndoJournal::Reset() {
  UndoClear();
  undo_step_ = 1;
}

void UndoJournal::UndoClear() {
  records_.assign(kClearedRecords, UndoRecord{});
  undo_enabled_ = false;
  redo_enabled_ = false;
}

bool UndoJournal::UndoSave(int32_t SeekPoint, uint8_t Dat, uint8_t AfDat, UndoMethod Method) {
  // A new change discards every change that was undone, even when it is then
  // refused below.
  for (UndoRecord& r : records_) {
    if (r.StepNumber >= undo_step_) r.StepNumber = 0;
  }
  int32_t chosen = FirstIndex(records_, [](const UndoRecord& r) { return r.StepNumber == 0; });
  if (chosen == -1) {
    records_.emplace_back();
    chosen = static_cast<int32_t>(records_.size()) - 1;
  }
  // The array's upper index, not the chosen one: once grown to 1000 the
  // journal refuses until it is cleared, even with records freed since.
  if (static_cast<int32_t>(records_.size()) - 1 >= kUpperIndexLimit) {
    ShowMessage(edit_texts::kUndoFull);
    return false;
  }
  records_[static_cast<size_t>(chosen)] = {SeekPoint, Dat, AfDat, undo_step_, Method};
  ++undo_step_;
  undo_enabled_ = true;
  redo_enabled_ = false;
  return true;
}

int32_t UndoJournal::GetUndoArrayNumber() const {
  return FirstIndex(records_, [this](const UndoRecord& r) {
    return r.StepNumber != 0 && r.StepNumber == undo_step_ - 1;
  });
}

int32_t UndoJournal::GetRedoArrayNumber() const {
  return FirstIndex(records_, [this](const UndoRecord& r) { return r.StepNumber == undo_step_; });
}

std::optional<FileEdit> UndoJournal::NextUndo() const {
  const int32_t i = GetUndoArrayNumber();
  if (i == -1) return std::nullopt;
  return UndoEditOf(records_[static_cast<size_t>(i)]);
}

std::optional<FileEdit> UndoJournal::NextRedo() const {
  const int32_t i = GetRedoArrayNumber();
  if (i == -1) return std::nullopt;
  return RedoEditOf(records_[static_cast<size_t>(i)]);
}

void UndoJournal::UndoDone() {
  --undo_step_;
  EnableByRecords();
}

void UndoJournal::RedoDone() {
  ++undo_step_;
  EnableByRecords();
}

void UndoJournal::EnableByRecords() {
  undo_enabled_ = GetUndoArrayNumber() != -1;
  redo_enabled_ = GetRedoArrayNumber() != -1;
}

}  // namespace vx

#include "app/document/edited_document.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "app/disk/backup.h"
#include "app/document/document_texts.h"
#include "app/disk/insert_delete.h"
#include "app/disk/recovery.h"
#include "app/document/open_texts.h"
#include "app/edit/edit_texts.h"
#include "app/page/dump_page.h"
#include "app/search/search_messages.h"
#include "app/search/search_texts.h"
#include "app/settings/display_settings.h"
#include "app/settings/settings_folder.h"
#include "common/file_seam.h"
#include "common/message_box.h"

namespace vx {

void EditedDocument::ShowJournalDataFailure(FailedCommand failed_as) const {
  Failure failure = journal_data_.failure();
  failure.unchanged = true;
  ShowMessage(FailureMessage(failed_as, failure), MsgButtons::Ok, MsgIcon::Exclamation);
}

Failure EditedDocument::OverwriteFailure(int64_t offset) const {
  // Taken first, before the look at the file can change it.
  Failure failure = SystemFailure(fs::LastSystemError(), FailedPlace::File, path_);
  const int64_t length = file().Length();
  if (length < 0) failure = {FailureCause::Missing, FailedPlace::File, path_};
  if (length >= 0 && length < offset) failure = {FailureCause::Shortened, FailedPlace::File, path_};
  // One byte is written or not: a failed write leaves the file as it was.
  failure.unchanged = true;
  return failure;
}

EditedDocument::EditedDocument(ProgressCallback progress,
                               SearchState::CommandSwitch find_next_switch)
    : progress_(std::move(progress)), search_(progress_, std::move(find_next_switch)) {}

OpenOutcome EditedDocument::Open(const std::wstring& path) {
  journal_.Reset();
  journal_data_.Clear();
  // Bookmarks belong to the file they were set in: the window reads the new one's.
  bookmarks_.Replace({});
  changed_ = false;
  path_ = path;
  // A search belongs to the file it ran on.
  search_.Clear();
  if (!path.empty() && !EditedFile(path).CanOpen()) {
    ShowMessage(open_texts::kOpenFailed);
    Close();
    return OpenOutcome::Failed;
  }
  if (path_.empty()) {
    Close();
    return OpenOutcome::NoFile;
  }
  const int64_t length = file().Length();
  if (length == 0 && ShowMessage(open_texts::kZeroBytes, MsgButtons::YesNo) != MsgAnswer::Yes) {
    Close();
    return OpenOutcome::NoFile;
  }
  // A file another copy is moving now is shown as it is: nothing here needs
  // repair, and each change is refused (and says why) only while it lasts.
  if (!IsBeingMoved(path_) && MayChangeFile() && length == 0) Overwrite(0, 0);
  FollowFile(0);
  told_.reset();
  return OpenOutcome::Opened;
}

void EditedDocument::Close() {
  path_.clear();
  size_ = 0;
  known_.reset();
  told_.reset();
}

void EditedDocument::Reload() {
  journal_.Reset();
  journal_data_.Clear();
  search_.Clear();
  // The bookmarks stay at their addresses; no Undo brings one back now.
  bookmarks_.ForgetSteps();
  changed_ = false;
  FollowFile(CaretOffset());
  told_.reset();
  if (reloaded_) reloaded_();
}

void EditedDocument::RememberFile(int64_t changed_at) { known_ = ReadKnownFile(path_, changed_at); }

void EditedDocument::FollowFile(int64_t changed_at) {
  Refresh();
  RememberFile(changed_at);
}

// A notice when the window is activated, rather than a change notification
// on the folder: a notification would come for every write of our own and of
// the other files there, and would interrupt the person mid-edit, while the
// activation is when the person comes back from the other program; the
// check before every write covers a change made while the window stays in
// front (a second copy, a script).
bool EditedDocument::NoticeOutsideChange() {
  if (!IsOpen() || !known_) return false;
  const FileState state = CompareWithFile(*known_, path_);
  if (state == FileState::AsLeft || state == FileState::Unreadable) return false;
  // Another copy's edit still running on the file is told when a change is
  // tried; the file is told as changed once that edit is over.
  if (!SettlePendingRecords(path_).empty()) return false;
  const std::optional<KnownFile> now = ReadKnownFile(path_, known_->sampled_at);
  if (state == FileState::Changed && now && now == told_) return false;
  if (state == FileState::Gone && told_ && told_->identity.length < 0) return false;
  TellOutsideChange(state, document_texts::kChangedOutsideNoticed);
  return true;
}

void EditedDocument::TellOutsideChange(FileState state, const wchar_t* message) {
  const std::wstring name = std::wstring(document_texts::kChangedOutsideBefore) + path_;
  if (state == FileState::Gone) {
    // Told once: a length no file has marks the missing one.
    told_ = KnownFile{{-1, 0, 0, 0}, 0, 0};
    ShowMessage(name + document_texts::kRemovedOutside, MsgButtons::Ok, MsgIcon::Exclamation);
    return;
  }
  told_ = ReadKnownFile(path_, known_ ? known_->sampled_at : 0);
  if (ShowMessage(name + message, MsgButtons::YesNo, MsgIcon::Exclamation) == MsgAnswer::Yes) {
    Reload();
  }
}

bool EditedDocument::FileIsAsLeft() {
  if (!known_) {
    // The file could not be read when it was last left: what it is now is
    // all there is to go by.
    RememberFile(0);
    return true;
  }
  const FileState state = CompareWithFile(*known_, path_);
  if (state == FileState::AsLeft || state == FileState::Unreadable) return true;
  TellOutsideChange(state, document_texts::kChangedOutsideRefused);
  return false;
}

bool EditedDocument::JournalDataProves(const FileEdit& edit, FailedCommand failed_as) {
  std::vector<std::pair<int64_t, int64_t>> needed;  // offset and count in the data file
  if (edit.kind == EditKind::Replace) {
    for (const RangeBytes* bytes : {&edit.removed, &edit.inserted}) {
      if (!bytes->repeated) needed.emplace_back(bytes->at, bytes->count);
    }
  } else if (edit.kind == EditKind::ReplaceAll) {
    needed = {{edit.matches.at, edit.matches.bytes},
              {edit.matches.replacement_at, edit.matches.replacement_count}};
  }
  const int64_t kept = journal_data_.blocks() ? journal_data_.blocks()->Length() : -1;
  for (const auto& [at, count] : needed) {
    if (journal_data_.Proves(at, count)) continue;
    // A data file cut short cannot give the bytes back at all; one of the
    // right length holds another program's bytes.
    const FailureCause cause =
        count > 0 && (at < 0 || at > kept - count) ? FailureCause::Shortened : FailureCause::Changed;
    ShowMessage(FailureMessage(failed_as, {cause, FailedPlace::JournalData, journal_data_.name(), 0,
                                           true}),
                MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
  }
  return true;
}

std::wstring EditedDocument::BackUpPath() const {
  return BackUpPathFor(path_, DisplaySettings.BackUpSuffix);
}

bool EditedDocument::BackUpExists() const { return IsOpen() && fs::FileExists(BackUpPath()); }

DisplaySettingsRecord EditedDocument::FileSettings() const {
  return WithAddressColumnFor(DisplaySettings, size_);
}

DisplaySettingsRecord EditedDocument::PageSettings() const {
  const DisplaySettingsRecord s = FileSettings();
  return limited_shape_ ? WithShape(s, *limited_shape_) : s;
}

bool EditedDocument::Refresh() {
  const DisplaySettingsRecord s = PageSettings();
  size_ = std::max<int64_t>(file().Length(), 0);
  // The last page ends with the file's last line on its second-to-last row.
  // Lines first, so that the largest length cannot overflow.
  const int64_t lines = size_ / s.BytesPerLine + 2 - s.LinesPerPage;
  last_top_ = std::max<int64_t>(1, lines);
  caret_.top = InScrollRange(caret_.top);
  if (size_ >= CaretOffset()) return false;
  PlaceCaret({0, 0, 0});
  return true;
}

double EditedDocument::page_share() const {
  const DisplaySettingsRecord s = PageSettings();
  return size_ > 0 ? static_cast<double>(s.LinesPerPage) * s.BytesPerLine / size_ : 2.0;
}

int64_t EditedDocument::InScrollRange(int64_t top) const {
  return std::clamp<int64_t>(top, 0, std::max<int64_t>(0, last_top_));
}

int64_t EditedDocument::CaretOffset() const { return OffsetOfPlace(PageSettings(), caret_); }

void EditedDocument::PlaceCaret(CaretPlace wanted) {
  caret_ = ClampedCaret(PageSettings(), last_top_, wanted);
  caret_.top = InScrollRange(caret_.top);
}

bool EditedDocument::MoveCaret(int32_t columns, int32_t rows) {
  const std::optional<CaretPlace> moved = MovedCaret(PageSettings(), caret_, columns, rows);
  if (!moved) return false;
  caret_ = {moved->x, moved->y, InScrollRange(moved->top)};
  return true;
}

void EditedDocument::GoTo(int64_t offset) {
  PlaceCaret(CaretAtOffset(PageSettings(), last_top_, offset));
}

void EditedDocument::ScrollTo(int64_t top) { caret_.top = InScrollRange(top); }

void EditedDocument::FitCaretToPage() {
  const PageShape shape = ShapeOf(PageSettings());
  caret_.y = std::min(caret_.y, shape.lines - 1);
  caret_.x = std::min(caret_.x, shape.bytes_per_line - 1);
}

void EditedDocument::FollowNewStep(int32_t step, const ByteShifts& shifts) {
  bookmarks_.FollowNewStep(shifts, step, journal_.step() != step);
}

ByteShifts EditedDocument::ShiftsOf(const FileEdit& edit) {
  if (const std::optional<ByteShift> shift = ShiftOf(edit)) return OneShift(*shift);
  return MatchShifts(edit.matches, edit.inverse);
}

ByteShifts EditedDocument::MatchShifts(const ReplaceList& matches, bool inverse) {
  BlockFile* data = journal_data_.blocks();
  // The list is read only where there are bookmarks to move.
  if (bookmarks_.empty() || !data) return [] { return std::optional<ByteShift>(); };
  auto reader = std::make_shared<ReplaceListReader>(*data, matches);
  reader->ToStart();
  // Taken back, each match's replacement stands where the replaces before
  // it moved it.
  return [reader, inverse, put = matches.replacement_count,
          moved_by = int64_t{0}]() mutable -> std::optional<ByteShift> {
    const std::optional<ListEntry> entry = reader->Next();
    if (!entry) return std::nullopt;
    if (!inverse) return ByteShift{entry->offset, entry->length, put};
    const ByteShift shift{entry->offset + moved_by, put, entry->length};
    moved_by += put - entry->length;
    return shift;
  };
}

bool EditedDocument::MayChangeFile() const {
  if (IsBeingMoved(path_)) {
    ShowMessage(RefusalMessage({FailureCause::OtherCopyEditing, FailedPlace::File, path_, 0, true}),
                MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
  }
  const std::wstring pending = SettlePendingRecords(path_);
  if (pending.empty()) return true;
  ShowMessage(pending, MsgButtons::Ok, MsgIcon::Exclamation);
  return false;
}

bool EditedDocument::BeginChange(bool* backup_made) {
  if (!MayChangeFile() || !FileIsAsLeft()) return false;
  if (changed_) return true;
  if (DisplaySettings.AutoBackUp) {
    const BackUpOutcome outcome =
        MakeBackUp(file(), size_, DisplaySettings.BackUpSuffix, SpeedTestFolder(path_), progress_);
    // Still unchanged, so that the next change asks again.
    if (outcome == BackUpOutcome::Cancelled) return false;
    if (outcome == BackUpOutcome::Made && backup_made) *backup_made = true;
  }
  changed_ = true;
  return true;
}

std::optional<uint8_t> EditedDocument::Overwrite(int64_t offset, uint8_t value) {
  const EditedFile edited = file();
  const std::optional<uint8_t> old = edited.Overwrite(offset, value);
  if (!old) return std::nullopt;
  size_ = std::max<int64_t>(edited.Length(), 0);
  return old;
}

bool EditedDocument::OverwriteAtCaret(uint8_t value) {
  const int64_t offset = CaretOffset();
  const std::optional<uint8_t> old = Overwrite(offset, value);
  if (!old) ShowMessage(FailureMessage(FailedCommand::Overwrite, OverwriteFailure(offset)));
  // The size shown follows the file whether the write went through or not.
  FollowFile(offset);
  if (old) journal_.Record(EditKind::Overwrite, offset, *old, value);
  return old.has_value();
}

bool EditedDocument::MoveTailOut(int64_t offset, uint8_t value, RecordedCommand command) {
  return InsertIntoFile(file(), offset, value, progress_, BackUpPath(), command);
}

bool EditedDocument::MoveTailIn(int64_t offset, RecordedCommand command) {
  return DeleteFromFile(file(), offset, progress_, BackUpPath(), command);
}

bool EditedDocument::Insert(int64_t offset, uint8_t value) {
  if (offset >= size_) return false;
  const int32_t step = journal_.step();
  if (MoveTailOut(offset, value, RecordedCommand::Itself)) {
    journal_.Record(EditKind::Insert, offset, 0, value);
    FollowNewStep(step, OneShift({offset, 0, 1}));
  }
  // A failed move may still have lengthened the file: show what is on disk.
  FollowFile(offset);
  return true;
}

bool EditedDocument::Delete(int64_t offset) {
  if (size_ <= 1) {
    ShowMessage(edit_texts::kNoMoreDelete);
    return false;
  }
  if (offset >= size_) return false;
  uint8_t old[1];
  if (file().Read(offset, old) != ReadResult::Read) {
    ShowMessage(edit_texts::kCanNoDelete);
    return false;
  }
  const int32_t step = journal_.step();
  if (MoveTailIn(offset, RecordedCommand::Itself)) {
    journal_.Record(EditKind::Delete, offset, old[0], 0);
    FollowNewStep(step, OneShift({offset, 1, 0}));
  }
  FollowFile(offset);
  return true;
}

// The tail moves show their own failures; an overwrite's is shown here.
bool EditedDocument::Apply(const FileEdit& edit, RecordedCommand command) {
  const FailedCommand named = NamedCommand(command, FailedCommand::Overwrite);
  switch (edit.kind) {
    case EditKind::Overwrite:
      if (Overwrite(edit.offset, edit.value)) return true;
      ShowMessage(FailureMessage(named, OverwriteFailure(edit.offset)));
      return false;
    case EditKind::Insert:
      return MoveTailOut(edit.offset, edit.value, command);
    case EditKind::Delete:
      return MoveTailIn(edit.offset, command);
    case EditKind::Replace:
      return MoveRange(edit.offset, edit.removed, edit.inserted, command, named);
    case EditKind::ReplaceAll:
      return MoveReplaceAll(edit.matches, edit.inverse, command);
  }
  return false;
}

bool EditedDocument::MoveRange(int64_t offset, RangeBytes removed, const RangeBytes& inserted,
                               RecordedCommand command, FailedCommand failed_as) {
  if (removed.repeated) {
    const std::optional<int64_t> at = journal_data_.AppendRepeated(removed.value, removed.count);
    if (!at) {
      ShowJournalDataFailure(failed_as);
      return false;
    }
    removed = {removed.count, *at};
  }
  if (!journal_data_.Flush(progress_)) {
    ShowJournalDataFailure(failed_as);
    return false;
  }
  // A data file cut short since (by another program) cannot give the bytes
  // back: refused before the file is touched, not blamed on the file.
  const int64_t kept = journal_data_.blocks() ? journal_data_.blocks()->Length() : -1;
  const auto holds = [kept](const RangeBytes& bytes) {
    return bytes.repeated || bytes.count == 0 || (bytes.at >= 0 && bytes.at <= kept - bytes.count);
  };
  if (!holds(removed) || !holds(inserted)) {
    ShowMessage(FailureMessage(failed_as, {FailureCause::Shortened, FailedPlace::JournalData,
                                           journal_data_.name(), 0, true}),
                MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
  }
  const RangeData data{journal_data_.blocks(), journal_data_.name(), removed.at, inserted.at,
                       inserted.repeated,      inserted.value};
  return ReplaceInFile(file(), offset, removed.count, inserted.count, data, progress_, BackUpPath(),
                       failed_as, command);
}

bool EditedDocument::ChangeRange(int64_t first, int64_t removed, std::span<const uint8_t> inserted,
                                 std::optional<uint8_t> fill, int64_t fill_count,
                                 FailedCommand failed_as) {
  const std::optional<int64_t> kept = journal_data_.AppendFrom(file(), first, removed);
  const std::optional<int64_t> added = kept && !fill ? journal_data_.Append(inserted) : kept;
  if (!added) {
    ShowJournalDataFailure(failed_as);
    // The file may have changed under the window: show what is on disk.
    Refresh();
    return false;
  }
  const RangeBytes removed_bytes{removed, *kept};
  const RangeBytes inserted_bytes = fill
                                        ? RangeBytes{fill_count, 0, true, *fill}
                                        : RangeBytes{static_cast<int64_t>(inserted.size()), *added};
  const int32_t step = journal_.step();
  range_taken_ =
      MoveRange(first, removed_bytes, inserted_bytes, RecordedCommand::Itself, failed_as);
  if (range_taken_) {
    journal_.RecordRange(first, removed_bytes, inserted_bytes);
    FollowNewStep(step, OneShift({first, removed, inserted_bytes.count}));
  }
  // A failed move may still have changed the length: show what is on disk.
  FollowFile(first);
  return true;
}

bool EditedDocument::ReplaceRange(int64_t first, int64_t removed, std::span<const uint8_t> inserted,
                                  std::optional<FailedCommand> failed_as) {
  range_taken_ = false;
  const int64_t added = static_cast<int64_t>(inserted.size());
  if (first < 0 || removed < 0 || first > size_ || removed > size_ - first ||
      (removed == 0 && added == 0)) {
    return false;
  }
  // The file is never emptied, as a deletion of its last byte is refused.
  if (removed == size_ && added == 0) {
    ShowMessage(edit_texts::kNoMoreDelete);
    return false;
  }
  const FailedCommand named =
      failed_as.value_or(added == 0 ? FailedCommand::Delete : FailedCommand::Paste);
  return ChangeRange(first, removed, inserted, std::nullopt, 0, named);
}

bool EditedDocument::OverwriteRange(int64_t first, std::span<const uint8_t> bytes,
                                    FailedCommand failed_as) {
  range_taken_ = false;
  const int64_t count = static_cast<int64_t>(bytes.size());
  if (first < 0 || count == 0 || first > size_ || count > size_ - first) return false;
  return ChangeRange(first, count, bytes, std::nullopt, 0, failed_as);
}

bool EditedDocument::FillRange(int64_t first, int64_t count, uint8_t value) {
  range_taken_ = false;
  if (first < 0 || count <= 0 || first > size_ || count > size_ - first) return false;
  return ChangeRange(first, count, {}, value, count, FailedCommand::Fill);
}

bool EditedDocument::MoveReplaceAll(const ReplaceList& matches, bool inverse,
                                    RecordedCommand command) {
  BlockFile* data = journal_data_.blocks();
  std::vector<uint8_t> replacement(static_cast<size_t>(matches.replacement_count));
  const int64_t n = matches.replacement_count;
  if (!data || (n > 0 && data->ReadAt(matches.replacement_at, replacement.data(), n) != n) ||
      !journal_data_.Flush(progress_)) {
    ShowJournalDataFailure(NamedCommand(command, FailedCommand::ReplaceAll));
    return false;
  }
  return ReplaceAllInFile(file(), {data, matches, replacement}, inverse, journal_data_.name(),
                          progress_, BackUpPath(), command);
}

ReplaceAllOutcome EditedDocument::ReplaceAll(const MatchFinder& find_matches,
                                             std::span<const uint8_t> replacement) {
  using Outcome = ReplaceAllOutcome;
  const std::optional<int64_t> replacement_at = journal_data_.Append(replacement);
  if (!replacement_at) {
    ShowJournalDataFailure(FailedCommand::ReplaceAll);
    return {Outcome::Failed, 0};
  }
  const auto count = static_cast<int64_t>(replacement.size());
  ReplaceListWriter writer(
      [this](std::span<const uint8_t> bytes) { return journal_data_.Append(bytes); }, count);
  // The matches must lie in the file, ascending and apart; the finder's
  // word is not taken for it.
  int64_t next_free = 0;
  bool misplaced = false, unkept = false;
  const bool found = find_matches([&](int64_t offset, std::span<const uint8_t> bytes) {
    const auto length = static_cast<int64_t>(bytes.size());
    if (offset < next_free || length == 0 || length > size_ - offset) {
      misplaced = true;
      return false;
    }
    next_free = offset + length;
    unkept = !writer.Add(offset, bytes);
    return !unkept;
  });
  std::optional<ReplaceList> matches = writer.Finish();
  if (unkept || !matches) {
    ShowJournalDataFailure(FailedCommand::ReplaceAll);
    return {Outcome::Failed, 0};
  }
  if (misplaced) {
    ShowMessage(FailureMessage(FailedCommand::ReplaceAll, {}));
    return {Outcome::Failed, 0};
  }
  if (!found) return {Outcome::Cancelled, 0};
  if (matches->count == 0) return {Outcome::NothingFound, 0};
  if (matches->shift == ShiftKind::Mixed) {
    ShowMessage(edit_texts::kReplaceAllMixed);
    return {Outcome::Failed, matches->count};
  }
  // The file is never emptied, as a deletion of its last byte is refused.
  if (size_ - matches->removed + matches->count * count == 0) {
    ShowMessage(edit_texts::kNoMoreDelete);
    return {Outcome::Failed, matches->count};
  }
  matches->replacement_at = *replacement_at;
  matches->replacement_count = count;
  matches->replacement_sum = AddToSum(kSumStart, replacement);
  const int32_t step = journal_.step();
  const bool replaced = MoveReplaceAll(*matches, false, RecordedCommand::Itself);
  if (replaced) {
    journal_.RecordReplaceAll(*matches);
    FollowNewStep(step, MatchShifts(*matches, false));
  }
  // A failed replace may still have changed the length: show what is on disk.
  FollowFile(CaretOffset());
  return {replaced ? Outcome::Replaced : Outcome::Failed, matches->count};
}

bool EditedDocument::Undo() {
  return TakeJournalStep(journal_.NextUndo(), edit_texts::kCannotUndo, &UndoJournal::UndoDone,
                         RecordedCommand::Undo);
}

bool EditedDocument::Redo() {
  return TakeJournalStep(journal_.NextRedo(), edit_texts::kCannotRedo, &UndoJournal::RedoDone,
                         RecordedCommand::Redo);
}

bool EditedDocument::TakeJournalStep(const std::optional<FileEdit>& edit, const wchar_t* none,
                                     void (UndoJournal::*done)(), RecordedCommand command) {
  if (!edit) {
    ShowMessage(none);
    return false;
  }
  if (!MayChangeFile() || !FileIsAsLeft() ||
      !JournalDataProves(*edit, NamedCommand(command, FailedCommand::Undo))) {
    return false;
  }
  // The step moves only with the file, so that a failed one can be tried
  // again and the next one never undoes a change the file does not hold.
  if (Apply(*edit, command)) {
    // Undo takes back the step below the journal's, Redo makes its own again.
    const int32_t step = command == RecordedCommand::Undo ? journal_.step() - 1 : journal_.step();
    (journal_.*done)();
    bookmarks_.FollowStep(ShiftsOf(*edit), step);
  }
  // An overwrite keeps the size; a moved tail changes it and the scroll range.
  if (edit->kind != EditKind::Overwrite) Refresh();
  RememberFile(edit->offset);
  return true;
}

bool EditedDocument::Restore(const std::function<void()>& between_blocks) {
  if (!MayChangeFile()) return false;
  switch (RestoreFromBackUp(file(), BackUpPath(), between_blocks)) {
    case RestoreOutcome::NoBackUp:
      ShowMessage(edit_texts::kNoBackUpFile);
      return false;
    case RestoreOutcome::Failed:
      ShowMessage(edit_texts::kRestoreFailed, MsgButtons::Ok, MsgIcon::Critical);
      return false;
    case RestoreOutcome::Restored:
      break;
  }
  FollowFile(0);
  // The next change makes a fresh backup, and no change before the restore
  // can be undone any more.
  changed_ = false;
  journal_.Clear();
  journal_data_.Clear();
  bookmarks_.ForgetSteps();
  return true;
}

FindResult EditedDocument::FindNext() {
  return GoToMatchOrShowAllSearched(search_.ContinueFromCaret(file(), CaretOffset()));
}

FindResult EditedDocument::FindPrevious() {
  return GoToMatchOrShowAllSearched(search_.PreviousFromCaret(file(), CaretOffset()));
}

FindResult EditedDocument::GoToMatchOrShowAllSearched(const FindResult& result) {
  if (result.outcome == FindOutcome::Found) {
    GoTo(result.offset);
  } else {
    ShowMessage(search_texts::kAllSearched);
  }
  return result;
}

bool EditedDocument::ShowFindResult(const FindResult& result) {
  // The search state has already cleared itself when there was no match.
  if (const wchar_t* message = SearchResultMessage(result)) {
    ShowMessage(message);
    return false;
  }
  GoTo(result.offset);
  return true;
}

}  // namespace vx

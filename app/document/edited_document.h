// EditedDocument: the open file as the editor works on it, with no window.
// It holds the file's name and size, the caret, whether the file was changed
// since it was opened, the undo journal and the search, and carries out the
// commands on the file: overwrite, insert, delete, undo, redo, the backup
// before the first change, the restore, find next and go to. Long work
// reports through the progress callback and failures through ShowMessage;
// the window shows what the commands' results say.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "app/disk/move_record.h"
#include "app/document/bookmarks.h"
#include "app/document/caret_moves.h"
#include "app/disk/journal_data.h"
#include "app/edit/progress_callback.h"
#include "app/document/known_file.h"
#include "app/disk/undo_journal.h"
#include "app/edit/failure_message.h"
#include "app/file/edited_file.h"
#include "app/search/search_state.h"
#include "app/settings/display_settings_record.h"
#include "app/settings/page_shape.h"

namespace vx {

// The outcome of a replace-all, for the window's message: how many matches
// were replaced (or found, when it failed).
struct ReplaceAllOutcome {
  enum Result { Replaced, NothingFound, Cancelled, Failed } result = Failed;
  int64_t count = 0;
};

// Streams the matches of a search, in order and apart, each with its bytes
// as they stand, to the sink it is given (which answers false to stop);
// false when it failed or was cancelled.
using MatchSink = std::function<bool(int64_t offset, std::span<const uint8_t> bytes)>;
using MatchFinder = std::function<bool(const MatchSink& sink)>;

// What opening a file came to.
enum class OpenOutcome {
  Opened,
  // No file is shown: no name given, or the file was empty and not wanted.
  NoFile,
  // The file could not be opened; no file is shown.
  Failed,
};

class EditedDocument {
 public:
  // `progress` shows long work; `find_next_switch` follows the search state.
  EditedDocument(ProgressCallback progress, SearchState::CommandSwitch find_next_switch);

  // Makes `path` the open file (an empty path: none). The journal and the
  // search start afresh; a missing file is made, an empty one is given a
  // zero byte once the user agrees. An edit a stopped program left in it is
  // repaired first; one that cannot be repaired now is named, and the file
  // is shown but not changed until it is.
  OpenOutcome Open(const std::wstring& path);
  // No file open: no name, no size.
  void Close();

  // The file as it now stands taken for the open one, after another program
  // changed it: the journal and the search start afresh, the next change
  // makes a fresh backup, the bookmarks stay where they are. The handler set
  // here (the window's) then shows everything anew.
  void Reload();
  void SetReloadedHandler(std::function<void()> reloaded) { reloaded_ = std::move(reloaded); }
  // Checked when the window comes back to the person (and whenever else it
  // likes): a change another program made to the file since the program
  // left it is told once, with the choice to read the file again. True when
  // it was told.
  bool NoticeOutsideChange();

  bool IsOpen() const { return !path_.empty(); }
  const std::wstring& path() const { return path_; }
  EditedFile file() const { return EditedFile(path_); }
  int64_t size() const { return size_; }
  // Whether the file was changed since it was opened or restored: the next
  // change makes no backup while it is.
  bool changed() const { return changed_; }
  void set_changed(bool changed) { changed_ = changed; }
  const UndoJournal& journal() const { return journal_; }
  UndoJournal& journal() { return journal_; }
  SearchState& search() { return search_; }
  const SearchState& search() const { return search_; }
  // The bookmarks follow every change the commands, Undo and Redo make.
  const Bookmarks& bookmarks() const { return bookmarks_; }
  Bookmarks& bookmarks() { return bookmarks_; }
  // Where the backup of the open file goes, and whether it is there.
  std::wstring BackUpPath() const;
  bool BackUpExists() const;

  // The size from the disk, the scroll range for it, and the caret back to
  // the start when the file no longer reaches it. True when the caret moved.
  bool Refresh();
  // The highest top line of the scroll range, and the share of the file one
  // page covers (above 1 when the file fits on one page).
  int64_t last_top() const { return last_top_; }
  double page_share() const;

  // The page shape the caret moves on: the saved one, or the smaller one the
  // window shows while its screen cannot hold the saved one. The limit is
  // the window's alone: the settings keep what the person saved.
  void LimitPageShape(std::optional<PageShape> shape) { limited_shape_ = shape; }
  const std::optional<PageShape>& limited_shape() const { return limited_shape_; }
  // DisplaySettings with the address column this file's addresses need: what
  // the window fits to its screen.
  DisplaySettingsRecord FileSettings() const;
  // FileSettings as the page shows them: with the shape the caret moves on.
  DisplaySettingsRecord PageSettings() const;

  // The caret: its cell on the page and the top line of the page.
  const CaretPlace& caret() const { return caret_; }
  // The caret byte's zero-based offset.
  int64_t CaretOffset() const;
  // The caret at `wanted`, kept on the page and in the scroll range.
  void PlaceCaret(CaretPlace wanted);
  // The caret moved by columns and rows, wrapping at the line ends and
  // scrolling at the page's; false when it cannot go there.
  bool MoveCaret(int32_t columns, int32_t rows);
  // The caret on byte `offset`, its line at the top of the page where the
  // scroll range allows: a search result, the go-to window's choice.
  void GoTo(int64_t offset);
  // The page scrolled to `top` (kept in the scroll range); the caret keeps
  // its cell.
  void ScrollTo(int64_t top);
  // The caret's cell kept inside a page of a new shape.
  void FitCaretToPage();

  // The step before a change: before the first change of the file, the
  // backup (when the settings ask for one). False when the change must not
  // go ahead. `backup_made` is told when a backup was made.
  bool BeginChange(bool* backup_made = nullptr);

  // Writes `value` at `offset` and gives the byte that stood there; none
  // when the file refused it. The size follows the file.
  std::optional<uint8_t> Overwrite(int64_t offset, uint8_t value);
  // The byte input's entry at the caret, journalled; a failure is shown.
  // True when the file took it.
  bool OverwriteAtCaret(uint8_t value);
  // `value` inserted before byte `offset`, or byte `offset` deleted,
  // journalled; the caret's commands insert a zero at it and delete its
  // byte. Undo and Redo: the journal's next step applied to the file; that
  // there is none is shown. Every failure is shown; true when the file was
  // worked on, whether it took the change or not: the window shows it anew.
  bool Insert(int64_t offset, uint8_t value);
  bool Delete(int64_t offset);
  bool InsertAtCaret() { return Insert(CaretOffset(), 0); }
  bool DeleteAtCaret() { return Delete(CaretOffset()); }
  bool Undo();
  bool Redo();

  // The range commands, called after BeginChange like the others: the
  // `removed` bytes at `first` replaced by `inserted` (a cut or a delete:
  // none; a paste: the clipboard's), `bytes` written over those from `first`
  // on (a paste over; the caller keeps them inside the file), and `count`
  // bytes from `first` on set to `value` (a fill). Each is one journal step
  // whose bytes the journal's data file keeps; every failure is shown, named
  // as `failed_as`'s (by default a delete when nothing is inserted, else a
  // paste; a paste over); true when the file was worked on: the window
  // shows it anew.
  bool ReplaceRange(int64_t first, int64_t removed, std::span<const uint8_t> inserted,
                    std::optional<FailedCommand> failed_as = std::nullopt);
  bool OverwriteRange(int64_t first, std::span<const uint8_t> bytes,
                      FailedCommand failed_as = FailedCommand::PasteOver);
  bool FillRange(int64_t first, int64_t count, uint8_t value);
  // Whether the last range command's change is in the file: a cut puts its
  // bytes on the clipboard only then.
  bool range_taken() const { return range_taken_; }
  // Replace all, called after BeginChange like the range commands: every
  // match `find_matches` streams gives way to `replacement` (empty: the
  // matches are deleted) in one pass over the file, one journal step. The
  // matches and the bytes they hold go to the journal's data file first,
  // so that nothing in the file changes before every match is known (a
  // cancel during the finding leaves it untouched) and memory stays flat
  // whatever their number. Every failure is shown.
  ReplaceAllOutcome ReplaceAll(const MatchFinder& find_matches,
                               std::span<const uint8_t> replacement);
  // Puts the backup back in the file's place; the journal is emptied and the
  // next change makes a fresh backup. False after the failure was shown.
  bool Restore(const std::function<void()>& between_blocks);

  // Find next and Find previous: the last pattern searched for again from
  // behind the caret, or before it; the match, else "all searched" was
  // shown. The caret goes to the match.
  FindResult FindNext();
  FindResult FindPrevious();
  // A search's result: the caret on the match (true), or its message shown.
  bool ShowFindResult(const FindResult& result);

 private:
  // The tail moves of an insertion and a deletion, for `command`.
  bool MoveTailOut(int64_t offset, uint8_t value, RecordedCommand command);
  bool MoveTailIn(int64_t offset, RecordedCommand command);
  // The range change of `removed` into `inserted` at `offset` made in the
  // file through its move; a removed side of repeated bytes is written to
  // the data file first, since a move that must be taken back reads it.
  bool MoveRange(int64_t offset, RangeBytes removed, const RangeBytes& inserted,
                 RecordedCommand command, FailedCommand failed_as);
  // A range command: the bytes at `first` kept in the data file, then
  // those of `inserted` that are not repeated, then the change made and
  // journalled. False when they could not be kept (shown).
  bool ChangeRange(int64_t first, int64_t removed, std::span<const uint8_t> inserted,
                   std::optional<uint8_t> fill, int64_t fill_count, FailedCommand failed_as);
  // The journal's data file's failure shown for `failed_as`: the file is unchanged.
  void ShowJournalDataFailure(FailedCommand failed_as) const;
  // Why an overwrite of the byte at `offset` failed.
  Failure OverwriteFailure(int64_t offset) const;
  // The replace-all of `matches` (`inverse`: taken back) made in the file;
  // the data file is written through first.
  bool MoveReplaceAll(const ReplaceList& matches, bool inverse, RecordedCommand command);
  // A journal step's change made through the same procedures as the command.
  bool Apply(const FileEdit& edit, RecordedCommand command);
  // Undo's or Redo's step: `edit` applied and the journal moved by `done`;
  // `none` shown when there is no step.
  bool TakeJournalStep(const std::optional<FileEdit>& edit, const wchar_t* none,
                       void (UndoJournal::*done)(), RecordedCommand command);
  FindResult GoToMatchOrShowAllSearched(const FindResult& result);
  // No other copy of the program is moving the file's bytes now and no edit
  // of a stopped program waits for its repair in this file, or the reason
  // is shown: the file then stays as it is.
  bool MayChangeFile() const;
  // The file is still the one the program left; else nothing may be
  // written, the person is told and may have it read again.
  bool FileIsAsLeft();
  // What the program knows of the file after it opened or changed it, its
  // last write at `changed_at`.
  void RememberFile(int64_t changed_at);
  // The size and scroll range after a change at `changed_at`, and the file
  // remembered as the program left it.
  void FollowFile(int64_t changed_at);
  // Tells that the file is gone, or that it changed (`message` after its
  // name) and reads it again when the person agrees.
  void TellOutsideChange(FileState state, const wchar_t* message);
  // The bytes of the journal's step are those the program kept; else why
  // not (cut short, or changed) is shown as `failed_as`'s failure.
  bool JournalDataProves(const FileEdit& edit, FailedCommand failed_as);
  int64_t InScrollRange(int64_t top) const;
  // A change made and offered to the journal as step `step`: the bookmarks
  // follow it.
  void FollowNewStep(int32_t step, const ByteShifts& shifts);
  // The shifts of a journal's change, a replace-all's read from its list.
  ByteShifts ShiftsOf(const FileEdit& edit);
  ByteShifts MatchShifts(const ReplaceList& matches, bool inverse);

  ProgressCallback progress_;
  std::wstring path_;
  int64_t size_ = 0;
  bool changed_ = false;
  std::optional<PageShape> limited_shape_;
  CaretPlace caret_;
  // The scroll range of a 256-line file until a file is opened.
  int64_t last_top_ = 255;
  UndoJournal journal_;
  JournalData journal_data_;
  SearchState search_;
  Bookmarks bookmarks_;
  bool range_taken_ = false;
  std::optional<KnownFile> known_;
  // The outside change last told, so that it is told once.
  std::optional<KnownFile> told_;
  std::function<void()> reloaded_;
};

}  // namespace vx

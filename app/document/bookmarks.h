// The bookmarks of the open file: bytes the person marked, each with a name
// they may type. They follow the edits: a change before a bookmark moves it
// by the change's length, and a bookmark in bytes a change took out goes,
// kept with the journal's step that took it, and comes back when that step
// is undone (or redone, for one on bytes the step put in).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/disk/undo_journal.h"

namespace vx {

struct Bookmark {
  int64_t offset = 0;
  std::wstring name;

  bool operator==(const Bookmark&) const = default;
};

// A change to the file as the bytes behind it see it: `removed` bytes at
// `offset` replaced by `inserted` ones.
struct ByteShift {
  int64_t offset = 0;
  int64_t removed = 0;
  int64_t inserted = 0;
};

// The changes of one step in order of offset, each placed as in the file
// before the step: one for most commands, one a match for a replace-all,
// read from its list one after another; none once all were told.
using ByteShifts = std::function<std::optional<ByteShift>()>;
ByteShifts OneShift(const ByteShift& shift);

// What a journal's change does to the bytes' places; none for a
// replace-all, whose shifts are its list's.
std::optional<ByteShift> ShiftOf(const FileEdit& edit);

class Bookmarks {
 public:
  // By offset, one at most on a byte.
  const std::vector<Bookmark>& list() const { return list_; }
  bool Has(int64_t offset) const;
  // Sets a bookmark on `offset`, or clears the one there; true when set.
  bool Toggle(int64_t offset);
  void Rename(int64_t offset, const std::wstring& name);
  // Another file's bookmarks (its steps are not ours).
  void Replace(std::vector<Bookmark> list);

  // F2's and Shift+F2's bookmark from byte `from` within a file of
  // `file_size` bytes: the first behind it or else the first, the last
  // before it or else the last; none when there is none in the file.
  std::optional<int64_t> Next(int64_t from, int64_t file_size) const;
  std::optional<int64_t> Previous(int64_t from, int64_t file_size) const;

  // The change `shift` was made as journal step `step`, which the journal
  // took (`journalled`) or refused when full; either way the steps from it
  // on are discarded, as the journal discards them. Undo and Redo give the
  // step they apply.
  void FollowNewStep(const ByteShifts& shifts, int32_t step, bool journalled);
  void FollowStep(const ByteShifts& shifts, int32_t step);
  void FollowNewStep(const ByteShift& shift, int32_t step, bool journalled) {
    FollowNewStep(OneShift(shift), step, journalled);
  }
  void FollowStep(const ByteShift& shift, int32_t step) { FollowStep(OneShift(shift), step); }
  bool empty() const { return list_.empty(); }
  // The journal was emptied: no step brings a bookmark back any more.
  void ForgetSteps() { taken_.clear(); }

  // Whether the list changed since it was last kept (MarkKept).
  bool changed() const { return changed_; }
  void MarkKept() { changed_ = false; }

 private:
  // The bookmarks the step's last application took out.
  std::vector<Bookmark> Follow(const ByteShifts& shifts);
  void Insert(const Bookmark& bookmark);

  std::vector<Bookmark> list_;
  std::map<int32_t, std::vector<Bookmark>> taken_;
  bool changed_ = false;
};

}  // namespace vx

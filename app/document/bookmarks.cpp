#include "app/document/bookmarks.h"

#include <algorithm>

namespace vx {
namespace {

bool Before(const Bookmark& bookmark, int64_t offset) { return bookmark.offset < offset; }

}  // namespace

ByteShifts OneShift(const ByteShift& shift) {
  return [shift, told = false]() mutable -> std::optional<ByteShift> {
    if (told) return std::nullopt;
    told = true;
    return shift;
  };
}

std::optional<ByteShift> ShiftOf(const FileEdit& edit) {
  switch (edit.kind) {
    case EditKind::Insert:
      return ByteShift{edit.offset, 0, 1};
    case EditKind::Delete:
      return ByteShift{edit.offset, 1, 0};
    case EditKind::Replace:
      return ByteShift{edit.offset, edit.removed.count, edit.inserted.count};
    case EditKind::ReplaceAll:
      return std::nullopt;
    case EditKind::Overwrite:
      break;
  }
  return ByteShift{edit.offset, 1, 1};
}

bool Bookmarks::Has(int64_t offset) const {
  const auto it = std::lower_bound(list_.begin(), list_.end(), offset, Before);
  return it != list_.end() && it->offset == offset;
}

void Bookmarks::Insert(const Bookmark& bookmark) {
  const auto it = std::lower_bound(list_.begin(), list_.end(), bookmark.offset, Before);
  if (it != list_.end() && it->offset == bookmark.offset) return;
  list_.insert(it, bookmark);
}

bool Bookmarks::Toggle(int64_t offset) {
  changed_ = true;
  const auto it = std::lower_bound(list_.begin(), list_.end(), offset, Before);
  if (it != list_.end() && it->offset == offset) {
    list_.erase(it);
    return false;
  }
  list_.insert(it, {offset, {}});
  return true;
}

void Bookmarks::Rename(int64_t offset, const std::wstring& name) {
  const auto it = std::lower_bound(list_.begin(), list_.end(), offset, Before);
  if (it == list_.end() || it->offset != offset || it->name == name) return;
  it->name = name;
  changed_ = true;
}

void Bookmarks::Replace(std::vector<Bookmark> list) {
  std::sort(list.begin(), list.end(),
            [](const Bookmark& a, const Bookmark& b) { return a.offset < b.offset; });
  list.erase(std::unique(list.begin(), list.end(),
                         [](const Bookmark& a, const Bookmark& b) { return a.offset == b.offset; }),
             list.end());
  list_ = std::move(list);
  taken_.clear();
  changed_ = false;
}

std::optional<int64_t> Bookmarks::Next(int64_t from, int64_t file_size) const {
  const auto in_file = std::lower_bound(list_.begin(), list_.end(), file_size, Before);
  if (in_file == list_.begin()) return std::nullopt;
  const auto behind =
      std::upper_bound(list_.begin(), in_file, from,
                       [](int64_t offset, const Bookmark& b) { return offset < b.offset; });
  return behind != in_file ? behind->offset : list_.front().offset;
}

std::optional<int64_t> Bookmarks::Previous(int64_t from, int64_t file_size) const {
  const auto in_file = std::lower_bound(list_.begin(), list_.end(), file_size, Before);
  if (in_file == list_.begin()) return std::nullopt;
  const auto before = std::lower_bound(list_.begin(), in_file, from, Before);
  return before != list_.begin() ? std::prev(before)->offset : std::prev(in_file)->offset;
}

std::vector<Bookmark> Bookmarks::Follow(const ByteShifts& shifts) {
  std::vector<Bookmark> taken;
  std::vector<Bookmark> kept;
  kept.reserve(list_.size());
  // Both in order of offset: each change moves every bookmark behind its
  // bytes, and takes out one in bytes it took out. Bytes written over in
  // place keep their bookmarks.
  std::optional<ByteShift> shift = list_.empty() ? std::nullopt : shifts();
  int64_t moved_by = 0;
  bool moved = false;
  for (Bookmark& bookmark : list_) {
    for (; shift && shift->offset + shift->removed <= bookmark.offset; shift = shifts()) {
      moved_by += shift->inserted - shift->removed;
    }
    if (shift && shift->offset <= bookmark.offset && shift->removed != shift->inserted) {
      taken.push_back(std::move(bookmark));
      moved = true;
      continue;
    }
    moved = moved || moved_by != 0;
    bookmark.offset += moved_by;
    kept.push_back(std::move(bookmark));
  }
  list_ = std::move(kept);
  if (moved) changed_ = true;
  return taken;
}

void Bookmarks::FollowNewStep(const ByteShifts& shifts, int32_t step, bool journalled) {
  taken_.erase(taken_.lower_bound(step), taken_.end());
  std::vector<Bookmark> taken = Follow(shifts);
  if (journalled && !taken.empty()) taken_[step] = std::move(taken);
}

void Bookmarks::FollowStep(const ByteShifts& shifts, int32_t step) {
  std::vector<Bookmark> taken = Follow(shifts);
  // Those the step's other direction took out stood where its bytes are again.
  const auto back = taken_.find(step);
  if (back != taken_.end()) {
    for (const Bookmark& bookmark : back->second) Insert(bookmark);
    taken_.erase(back);
    changed_ = true;
  }
  if (!taken.empty()) taken_[step] = std::move(taken);
}

}  // namespace vx

#include "app/document/bookmarks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

#include "app/document/edited_document.h"
#include "app/disk/recovery.h"
#include "app/settings/display_settings.h"
#include "app/settings/settings_folder.h"
#include "common/file_seam.h"
#include "tests/support/message_recorder.h"
#include "tests/support/progress_recorder.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_bytes.h"

namespace vx {
namespace {

std::vector<int64_t> Offsets(const Bookmarks& bookmarks) {
  std::vector<int64_t> offsets;
  for (const Bookmark& b : bookmarks.list()) offsets.push_back(b.offset);
  return offsets;
}

TEST(BookmarksTest, NextAndPreviousWrapAndStayInsideTheFile) {
  Bookmarks bookmarks;
  for (const int64_t offset : {10, 20, 30, 500}) bookmarks.Toggle(offset);
  struct Case {
    int64_t from, next, previous;
  };
  // In a file of 100 bytes: the bookmark at 500 lies past the end.
  for (const Case& c :
       {Case{0, 10, 30}, Case{10, 20, 30}, Case{15, 20, 10}, Case{30, 10, 20}, Case{99, 10, 30}}) {
    EXPECT_EQ(bookmarks.Next(c.from, 100), c.next) << c.from;
    EXPECT_EQ(bookmarks.Previous(c.from, 100), c.previous) << c.from;
  }
  EXPECT_EQ(bookmarks.Next(0, 5), std::nullopt);
  EXPECT_FALSE(bookmarks.Toggle(20));
  EXPECT_EQ(Offsets(bookmarks), (std::vector<int64_t>{10, 30, 500}));
}

// The model: every byte of the file has an identity; a bookmark marks an
// identity, and is wherever that byte is in the file's state. Undo and Redo
// bring back the very states (and bytes) they left, as the journal does.
class BookmarkModel {
 public:
  explicit BookmarkModel(int64_t size) {
    states_.emplace_back();
    for (int64_t i = 0; i < size; ++i) states_[0].push_back(next_id_++);
  }
  const std::vector<int64_t>& bytes() const { return states_[current_]; }
  std::vector<int64_t> Expected() const {
    std::vector<int64_t> offsets;
    for (size_t i = 0; i < bytes().size(); ++i) {
      if (marked_.count(bytes()[i])) offsets.push_back(static_cast<int64_t>(i));
    }
    return offsets;
  }
  void Toggle(int64_t offset) {
    const int64_t id = bytes()[static_cast<size_t>(offset)];
    if (!marked_.erase(id)) marked_.insert(id);
  }
  // The change as a new step; the steps undone before are gone.
  void Change(const ByteShift& shift) {
    std::vector<int64_t> next = bytes();
    const auto at = next.begin() + shift.offset;
    if (shift.removed == shift.inserted) {
      // Written over in place: the bytes keep their places and marks.
    } else {
      next.erase(at, at + shift.removed);
      std::vector<int64_t> fresh;
      for (int64_t i = 0; i < shift.inserted; ++i) fresh.push_back(next_id_++);
      next.insert(next.begin() + shift.offset, fresh.begin(), fresh.end());
    }
    states_.resize(current_ + 1);
    states_.push_back(std::move(next));
    ++current_;
  }
  bool CanUndo() const { return current_ > 0; }
  bool CanRedo() const { return current_ + 1 < states_.size(); }
  void Undo() { --current_; }
  void Redo() { ++current_; }

 private:
  std::vector<std::vector<int64_t>> states_;
  size_t current_ = 0;
  std::set<int64_t> marked_;
  int64_t next_id_ = 0;
};

TEST(BookmarksTest, FollowEveryKindOfEditAndUndoAsTheBytesMove) {
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    std::mt19937 random(seed);
    auto below = [&](int64_t n) {
      return std::uniform_int_distribution<int64_t>(0, n - 1)(random);
    };
    BookmarkModel model(40);
    Bookmarks bookmarks;
    // The journal's steps: the next change's, and what each made.
    int32_t step = 1;
    std::vector<ByteShift> made(1);
    for (int round = 0; round < 300; ++round) {
      const int64_t size = static_cast<int64_t>(model.bytes().size());
      const int64_t choice = below(10);
      if (choice < 3) {
        const int64_t offset = below(size);
        model.Toggle(offset);
        bookmarks.Toggle(offset);
      } else if (choice < 7) {
        // An insertion, a deletion, a cut, a paste, a replace or a fill.
        const int64_t offset = below(size);
        int64_t removed = std::min<int64_t>(below(6), size - offset);
        const int64_t inserted = below(3) == 0 ? removed : below(6);
        if (removed == size && inserted == 0) removed = size - 1;
        if (removed == 0 && inserted == 0) continue;
        const ByteShift shift{offset, removed, inserted};
        model.Change(shift);
        made.resize(static_cast<size_t>(step));
        made.push_back(shift);
        bookmarks.FollowNewStep(shift, step++, true);
      } else if (choice < 9 && model.CanUndo()) {
        model.Undo();
        const ByteShift done = made[static_cast<size_t>(--step)];
        bookmarks.FollowStep({done.offset, done.inserted, done.removed}, step);
      } else if (model.CanRedo()) {
        model.Redo();
        bookmarks.FollowStep(made[static_cast<size_t>(step)], step);
        ++step;
      }
      ASSERT_EQ(Offsets(bookmarks), model.Expected()) << "seed " << seed << " round " << round;
    }
  }
}

TEST(BookmarksTest, AChangeTheJournalRefusedStillMovesThemButBringsNoneBack) {
  Bookmarks bookmarks;
  bookmarks.Toggle(5);
  bookmarks.Toggle(9);
  bookmarks.FollowNewStep({4, 2, 0}, 7, false);
  EXPECT_EQ(Offsets(bookmarks), (std::vector<int64_t>{7}));
  bookmarks.FollowStep({4, 0, 2}, 7);
  EXPECT_EQ(Offsets(bookmarks), (std::vector<int64_t>{9}));
}

// A replace-all is one step of many changes: each moves the bookmarks
// behind it, one in bytes a match took out goes with the step, and the
// step's Undo, its matches where the replacements now stand, brings it back.
TEST(BookmarksTest, AStepOfManyChangesMovesThemAllAndItsUndoBringsThemBack) {
  const auto shifts = [](std::vector<ByteShift> list) {
    return [list, next = size_t{0}]() mutable -> std::optional<ByteShift> {
      if (next == list.size()) return std::nullopt;
      return list[next++];
    };
  };
  Bookmarks bookmarks;
  for (const int64_t offset : {0, 10, 11, 20, 35, 50}) bookmarks.Toggle(offset);
  // Matches of 2 bytes at 10, 30 and 40, each by 5 bytes.
  bookmarks.FollowNewStep(shifts({{10, 2, 5}, {30, 2, 5}, {40, 2, 5}}), 1, true);
  EXPECT_EQ(Offsets(bookmarks), (std::vector<int64_t>{0, 23, 41, 59}));
  // Taken back: the replacements stand at 10, 33 and 46.
  bookmarks.FollowStep(shifts({{10, 5, 2}, {33, 5, 2}, {46, 5, 2}}), 1);
  EXPECT_EQ(Offsets(bookmarks), (std::vector<int64_t>{0, 10, 11, 20, 35, 50}));
  // Matches written over in place keep every bookmark where it is.
  bookmarks.FollowNewStep(shifts({{10, 2, 2}, {34, 2, 2}}), 2, true);
  EXPECT_EQ(Offsets(bookmarks), (std::vector<int64_t>{0, 10, 11, 20, 35, 50}));
}

// The document's own commands and its Undo and Redo move the bookmarks.
TEST(BookmarksTest, TheDocumentsCommandsCarryThem) {
  SetDefaultSettings();
  SetFolderWriteCheck([](const std::wstring&) { return false; });
  test::TempFolder dir;
  const std::wstring records = dir / L"records";
  ASSERT_TRUE(fs::MakeFolder(records));
  SetRecoveryFolder(records);
  test::MessageRecorder messages;
  test::ProgressRecorder progress;
  const std::wstring path = dir / L"doc.bin";
  test::WriteFileBytes(path, test::PatternBytes(64));
  EditedDocument document(progress.Callback(), [](bool) {});
  ASSERT_EQ(document.Open(path), OpenOutcome::Opened);
  document.set_changed(true);
  for (const int64_t offset : {2, 10, 20, 40}) document.bookmarks().Toggle(offset);
  using Offsets_ = std::vector<int64_t>;
  ASSERT_TRUE(document.Insert(0, 7));
  EXPECT_EQ(Offsets(document.bookmarks()), (Offsets_{3, 11, 21, 41}));
  ASSERT_TRUE(document.Delete(3));
  EXPECT_EQ(Offsets(document.bookmarks()), (Offsets_{10, 20, 40}));
  const uint8_t pasted[3] = {1, 2, 3};
  ASSERT_TRUE(document.ReplaceRange(15, 10, pasted));
  EXPECT_EQ(Offsets(document.bookmarks()), (Offsets_{10, 33}));
  ASSERT_TRUE(document.FillRange(0, 20, 0xAA));
  EXPECT_EQ(Offsets(document.bookmarks()), (Offsets_{10, 33}));
  ASSERT_TRUE(document.Undo());  // the fill
  ASSERT_TRUE(document.Undo());  // the paste
  EXPECT_EQ(Offsets(document.bookmarks()), (Offsets_{10, 20, 40}));
  ASSERT_TRUE(document.Undo());  // the deletion
  EXPECT_EQ(Offsets(document.bookmarks()), (Offsets_{3, 11, 21, 41}));
  ASSERT_TRUE(document.Redo());
  EXPECT_EQ(Offsets(document.bookmarks()), (Offsets_{10, 20, 40}));
  EXPECT_EQ(test::ReadFileBytes(path).size(), 64u);
  document.Close();
  SetRecoveryFolder(L"");
  SetFolderWriteCheck({});
}

}  // namespace
}  // namespace vx

#include "app/disk/undo_journal.h"

#include <gtest/gtest.h>

#include "app/edit/edit_texts.h"
#include "tests/support/message_recorder.h"

namespace vx {
namespace {

TEST(UndoJournal, StartsEmptyWithBothCommandsDisabled) {
  UndoJournal journal;
  EXPECT_EQ(journal.entries().size(), 6u);
  EXPECT_EQ(journal.step(), 1);
  EXPECT_FALSE(journal.CanUndo());
  EXPECT_FALSE(journal.CanRedo());
  EXPECT_EQ(journal.UndoIndex(), -1);
  EXPECT_EQ(journal.RedoIndex(), -1);
  EXPECT_FALSE(journal.NextUndo());
  EXPECT_FALSE(journal.NextRedo());
}

TEST(UndoJournal, OverwriteUndoesToTheOldByteAndRedoesToTheNew) {
  UndoJournal journal;
  ASSERT_TRUE(journal.Record(EditKind::Overwrite, 10, 0x41, 0x42));
  EXPECT_TRUE(journal.CanUndo());
  EXPECT_FALSE(journal.CanRedo());
  EXPECT_EQ(journal.NextUndo(), (FileEdit{EditKind::Overwrite, 10, 0x41, {}, {}}));

  journal.UndoDone();
  EXPECT_FALSE(journal.CanUndo());
  EXPECT_TRUE(journal.CanRedo());
  EXPECT_EQ(journal.NextRedo(), (FileEdit{EditKind::Overwrite, 10, 0x42, {}, {}}));

  journal.RedoDone();
  EXPECT_TRUE(journal.CanUndo());
  EXPECT_FALSE(journal.CanRedo());
  EXPECT_EQ(journal.step(), 2);
}

TEST(UndoJournal, InsertionAndDeletionUndoByTheOppositeMove) {
  const JournalEntry inserted{5, 0, 0, 1, EditKind::Insert, {}, {}};
  EXPECT_EQ(UndoEditOf(inserted), (FileEdit{EditKind::Delete, 5, 0, {}, {}}));
  EXPECT_EQ(RedoEditOf(inserted), (FileEdit{EditKind::Insert, 5, 0, {}, {}}));
  const JournalEntry deleted{5, 0x7F, 0, 1, EditKind::Delete, {}, {}};
  EXPECT_EQ(UndoEditOf(deleted), (FileEdit{EditKind::Insert, 5, 0x7F, {}, {}}));
  EXPECT_EQ(RedoEditOf(deleted), (FileEdit{EditKind::Delete, 5, 0, {}, {}}));
}

TEST(UndoJournal, UndoWalksBackStepByStepThroughReusedEntries) {
  UndoJournal journal;
  journal.Record(EditKind::Overwrite, 1, 1, 2);
  journal.Record(EditKind::Insert, 2, 0, 0);
  journal.Record(EditKind::Delete, 3, 9, 0);
  EXPECT_EQ(journal.UndoIndex(), 2);
  journal.UndoDone();
  journal.UndoDone();
  EXPECT_EQ(journal.UndoIndex(), 0);
  EXPECT_EQ(journal.RedoIndex(), 1);

  // A new change discards both undone ones; the lowest free entry takes it.
  journal.Record(EditKind::Overwrite, 7, 3, 4);
  EXPECT_FALSE(journal.CanRedo());
  EXPECT_FALSE(journal.NextRedo());
  EXPECT_EQ(journal.UndoIndex(), 1);
  EXPECT_EQ(journal.entries()[1], (JournalEntry{7, 3, 4, 2, EditKind::Overwrite, {}, {}}));
  EXPECT_EQ(journal.entries()[2].step, 0);
  EXPECT_EQ(journal.entries().size(), 6u);
}

TEST(UndoJournal, GrowsByOneEntryWhenNoneIsFree) {
  UndoJournal journal;
  for (int i = 1; i <= 7; ++i) journal.Record(EditKind::Insert, i, 0, 0);
  EXPECT_EQ(journal.entries().size(), 7u);
  EXPECT_EQ(journal.entries()[6].offset, 7);
  EXPECT_EQ(journal.entries()[0].offset, 1);
}

TEST(UndoJournal, RefusesFromUpperIndex1000UntilCleared) {
  test::MessageRecorder messages;
  UndoJournal journal;
  for (int i = 1; i <= 1000; ++i) ASSERT_TRUE(journal.Record(EditKind::Insert, i, 0, 0));
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(journal.entries().size(), 1000u);

  EXPECT_FALSE(journal.Record(EditKind::Insert, 1001, 0, 0));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, edit_texts::kUndoFull);
  EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(messages.shown()[0].icon, MsgIcon::None);
  EXPECT_EQ(journal.step(), 1001);

  // Entries freed by undo and a new change do not lift the refusal.
  journal.UndoDone();
  journal.UndoDone();
  EXPECT_FALSE(journal.Record(EditKind::Overwrite, 5, 0, 0));
  EXPECT_EQ(messages.shown().size(), 2u);

  journal.Clear();
  EXPECT_EQ(journal.step(), 999);
  EXPECT_TRUE(journal.Record(EditKind::Overwrite, 5, 0, 0));
  journal.Reset();
  EXPECT_EQ(journal.step(), 1);
  EXPECT_FALSE(journal.CanUndo());
}

TEST(UndoJournal, ARefusedChangeLeavesTheCommandsAsTheyWere) {
  test::MessageRecorder messages;
  UndoJournal journal;
  for (int i = 1; i <= 1001; ++i) journal.Record(EditKind::Insert, i, 0, 0);
  journal.UndoDone();
  ASSERT_TRUE(journal.CanRedo());
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_FALSE(journal.Record(EditKind::Insert, 1, 0, 0));
  EXPECT_TRUE(journal.CanUndo());
  EXPECT_TRUE(journal.CanRedo());
  // The undone step was discarded all the same: Redo then finds nothing.
  EXPECT_FALSE(journal.NextRedo());
}

}  // namespace
}  // namespace vx

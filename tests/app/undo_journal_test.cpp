#include "app/edit/undo_journal.h"

#include <gtest/gtest.h>

#include "app/edit/edit_texts.h"
#include "tests/support/message_recorder.h"

namespace vx {
namespace {

using Kind = FileEdit::Kind;

TEST(UndoJournal, StartsEmptyWithBothCommandsDisabled) {
  UndoJournal journal;
  EXPECT_EQ(journal.UndoArray().size(), 6u);
  EXPECT_EQ(journal.UndoStep(), 1);
  EXPECT_FALSE(journal.UndoEnabled());
  EXPECT_FALSE(journal.RedoEnabled());
  EXPECT_EQ(journal.GetUndoArrayNumber(), -1);
  EXPECT_EQ(journal.GetRedoArrayNumber(), -1);
  EXPECT_FALSE(journal.NextUndo());
  EXPECT_FALSE(journal.NextRedo());
}

TEST(UndoJournal, OverwriteUndoesToTheOldByteAndRedoesToTheNew) {
  UndoJournal journal;
  ASSERT_TRUE(journal.UndoSave(10, 0x41, 0x42, UndoMethod::Overwrite));
  EXPECT_TRUE(journal.UndoEnabled());
  EXPECT_FALSE(journal.RedoEnabled());
  EXPECT_EQ(journal.NextUndo(), (FileEdit{Kind::Overwrite, 10, 0x41}));

  journal.UndoDone();
  EXPECT_FALSE(journal.UndoEnabled());
  EXPECT_TRUE(journal.RedoEnabled());
  EXPECT_EQ(journal.NextRedo(), (FileEdit{Kind::Overwrite, 10, 0x42}));

  journal.RedoDone();
  EXPECT_TRUE(journal.UndoEnabled());
  EXPECT_FALSE(journal.RedoEnabled());
  EXPECT_EQ(journal.UndoStep(), 2);
}

TEST(UndoJournal, InsertionAndDeletionUndoByTheOppositeMove) {
  const UndoRecord inserted{5, 0, 0, 1, UndoMethod::Insertion};
  EXPECT_EQ(UndoEditOf(inserted), (FileEdit{Kind::Delete, 5, 0}));
  EXPECT_EQ(RedoEditOf(inserted), (FileEdit{Kind::Insert, 5, 0}));
  const UndoRecord deleted{5, 0x7F, 0, 1, UndoMethod::Deletion};
  EXPECT_EQ(UndoEditOf(deleted), (FileEdit{Kind::Insert, 5, 0x7F}));
  EXPECT_EQ(RedoEditOf(deleted), (FileEdit{Kind::Delete, 5, 0}));
}

TEST(UndoJournal, UndoWalksBackStepByStepThroughReusedRecords) {
  UndoJournal journal;
  journal.UndoSave(1, 1, 2, UndoMethod::Overwrite);
  journal.UndoSave(2, 0, 0, UndoMethod::Insertion);
  journal.UndoSave(3, 9, 0, UndoMethod::Deletion);
  EXPECT_EQ(journal.GetUndoArrayNumber(), 2);
  journal.UndoDone();
  journal.UndoDone();
  EXPECT_EQ(journal.GetUndoArrayNumber(), 0);
  EXPECT_EQ(journal.GetRedoArrayNumber(), 1);

  // A new change discards both undone ones; the lowest free record takes it.
  journal.UndoSave(7, 3, 4, UndoMethod::Overwrite);
  EXPECT_FALSE(journal.RedoEnabled());
  EXPECT_FALSE(journal.NextRedo());
  EXPECT_EQ(journal.GetUndoArrayNumber(), 1);
  EXPECT_EQ(journal.UndoArray()[1], (UndoRecord{7, 3, 4, 2, UndoMethod::Overwrite}));
  EXPECT_EQ(journal.UndoArray()[2].StepNumber, 0);
  EXPECT_EQ(journal.UndoArray().size(), 6u);
}

TEST(UndoJournal, GrowsByOneRecordWhenNoneIsFree) {
  UndoJournal journal;
  for (int i = 1; i <= 7; ++i) journal.UndoSave(i, 0, 0, UndoMethod::Insertion);
  EXPECT_EQ(journal.UndoArray().size(), 7u);
  EXPECT_EQ(journal.UndoArray()[6].SeekPoint, 7);
  EXPECT_EQ(journal.UndoArray()[0].SeekPoint, 1);
}

TEST(UndoJournal, RefusesFromUpperIndex1000UntilCleared) {
  test::MessageRecorder messages;
  UndoJournal journal;
  for (int i = 1; i <= 1000; ++i) ASSERT_TRUE(journal.UndoSave(i, 0, 0, UndoMethod::Insertion));
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(journal.UndoArray().size(), 1000u);

  EXPECT_FALSE(journal.UndoSave(1001, 0, 0, UndoMethod::Insertion));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, edit_texts::kUndoFull);
  EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(messages.shown()[0].icon, MsgIcon::None);
  EXPECT_EQ(journal.UndoStep(), 1001);

  // Records freed by undo and a new change do not lift the refusal.
  journal.UndoDone();
  journal.UndoDone();
  EXPECT_FALSE(journal.UndoSave(5, 0, 0, UndoMethod::Overwrite));
  EXPECT_EQ(messages.shown().size(), 2u);

  journal.UndoClear();
  EXPECT_EQ(journal.UndoStep(), 999);
  EXPECT_TRUE(journal.UndoSave(5, 0, 0, UndoMethod::Overwrite));
  journal.Reset();
  EXPECT_EQ(journal.UndoStep(), 1);
  EXPECT_FALSE(journal.UndoEnabled());
}

TEST(UndoJournal, ARefusedChangeLeavesTheCommandsAsTheyWere) {
  test::MessageRecorder messages;
  UndoJournal journal;
  for (int i = 1; i <= 1001; ++i) journal.UndoSave(i, 0, 0, UndoMethod::Insertion);
  journal.UndoDone();
  ASSERT_TRUE(journal.RedoEnabled());
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_FALSE(journal.UndoSave(1, 0, 0, UndoMethod::Insertion));
  EXPECT_TRUE(journal.UndoEnabled());
  EXPECT_TRUE(journal.RedoEnabled());
  // The undone step was discarded all the same: Redo then finds nothing.
  EXPECT_FALSE(journal.NextRedo());
}

}  // namespace
}  // namespace vx

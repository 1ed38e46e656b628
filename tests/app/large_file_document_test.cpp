// The document on files past every 32-bit limit, made sparse so that they
// cost no disk: the caret, the scroll range, overwrite, insert, delete, Undo,
// Redo, the search and the backup's room reach their last bytes as they reach
// a small file's, each checked on disk.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/document/edited_document.h"
#include "app/disk/backup.h"
#include "app/edit/edit_texts.h"
#include "app/settings/display_settings.h"
#include "app/settings/settings_folder.h"
#include "common/digit_groups.h"
#include "common/file_seam.h"
#include "tests/support/message_recorder.h"
#include "tests/support/progress_recorder.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr int64_t kTail = 16;

class LargeFileDocumentTest : public ::testing::TestWithParam<int64_t> {
 protected:
  void SetUp() override {
    SetDefaultSettings();
    DisplaySettings.AutoBackUp = false;
    SetFolderWriteCheck([](const std::wstring&) { return false; });
  }
  void TearDown() override { SetFolderWriteCheck({}); }

  // A sparse file of `size` bytes whose last kTail bytes are 1, 2, 3, ...
  void MakeSparse(int64_t size) {
    fs::File f = fs::OpenFile(path, true, fs::Share::ReadWrite);
    ASSERT_TRUE(f.SetLength(size));
    Bytes tail(kTail);
    for (size_t i = 0; i < tail.size(); ++i) tail[i] = static_cast<uint8_t>(i + 1);
    ASSERT_TRUE(f.WriteAt(size - kTail, tail.data(), kTail));
  }
  // The last `count` bytes on disk, and the length.
  Bytes TailOnDisk(int64_t count) const {
    fs::File f = fs::OpenFile(path, false, fs::Share::ReadWrite);
    Bytes bytes(static_cast<size_t>(count));
    EXPECT_EQ(f.ReadAt(f.Length() - count, bytes.data(), count), count);
    return bytes;
  }
  int64_t LengthOnDisk() const { return fs::FileLength(path); }

  test::TempFolder dir;
  const std::wstring path = dir / L"large.bin";
  test::MessageRecorder messages;
  test::ProgressRecorder progress;
  EditedDocument document{progress.Callback(), [](bool) {}};
};

TEST_P(LargeFileDocumentTest, TheLastBytesAreReachedEditedAndTakenBack) {
  const int64_t size = GetParam();
  MakeSparse(size);
  ASSERT_EQ(document.Open(path), OpenOutcome::Opened);
  EXPECT_EQ(document.size(), size);
  // The last page holds the last line on its second-to-last row (16 bytes a
  // line, 32 lines a page).
  const int64_t last_line = (size - 1) / 16;
  EXPECT_EQ(document.last_top(), size / 16 + 2 - 32);

  document.GoTo(size - 1);
  EXPECT_EQ(document.CaretOffset(), size - 1);
  EXPECT_EQ(document.caret().top + document.caret().y, last_line);
  // Page Down held at the end stays on the last page, the caret on its
  // bottom row as on any file's.
  for (int i = 0; i < 3; ++i) {
    const CaretPlace& c = document.caret();
    document.PlaceCaret({c.x, c.y, PageDownTop(document.PageSettings(), c.top, 1)});
    EXPECT_EQ(document.caret().top, document.last_top());
    EXPECT_EQ(document.caret().y, 31);
  }
  // The caret may stand on the end mark, one behind the last byte.
  document.GoTo(size);
  EXPECT_EQ(document.CaretOffset(), size);

  document.GoTo(size - 1);
  ASSERT_TRUE(document.OverwriteAtCaret(0xAB));
  EXPECT_EQ(TailOnDisk(2), (Bytes{15, 0xAB}));
  ASSERT_TRUE(document.Insert(size - 3, 0xCD));
  EXPECT_EQ(LengthOnDisk(), size + 1);
  EXPECT_EQ(TailOnDisk(6), (Bytes{12, 13, 0xCD, 14, 15, 0xAB}));
  ASSERT_TRUE(document.Delete(size - 10));
  EXPECT_EQ(LengthOnDisk(), size);
  EXPECT_EQ(TailOnDisk(12), (Bytes{5, 6, 8, 9, 10, 11, 12, 13, 0xCD, 14, 15, 0xAB}));

  for (int undo = 0; undo < 3; ++undo) ASSERT_TRUE(document.Undo());
  EXPECT_EQ(LengthOnDisk(), size);
  EXPECT_EQ(TailOnDisk(kTail), (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
  ASSERT_TRUE(document.Redo());
  EXPECT_EQ(TailOnDisk(1), Bytes{0xAB});
  EXPECT_EQ(document.size(), size);
  EXPECT_TRUE(messages.shown().empty());
}

TEST_P(LargeFileDocumentTest, ASearchFindsAPatternAmongTheLastBytes) {
  const int64_t size = GetParam();
  MakeSparse(size);
  ASSERT_EQ(document.Open(path), OpenOutcome::Opened);
  // From a few blocks before the end, so that the zeros ahead are few.
  const FindResult found = document.search().Start(document.file(), size - 3 * 4096, {9, 10, 11});
  EXPECT_EQ(found, (FindResult{FindOutcome::Found, size - kTail + 8}));
  EXPECT_TRUE(document.ShowFindResult(found));
  EXPECT_EQ(document.CaretOffset(), size - kTail + 8);
}

INSTANTIATE_TEST_SUITE_P(PastThe32BitLimits, LargeFileDocumentTest,
                         ::testing::Values(int64_t{0x7FFFFFFF}, int64_t{1} << 31, int64_t{1} << 32,
                                           (int64_t{1} << 32) + 17, int64_t{1} << 40));

// The number the no-room question gives as the space free.
int64_t FreeBytesTold(const std::wstring& text) {
  const size_t at = text.find(edit_texts::kBackUpFree);
  if (at == std::wstring::npos) return -1;
  int64_t value = 0;
  for (size_t i = at + std::wstring_view(edit_texts::kBackUpFree).size(); i < text.size(); ++i) {
    if (text[i] == L',') continue;
    if (text[i] < L'0' || text[i] > L'9') break;
    value = value * 10 + (text[i] - L'0');
  }
  return value;
}

// A terabyte does not fit on this disk: the first change says so with both
// sizes, and the person goes on without a backup or drops the change; no
// copy is begun either way.
TEST(LargeFileBackUpTest, ACopyTooLargeForTheDriveIsNeverBegun) {
  SetDefaultSettings();
  SetFolderWriteCheck([](const std::wstring&) { return false; });
  test::TempFolder dir;
  const std::wstring path = dir / L"huge.bin";
  const int64_t size = int64_t{1} << 40;
  {
    fs::File f = fs::OpenFile(path, true, fs::Share::ReadWrite);
    ASSERT_TRUE(f.SetLength(size));
  }
  const int64_t free_bytes = fs::FreeSpace(dir / L"");
  ASSERT_GE(free_bytes, 0);
  ASSERT_LT(free_bytes, size) << "this test needs a drive with less than 1 TiB free";
  for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
    test::MessageRecorder messages;
    test::ProgressRecorder progress;
    messages.Answer(answer);
    EditedDocument document{progress.Callback(), [](bool) {}};
    ASSERT_EQ(document.Open(path), OpenOutcome::Opened);
    bool backup_made = false;
    EXPECT_EQ(document.BeginChange(&backup_made), answer == MsgAnswer::Yes);
    EXPECT_FALSE(backup_made);
    EXPECT_EQ(document.changed(), answer == MsgAnswer::Yes);
    ASSERT_EQ(messages.shown().size(), 1u);
    const std::wstring& text = messages.shown()[0].text;
    EXPECT_NE(text.find(GroupedDigits(size)), std::wstring::npos) << "the size needed";
    EXPECT_NEAR(static_cast<double>(FreeBytesTold(text)), static_cast<double>(free_bytes), 1e9)
        << "the space free, give or take what other programs write meanwhile";
    EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::YesNo);
    EXPECT_FALSE(fs::FileExists(document.BackUpPath()));
    EXPECT_FALSE(fs::FileExists(document.BackUpPath() + L".VXPart"));
  }
  SetFolderWriteCheck({});
}

}  // namespace
}  // namespace vx

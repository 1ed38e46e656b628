// Replace all on a real file of several of the program's blocks under the
// real file system: the recovery record is on disk while the pass runs and
// gone after it, the file is checked on disk, and Undo takes it all back.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/document/edited_document.h"
#include "app/disk/recovery.h"
#include "app/settings/display_settings.h"
#include "app/settings/settings_folder.h"
#include "common/file_seam.h"
#include "common/recovery_record_names.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_bytes.h"

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;

int RecordsIn(const std::wstring& folder) {
  int count = 0;
  for (const fs::FolderEntry& entry : fs::ListFolder(folder)) {
    count += IsRecoveryRecordName(entry.name) ? 1 : 0;
  }
  return count;
}

TEST(ReplaceAllOnDisk, ReplacesThroughARecordOnDiskAndUndoTakesItAllBack) {
  test::TempFolder dir;
  test::MessageRecorder messages;
  const std::wstring records = dir / L"records\\";
  const std::wstring path = dir / L"big.bin";
  SetDefaultSettings();
  DisplaySettings.AutoBackUp = false;
  SetFolderWriteCheck([](const std::wstring&) { return false; });
  SetRecoveryFolder(records);
  // Blocks far smaller than the file, so that the move reports between them.
  SetCommandBlockSize(256 << 10);
  // A match every 4099 bytes over 3 MiB, some across the blocks' borders.
  Bytes before = test::PatternBytes(3 << 20);
  std::vector<int64_t> offsets;
  for (int64_t at = 100; at + 2 <= static_cast<int64_t>(before.size()); at += 4099) {
    before[at] = 0xF0;
    before[at + 1] = 0x0F;
    offsets.push_back(at);
  }
  test::WriteFileBytes(path, before);
  bool record_on_disk = false;
  EditedDocument document(
      [&](double share, const std::wstring&) {
        if (share >= 0 && share < 1) record_on_disk = record_on_disk || RecordsIn(records) == 1;
      },
      [](bool) {});
  ASSERT_EQ(document.Open(path), OpenOutcome::Opened);
  ASSERT_TRUE(document.BeginChange());
  const Bytes replacement{1, 2, 3};
  const ReplaceAllOutcome outcome = document.ReplaceAll(
      [&](const MatchSink& sink) {
        return std::all_of(offsets.begin(), offsets.end(), [&](int64_t at) {
          return sink(at, {before.data() + at, 2});
        });
      },
      replacement);
  EXPECT_EQ(outcome.result, ReplaceAllOutcome::Replaced);
  EXPECT_EQ(outcome.count, static_cast<int64_t>(offsets.size()));
  Bytes after;
  int64_t from = 0;
  for (const int64_t at : offsets) {
    after.insert(after.end(), before.begin() + from, before.begin() + at);
    after.insert(after.end(), replacement.begin(), replacement.end());
    from = at + 2;
  }
  after.insert(after.end(), before.begin() + from, before.end());
  EXPECT_EQ(test::ReadFileBytes(path), after);
  EXPECT_TRUE(record_on_disk);
  EXPECT_EQ(RecordsIn(records), 0);
  EXPECT_TRUE(document.Undo());
  EXPECT_EQ(test::ReadFileBytes(path), before);
  EXPECT_TRUE(messages.shown().empty());
  SetRecoveryFolder(L"");
  SetCommandBlockSize(kMoveBlockSize);
  SetFolderWriteCheck({});
}

}  // namespace
}  // namespace vx

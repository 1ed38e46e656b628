#include "app/edit/tail_move.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "app/edit/edit_texts.h"
#include "app/edit/ins_del_one.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_bytes.h"

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Inserted(Bytes bytes, int32_t seek_pos, uint8_t dat) {
  bytes.insert(bytes.begin() + (seek_pos - 1), dat);
  return bytes;
}

Bytes Deleted(Bytes bytes, int32_t seek_pos) {
  bytes.erase(bytes.begin() + (seek_pos - 1));
  return bytes;
}

// An in-memory file whose n-th read, write or resize fails. A failing write
// may first change half of its bytes, as a full disk may; with `sticky` every
// later write and resize fails too, as when another program locks the file.
class FaultyFile : public BlockFile {
 public:
  explicit FaultyFile(Bytes bytes) : bytes_(std::move(bytes)) {}

  int fail_read = 0, fail_write = 0, fail_resize = 0;
  bool partial = false, sticky = false;

  int64_t ReadAt(int64_t offset, uint8_t* buffer, int64_t length) override {
    if (++reads_ == fail_read) return -1;
    const int64_t n = std::clamp<int64_t>(Size() - offset, 0, length);
    std::memcpy(buffer, bytes_.data() + offset, static_cast<size_t>(n));
    return n;
  }
  bool WriteAt(int64_t offset, const uint8_t* buffer, int64_t length) override {
    if (Failing(++writes_ == fail_write)) {
      if (partial && !sticky) Put(offset, buffer, length / 2);
      return false;
    }
    Put(offset, buffer, length);
    return true;
  }
  int64_t Length() override { return Size(); }
  bool SetLength(int64_t length) override {
    if (Failing(++resizes_ == fail_resize)) return false;
    bytes_.resize(static_cast<size_t>(length));
    return true;
  }

  const Bytes& bytes() const { return bytes_; }
  int writes() const { return writes_; }

 private:
  int64_t Size() const { return static_cast<int64_t>(bytes_.size()); }
  bool Failing(bool now) {
    failed_ = failed_ || now;
    return now || (sticky && failed_);
  }
  void Put(int64_t offset, const uint8_t* buffer, int64_t length) {
    if (offset + length > Size()) bytes_.resize(static_cast<size_t>(offset + length));
    std::memcpy(bytes_.data() + offset, buffer, static_cast<size_t>(length));
  }

  Bytes bytes_;
  int reads_ = 0, writes_ = 0, resizes_ = 0;
  bool failed_ = false;
};

const TailProgress kNoProgress;

// Every size around one and two blocks, at the start, the middle and the end.
TEST(TailMove, InsertsAndDeletesAtEveryBlockBoundary) {
  test::TempFolder dir;
  const std::wstring name = dir / L"t.bin";
  for (size_t size : {4095u, 4096u, 4097u, 8192u, 8193u}) {
    const Bytes original = test::PatternBytes(size);
    const int32_t last = static_cast<int32_t>(size);
    for (int32_t pos : {1, 2, last / 2, last - 1, last, last + 1}) {
      SCOPED_TRACE(testing::Message() << "size " << size << " pos " << pos);
      test::WriteFileBytes(name, original);
      {
        fs::File file = fs::OpenFile(name, false, fs::Share::Read);
        SeamBlockFile blocks(file);
        ASSERT_EQ(InsOne(blocks, pos, 0xEE, kNoProgress), TailMoveResult::Done);
      }
      EXPECT_EQ(test::ReadFileBytes(name), Inserted(original, pos, 0xEE));
      if (pos > last) continue;
      test::WriteFileBytes(name, original);
      {
        fs::File file = fs::OpenFile(name, false, fs::Share::Read);
        SeamBlockFile blocks(file);
        ASSERT_EQ(DelOne(blocks, pos, kNoProgress), TailMoveResult::Done);
      }
      EXPECT_EQ(test::ReadFileBytes(name), Deleted(original, pos));
    }
  }
}

TEST(TailMove, RefusesPositionsOutsideTheFileWithoutTouchingIt) {
  FaultyFile file(test::PatternBytes(10));
  EXPECT_EQ(InsOne(file, 12, 1, kNoProgress), TailMoveResult::Restored);
  EXPECT_EQ(InsOne(file, 0, 1, kNoProgress), TailMoveResult::Restored);
  EXPECT_EQ(DelOne(file, 11, kNoProgress), TailMoveResult::Restored);
  EXPECT_EQ(file.bytes(), test::PatternBytes(10));
  EXPECT_EQ(file.writes(), 0);
}

TEST(TailMove, ReportsProgressAfterEachBlockBelowOne) {
  for (bool insertion : {true, false}) {
    FaultyFile file(test::PatternBytes(3 * 4096 + 10));
    std::vector<double> shares;
    const TailProgress progress = [&](double share) { shares.push_back(share); };
    // Both tails are 3 * 4096 bytes: three whole blocks.
    if (insertion) {
      ASSERT_EQ(InsOne(file, 11, 0, progress), TailMoveResult::Done);
      EXPECT_EQ(shares, (std::vector<double>{0, 4096.0 / 12289, 8192.0 / 12289}));
    } else {
      ASSERT_EQ(DelOne(file, 10, progress), TailMoveResult::Done);
      EXPECT_EQ(shares, (std::vector<double>{0, 1.0 / 3, 2.0 / 3}));
    }
  }
}

// A tail of three blocks (4096, 4096, 1808); each read, write and resize of
// the move fails once in turn, and the file must come back as it was.
constexpr size_t kFaultSize = 10000;
constexpr int32_t kFaultPos = 100;

TEST(TailMove, AFailedInsertionPutsEveryBlockBack) {
  const Bytes original = test::PatternBytes(kFaultSize);
  for (bool partial : {false, true}) {
    for (int n = 1; n <= 4; ++n) {  // three blocks, then the new byte
      SCOPED_TRACE(testing::Message() << "write " << n << " partial " << partial);
      FaultyFile file(original);
      file.fail_write = n;
      file.partial = partial;
      EXPECT_EQ(InsOne(file, kFaultPos, 0xEE, kNoProgress), TailMoveResult::Restored);
      EXPECT_EQ(file.bytes(), original);
    }
  }
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE(testing::Message() << "read " << n);
    FaultyFile file(original);
    file.fail_read = n;
    EXPECT_EQ(InsOne(file, kFaultPos, 0xEE, kNoProgress), TailMoveResult::Restored);
    EXPECT_EQ(file.bytes(), original);
  }
  FaultyFile unlengthened(original);
  unlengthened.fail_resize = 1;
  EXPECT_EQ(InsOne(unlengthened, kFaultPos, 0xEE, kNoProgress), TailMoveResult::Restored);
  EXPECT_EQ(unlengthened.bytes(), original);
}

TEST(TailMove, AFailedDeletionPutsEveryBlockAndTheDeletedByteBack) {
  const Bytes original = test::PatternBytes(kFaultSize);
  for (bool partial : {false, true}) {
    for (int n = 1; n <= 3; ++n) {
      SCOPED_TRACE(testing::Message() << "write " << n << " partial " << partial);
      FaultyFile file(original);
      file.fail_write = n;
      file.partial = partial;
      EXPECT_EQ(DelOne(file, kFaultPos, kNoProgress), TailMoveResult::Restored);
      EXPECT_EQ(file.bytes(), original);
    }
  }
  for (int n = 1; n <= 4; ++n) {  // the deleted byte, then three blocks
    SCOPED_TRACE(testing::Message() << "read " << n);
    FaultyFile file(original);
    file.fail_read = n;
    EXPECT_EQ(DelOne(file, kFaultPos, kNoProgress), TailMoveResult::Restored);
    EXPECT_EQ(file.bytes(), original);
  }
  FaultyFile uncut(original);
  uncut.fail_resize = 1;
  EXPECT_EQ(DelOne(uncut, kFaultPos, kNoProgress), TailMoveResult::Restored);
  EXPECT_EQ(uncut.bytes(), original);
}

TEST(TailMove, SaysSoWhenTheFileCannotBePutBack) {
  for (int n = 2; n <= 3; ++n) {
    FaultyFile inserting(test::PatternBytes(kFaultSize));
    inserting.fail_write = n;
    inserting.sticky = true;
    EXPECT_EQ(InsOne(inserting, kFaultPos, 0, kNoProgress), TailMoveResult::MaybeDamaged);
    FaultyFile deleting(test::PatternBytes(kFaultSize));
    deleting.fail_write = n;
    deleting.sticky = true;
    EXPECT_EQ(DelOne(deleting, kFaultPos, kNoProgress), TailMoveResult::MaybeDamaged);
  }
}

struct ProgCall {
  double value;
  std::wstring caption;
};

TEST(TailMoveByName, ShowsProgressAndChangesTheFile) {
  test::TempFolder dir;
  const std::wstring name = dir / L"a.bin";
  test::WriteFileBytes(name, {1, 2, 3});
  std::vector<ProgCall> calls;
  const ProgFunction prog = [&](double v, const std::wstring& c) { calls.push_back({v, c}); };
  EXPECT_EQ(InsOne(name, 1, 0, prog, L""), 0);
  EXPECT_EQ(test::ReadFileBytes(name), (Bytes{0, 1, 2, 3}));
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].value, -1);
  EXPECT_EQ(calls[0].caption, edit_texts::kInserting);
  EXPECT_EQ(calls[1].value, 0);
  EXPECT_EQ(calls[2].value, 1);
  EXPECT_EQ(calls[2].caption, L"");

  calls.clear();
  EXPECT_EQ(DelOne(name, 4, prog, L""), 0);
  EXPECT_EQ(test::ReadFileBytes(name), (Bytes{0, 1, 2}));
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].caption, edit_texts::kDeleting);
}

TEST(TailMoveByName, AMissingFileIsReportedAndNotMade) {
  test::TempFolder dir;
  test::MessageRecorder messages;
  const std::wstring name = dir / L"gone.bin";
  EXPECT_EQ(DelOne(
                name, 1, [](double, const std::wstring&) {}, L""),
            -1);
  EXPECT_FALSE(fs::FileExists(name));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text,
            std::wstring(edit_texts::kDeleteFailed) + L"\r\n" + edit_texts::kTailMoveCause);
  EXPECT_EQ(messages.shown()[0].icon, MsgIcon::None);
}

TEST(TailMoveByName, ADamagedFileIsReportedWithItsBackup) {
  test::TempFolder dir;
  const std::wstring backup = dir / L"a_VXBackUp .bin";
  const std::wstring damaged = std::wstring(edit_texts::kInsertFailed) + L"\r\n" +
                               edit_texts::kTailMoveCause + L"\r\n" + edit_texts::kMayBeDamaged +
                               L"\r\n";
  EXPECT_EQ(TailMoveFailureText(true, TailMoveResult::MaybeDamaged, backup),
            damaged + edit_texts::kNoBackUpKept);
  test::WriteFileBytes(backup, {1});
  EXPECT_EQ(TailMoveFailureText(true, TailMoveResult::MaybeDamaged, backup),
            damaged + edit_texts::kBackUpAt + backup);
}

}  // namespace
}  // namespace vx

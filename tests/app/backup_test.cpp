#include "app/disk/backup.h"

#include <gtest/gtest.h>

#include "app/edit/edit_texts.h"
#include "app/settings/display_settings.h"
#include "common/clock.h"
#include "common/file_copy.h"
#include "common/file_seam.h"
#include "tests/support/message_recorder.h"
#include "tests/support/progress_recorder.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_bytes.h"

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;

// A precise clock that moves `step` seconds at every reading: every test
// write seems to take `step`.
class SteppingClock {
 public:
  explicit SteppingClock(double step) {
    SetPreciseClockHandler([this, step] { return now_ += step; });
  }
  ~SteppingClock() { SetPreciseClockHandler({}); }

 private:
  double now_ = 0;
};

// A precise clock under which the test rounds take `seconds`, one straight
// after the other; past the script every reading is a second later.
class ScriptedClock {
 public:
  explicit ScriptedClock(const std::vector<double>& seconds) {
    readings_.push_back(0);
    for (const double s : seconds) readings_.push_back(readings_.back() + s);
    SetPreciseClockHandler([this] {
      if (next_ == readings_.size()) readings_.push_back(readings_.back() + 1);
      return readings_[next_++];
    });
  }
  ~ScriptedClock() { SetPreciseClockHandler({}); }

 private:
  std::vector<double> readings_;
  size_t next_ = 0;
};

TEST(BackUpName, SplitsTheFilesOwnNameAtItsLastDot) {
  const std::wstring suffix = DefaultSettings().BackUpSuffix;
  ASSERT_EQ(suffix, L"_VXBackUp ");
  const struct {
    const wchar_t* file;
    const wchar_t* backup;
  } cases[] = {
      // One dot: the name every earlier backup has, so that it is still found.
      {L"C:\\data\\Report.DOC", L"C:\\data\\Report_VXBackUp .doc"},
      {L"C:\\data\\Report.Final.DOC", L"C:\\data\\Report.Final_VXBackUp .doc"},
      {L"C:\\data\\README", L"C:\\data\\README_VXBackUp "},
      {L"C:\\my.data\\README", L"C:\\my.data\\README_VXBackUp "},
      {L"C:\\data\\.profile", L"C:\\data\\_VXBackUp .profile"},
  };
  for (const auto& c : cases) EXPECT_EQ(BackUpPathFor(c.file, suffix), c.backup) << c.file;
  EXPECT_EQ(BackUpPathFor(L"C:\\a.b\\x.TXT", PadField(L"~", kBackUpSuffixLength)),
            L"C:\\a.b\\x~         .txt");
}

TEST(BackUpName, EveryFileRestoresItsOwnBytes) {
  test::TempFolder dir;
  ASSERT_TRUE(fs::MakeFolder(dir / L"my.data"));
  const std::wstring files[] = {dir / L"Report.Final.doc", dir / L"Report.Draft.doc",
                                dir / L"README", dir / L"LICENSE", dir / L"my.data\\README"};
  const std::wstring suffix = DefaultSettings().BackUpSuffix;
  SteppingClock clock(0.001);
  for (size_t i = 0; i < std::size(files); ++i) {
    test::WriteFileBytes(files[i], Bytes(3, static_cast<uint8_t>(i + 1)));
    ASSERT_EQ(MakeBackUp(EditedFile(files[i]), 3, suffix, dir.path(), test::IgnoreProgress),
              BackUpOutcome::Made)
        << i;
    test::WriteFileBytes(files[i], {0xEE});  // the change after the backup
  }
  for (size_t i = 0; i < std::size(files); ++i) {
    ASSERT_EQ(RestoreFromBackUp(EditedFile(files[i]), BackUpPathFor(files[i], suffix)),
              RestoreOutcome::Restored);
    EXPECT_EQ(test::ReadFileBytes(files[i]), Bytes(3, static_cast<uint8_t>(i + 1))) << i;
  }
}

TEST(BackUpSpeed, TimesTheTestWriteByThePreciseClockAndRemovesItsFile) {
  test::TempFolder dir;
  {
    // Well below a millisecond, which the millisecond clock would call 0.
    SteppingClock clock(0.0004);
    EXPECT_NEAR(TestWriteSeconds(dir.path()), 0.0004 / kWritesPerRound, 1e-12);
  }
  EXPECT_FALSE(fs::FileExists(dir / L"Dummy.dat"));
  // A settings folder that is a file: no test write, no estimate.
  test::WriteFileBytes(dir / L"file", {1});
  EXPECT_EQ(TestWriteSeconds(dir / L"file\\"), 0);
}

// A write the system held up does not make the estimate, wherever it falls
// in the test's time, and the rounds go on for that time, no longer: the same
// disk gives the same estimate from one change to the next, and a slow disk
// is measured by one round.
TEST(BackUpSpeed, TakesTheQuickestRoundOfTheTestsTime) {
  test::TempFolder dir;
  const double round = kSpeedTestSeconds / 8;
  const std::vector<double> held_up(9, round);  // past the time
  const auto then = [](std::vector<double> rounds, std::vector<double> more) {
    rounds.insert(rounds.end(), more.begin(), more.end());
    return rounds;
  };
  const struct {
    std::vector<double> rounds;
    double quickest;
  } cases[] = {
      {std::vector<double>(100, 0.0013), 0.0013},
      {{0.0100, 0.0013, 0.0090, 0.0015, 0.0020}, 0.0013},
      {then(std::vector<double>(7, round), {0.0013}), 0.0013},  // the last round in time
      {then(held_up, {0.0001}), round},                         // no round after the time
      {{0.4, 0.0001}, 0.4},                                     // a slow disk
  };
  for (const auto& c : cases) {
    ScriptedClock clock(c.rounds);
    EXPECT_NEAR(TestWriteSeconds(dir.path()), c.quickest / kWritesPerRound, 1e-12)
        << c.rounds.size() << " rounds, the first " << c.rounds[0];
  }
}

// Only writes over the whole file are timed: the fresh file's making and
// first writes, whose cost follows the machine's state, never count.
TEST(BackUpSpeed, TimesOnlyWritesOverTheWholeFile) {
  test::TempFolder dir;
  std::vector<int64_t> lengths;
  SetPreciseClockHandler([&] {
    lengths.push_back(fs::OpenFileForReading(dir / L"Dummy.dat").Length());
    return static_cast<double>(lengths.size());
  });
  TestWriteSeconds(dir.path());
  SetPreciseClockHandler({});
  ASSERT_GE(lengths.size(), 2u);
  EXPECT_EQ(lengths, std::vector<int64_t>(lengths.size(), kWritesPerRound * int64_t{1'000'001}));
}

TEST(BackUpSpeed, EstimatesWithThePowerOneAndAHalfOfTheSize) {
  EXPECT_DOUBLE_EQ(BackUpSeconds(100'000'000, 0.01), 10);
  EXPECT_DOUBLE_EQ(BackUpSeconds(4'000'000, 0.5), 4);
  EXPECT_EQ(BackUpQuestion(10.9),
            L"ファイルのバックアップを作成します。\r\n"
            L"このファイルはサイズが大きいため、\r\n"
            L"作成するのに10秒ほどかかります。（おおよそ）\r\n"
            L"バックアップを作成してよろしいですか？");
}

class BackUpTest : public testing::Test {
 protected:
  void SetUp() override { test::WriteFileBytes(file_, test::PatternBytes(3'000'000)); }
  BackUpOutcome Run(const std::wstring& file,
                    const ProgressCallback& progress = test::IgnoreProgress) {
    return MakeBackUp(EditedFile(file), 3'000'000, DefaultSettings().BackUpSuffix, dir_.path(),
                      progress);
  }

  test::TempFolder dir_;
  test::MessageRecorder messages_;
  const std::wstring file_ = dir_ / L"big.Bin";
  const std::wstring backup_ = dir_ / L"big_VXBackUp .bin";
};

TEST_F(BackUpTest, AFastDiskCopiesWithoutAsking) {
  SteppingClock clock(0.001);
  std::vector<double> shares;
  // The half-way mark comes again after each block of the copy, so that the
  // window can let the system in; what it shows changes only three times.
  EXPECT_EQ(Run(file_,
                [&](double share, const std::wstring&) {
                  if (shares.empty() || shares.back() != share) shares.push_back(share);
                }),
            BackUpOutcome::Made);
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ(test::ReadFileBytes(backup_), test::PatternBytes(3'000'000));
  EXPECT_EQ(shares, (std::vector<double>{kProgressStart, 0.5, kProgressEnd}));
}

TEST_F(BackUpTest, ASlowDiskAsksAndNoMeansNoBackup) {
  SteppingClock clock(2.0 * kWritesPerRound);  // each write 2 s: E = 3^1.5 x 2 = 10.39
  messages_.Answer(MsgAnswer::No);
  EXPECT_EQ(Run(file_), BackUpOutcome::Declined);
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].text, BackUpQuestion(10.39));
  EXPECT_EQ(messages_.shown()[0].buttons, MsgButtons::YesNo);
  EXPECT_FALSE(fs::FileExists(backup_));

  EXPECT_EQ(Run(file_), BackUpOutcome::Made);
  EXPECT_EQ(test::ReadFileBytes(backup_), test::PatternBytes(3'000'000));
}

TEST_F(BackUpTest, AFailedCopyAsksWhetherToGoOn) {
  SteppingClock clock(0.001);
  const std::wstring missing = dir_ / L"gone.bin";
  messages_.Answer(MsgAnswer::No);
  EXPECT_EQ(Run(missing), BackUpOutcome::Cancelled);
  EXPECT_EQ(Run(missing), BackUpOutcome::Skipped);
  ASSERT_EQ(messages_.shown().size(), 2u);
  EXPECT_EQ(messages_.shown()[1].text, edit_texts::kBackUpFailed);
  EXPECT_EQ(messages_.shown()[1].buttons, MsgButtons::YesNo);
}

TEST(BackUpCopy, ReplacesALongerOldTargetWhole) {
  test::TempFolder dir;
  test::WriteFileBytes(dir / L"s", test::PatternBytes(1'500'000));
  test::WriteFileBytes(dir / L"t", Bytes(2'000'000, 0xAA));
  ASSERT_TRUE(CopyFileFresh(dir / L"s", dir / L"t"));
  EXPECT_EQ(test::ReadFileBytes(dir / L"t"), test::PatternBytes(1'500'000));
  test::WriteFileBytes(dir / L"empty", {});
  ASSERT_TRUE(CopyFileFresh(dir / L"empty", dir / L"t"));
  EXPECT_TRUE(test::ReadFileBytes(dir / L"t").empty());
}

TEST(BackUpRestore, ReplacesTheFileAndKeepsTheBackup) {
  test::TempFolder dir;
  const std::wstring file = dir / L"a.txt";
  const std::wstring backup = dir / L"a_VXBackUp .txt";
  EXPECT_EQ(RestoreFromBackUp(EditedFile(file), backup), RestoreOutcome::NoBackUp);

  test::WriteFileBytes(file, {9, 9, 9, 9});
  test::WriteFileBytes(backup, {1, 2});
  EXPECT_EQ(RestoreFromBackUp(EditedFile(file), backup), RestoreOutcome::Restored);
  EXPECT_EQ(test::ReadFileBytes(file), (Bytes{1, 2}));
  EXPECT_EQ(test::ReadFileBytes(backup), (Bytes{1, 2}));
  EXPECT_EQ(fs::ListFolder(dir.path()).size(), 2u);
}

TEST(BackUpRestore, AFailedRestoreLeavesBothInPlace) {
  test::TempFolder dir;
  const std::wstring backup = dir / L"a_VXBackUp .txt";
  test::WriteFileBytes(backup, {1, 2});
  // A folder in the way of the file cannot be replaced by a file.
  const std::wstring blocked = dir / L"a.txt";
  ASSERT_TRUE(fs::MakeFolder(blocked));
  test::WriteFileBytes(blocked + L"\\inside", {5});
  EXPECT_EQ(RestoreFromBackUp(EditedFile(blocked), backup), RestoreOutcome::Failed);
  EXPECT_EQ(test::ReadFileBytes(backup), (Bytes{1, 2}));
  EXPECT_EQ(test::ReadFileBytes(blocked + L"\\inside"), (Bytes{5}));
  EXPECT_EQ(fs::ListFolder(dir.path()).size(), 2u);
}

}  // namespace
}  // namespace vx

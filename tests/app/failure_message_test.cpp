#include "app/edit/failure_message.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "app/disk/insert_delete.h"
#include "app/disk/recovery.h"
#include "app/edit/failure_texts.h"
#include "common/file_seam.h"
#include "tests/app/faulty_file.h"
#include "tests/support/message_recorder.h"
#include "tests/support/progress_recorder.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_bytes.h"

namespace vx {
namespace {

namespace t = failure_texts;

// The system's code for a full disk, as the failing write would leave it.
#ifdef _WIN32
constexpr int kDiskFullCode = 112;  // ERROR_DISK_FULL
#else
constexpr int kDiskFullCode = ENOSPC;
#endif

bool Has(const std::wstring& text, std::wstring_view part) {
  return text.find(part) != std::wstring::npos;
}

// Every command with every cause: the message names the command, the cause
// (with the place that failed and, for a full disk, its drive), the file,
// and says the file is unchanged where it is.
TEST(FailureMessage, EveryCommandWithEveryCauseNamesBoth) {
  const struct {
    FailedCommand command;
    const wchar_t* line;
  } commands[] = {
      {FailedCommand::Insert, t::kInsertFailed},
      {FailedCommand::Delete, t::kDeleteFailed},
      {FailedCommand::Overwrite, t::kOverwriteFailed},
      {FailedCommand::Paste, t::kPasteFailed},
      {FailedCommand::PasteOver, t::kPasteOverFailed},
      {FailedCommand::Cut, t::kCutFailed},
      {FailedCommand::Fill, t::kFillFailed},
      {FailedCommand::Undo, t::kUndoFailed},
      {FailedCommand::Redo, t::kRedoFailed},
      {FailedCommand::Replace, t::kReplaceFailed},
      {FailedCommand::ReplaceAll, t::kReplaceAllFailed},
      {FailedCommand::Copy, t::kCopyFailed},
  };
  const struct {
    FailureCause cause;
    const wchar_t* said;
  } causes[] = {
      {FailureCause::DiskFull, t::kDiskFullAfter},
      {FailureCause::InUse, t::kInUse},
      {FailureCause::Missing, t::kMissing},
      {FailureCause::Denied, t::kDenied},
      {FailureCause::Shortened, t::kShortened},
      {FailureCause::Changed, t::kChanged},
      {FailureCause::OtherCopyEditing, t::kOtherCopyEditing},
      {FailureCause::Other, t::kOtherBefore},
  };
  const struct {
    FailedPlace place;
    const wchar_t* name;
  } places[] = {{FailedPlace::File, t::kTheFile},
                {FailedPlace::RecoveryRecord, t::kTheRecord},
                {FailedPlace::JournalData, t::kTheJournalData}};
  const std::wstring name = L"D:\\VXSetting\\Journal12-1.dat";
  for (const auto& command : commands) {
    for (const auto& cause : causes) {
      for (const auto& place : places) {
        for (const bool unchanged : {false, true}) {
          const std::wstring text =
              FailureMessage(command.command, {cause.cause, place.place, name, 5, unchanged});
          SCOPED_TRACE(testing::Message()
                       << static_cast<int>(command.command) << " " << static_cast<int>(cause.cause)
                       << " " << static_cast<int>(place.place));
          EXPECT_TRUE(text.starts_with(std::wstring(command.line) + L"\r\n"));
          EXPECT_TRUE(Has(text, cause.said));
          EXPECT_TRUE(cause.cause == FailureCause::OtherCopyEditing || Has(text, place.name));
          EXPECT_TRUE(cause.cause != FailureCause::DiskFull || Has(text, L"ドライブ D: "));
          EXPECT_TRUE(Has(text, name));
          EXPECT_EQ(text.ends_with(t::kUnchanged), unchanged);
        }
      }
    }
  }
  // The clipboard has no name line; no cause known keeps the old wording.
  EXPECT_EQ(FailureMessage(FailedCommand::Paste, {FailureCause::InUse, FailedPlace::Clipboard}),
            std::wstring(t::kPasteFailed) + L"\r\n" + t::kTheClipboard + t::kInUse);
  EXPECT_EQ(FailureMessage(FailedCommand::Insert, {}),
            std::wstring(t::kInsertFailed) + L"\r\n" + t::kUnknown);
  EXPECT_EQ(FailureMessage(FailedCommand::Overwrite, {}),
            std::wstring(t::kOverwriteFailed) + L"\r\n" + t::kOverwriteUnknown);
}

TEST(FailureMessage, TheDriveIsTheLetterOrTheShare) {
  EXPECT_EQ(DriveOf(L"C:\\data\\a.bin"), L"C:");
  EXPECT_EQ(DriveOf(L"\\\\server\\share\\a.bin"), L"\\\\server\\share");
  EXPECT_EQ(DriveOf(L"\\\\server"), L"\\\\server");
}

// The causes the system's codes name, taken from real failed calls where a
// test can make them.
TEST(FailureCause, ReadFromTheSystemsCode) {
  test::TempFolder dir;
  const std::wstring gone = dir / L"gone.bin";
  EXPECT_FALSE(fs::OpenFile(gone, false, fs::Share::ReadWrite));
  EXPECT_EQ(SystemFailure(fs::LastSystemError(), FailedPlace::File, gone).cause,
            FailureCause::Missing);
  EXPECT_EQ(SystemFailure(kDiskFullCode, FailedPlace::File, gone).cause, FailureCause::DiskFull);
  EXPECT_EQ(SystemFailure(0, FailedPlace::File, gone).cause, FailureCause::Unknown);
}

// A full disk under a move is told as such, about the place that failed
// first: the record before the data file before the file itself.
TEST(MoveFailure, TheCauseTravelsUpFromTheCallThatFailed) {
  const test::Bytes before = test::PatternBytes(3 * test::kTestBlock);
  const std::wstring path = L"E:\\big.bin", data_name = L"F:\\VXSetting\\Journal1-1.dat";
  test::FaultyFile file(before), data(before);
  file.fail_write = 2;
  file.error_code = kDiskFullCode;
  ASSERT_EQ(test::InsertWithRecord(file, 10, 0xEE), TailMoveResult::Restored);
  ASSERT_EQ(file.bytes(), before);

  const Failure on_file = MoveFailure({}, &data, data_name, file, path);
  EXPECT_EQ(on_file.cause, FailureCause::DiskFull);
  EXPECT_EQ(on_file.place, FailedPlace::File);
  EXPECT_TRUE(Has(FailureMessage(FailedCommand::Paste, on_file), L"ドライブ E: "));

  data.fail_read = 1;
  data.error_code = kDiskFullCode;
  uint8_t byte = 0;
  ASSERT_EQ(data.ReadAt(0, &byte, 1), -1);
  const Failure on_data = MoveFailure({}, &data, data_name, file, path);
  EXPECT_EQ(on_data.place, FailedPlace::JournalData);
  EXPECT_EQ(on_data.name, data_name);

  const Failure on_record =
      MoveFailure({kDiskFullCode, L"G:\\VXSetting\\Recovery1-1.dat"}, &data, data_name, file, path);
  EXPECT_EQ(on_record.place, FailedPlace::RecoveryRecord);
  EXPECT_TRUE(Has(FailureMessage(FailedCommand::Cut, on_record), L"ドライブ G: "));
  EXPECT_TRUE(FailureMessage(FailedCommand::Cut, on_record).starts_with(t::kCutFailed));

  // A file kept open for many moves starts the next one afresh.
  data.ForgetError();
  EXPECT_EQ(MoveFailure({}, &data, data_name, file, path).place, FailedPlace::File);
}

// Where the settings folder cannot keep the record, the move does not begin
// and the message says it is the record that failed.
TEST(MoveFailure, AMoveWithoutItsRecordDoesNotBegin) {
  test::TempFolder dir;
  test::MessageRecorder messages;
  const EditedFile file(dir / L"a.bin");
  test::WriteFileBytes(file.path(), {1, 2, 3});
  test::WriteFileBytes(dir / L"blocked", {1});
  SetRecoveryFolder(dir / L"blocked\\");
  EXPECT_FALSE(InsertIntoFile(file, 0, 9, test::IgnoreProgress, L""));
  SetRecoveryFolder(L"");
  EXPECT_EQ(test::ReadFileBytes(file.path()), (test::Bytes{1, 2, 3}));
  ASSERT_EQ(messages.shown().size(), 1u);
  const std::wstring& text = messages.shown()[0].text;
  EXPECT_TRUE(text.starts_with(t::kInsertFailed));
  EXPECT_TRUE(Has(text, t::kTheRecord));
  EXPECT_TRUE(text.ends_with(t::kUnchanged));
}

}  // namespace
}  // namespace vx

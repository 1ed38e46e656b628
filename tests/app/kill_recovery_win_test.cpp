// Vantelox.exe itself, killed from outside in the middle of an insertion, a
// deletion or a backup copy, as the task manager kills a program that does
// not answer, and started again: the file comes back exactly as before or
// after the edit and the program says which, and no half backup is left.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/disk/move_record.h"
#include "app/disk/backup.h"
#include "app/disk/file_proof.h"
#include "app/disk/recovery.h"
#include "app/disk/recovery_texts.h"
#include "app/edit/failure_texts.h"
#include "app/document/document_texts.h"
#include "app/edit/copy_limit.h"
#include "app/disk/journal_data.h"
#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/settings/settings_folder.h"
#include "app/view/go_to_texts.h"
#include "app/view/menu_commands.h"
#include "app/view/status_texts.h"
#include "common/file_copy.h"
#include "common/file_seam.h"
#include "tests/app/faulty_file.h"
#include "tests/support/clipboard_turn_win.h"
#include "tests/support/program_driver_win.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_driver_win.h"

namespace vx::test {
namespace {

constexpr int64_t kFileSize = int64_t{64} << 20;
constexpr wchar_t kTitle[] = L"Vantelox";

std::wstring ProgramBesideTests() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::wstring path = self;
  return path.substr(0, path.rfind(L'\\') + 1) + L"Vantelox.exe";
}

// No two pages alike, so that a block moved to the wrong place shows.
Bytes NoisyBytes(int64_t size) {
  Bytes bytes(static_cast<size_t>(size));
  uint64_t state = 0x9E3779B97F4A7C15u;
  for (uint8_t& b : bytes) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    b = static_cast<uint8_t>(state);
  }
  return bytes;
}

// A file of the running program, watched through a view of its own: a record
// as the program keeps it, or a copy as it grows.
class Watch {
 public:
  ~Watch() { Close(); }
  bool Open(const std::wstring& name) {
    Close();
    // The program removes a record it is done with even while it is watched.
    file_ = CreateFileW(name.c_str(), GENERIC_READ,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_EXISTING, 0, nullptr);
    if (file_ == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file_, &size) || size.QuadPart == 0) return Close();
    mapping_ = CreateFileMappingW(file_, nullptr, PAGE_READONLY, 0, 0, nullptr);
    view_ = mapping_ ? MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, 0) : nullptr;
    size_ = static_cast<size_t>(size.QuadPart);
    return view_ != nullptr || Close();
  }
  // The share of the move done, or -1 before the record is whole and for
  // the record of a copy.
  double Share() const {
    if (!view_) return -1;
    const MoveRecord record(static_cast<uint8_t*>(view_), size_);
    if (!record.Begun() || !IsTailMove(record.kind())) return -1;
    const int64_t count = record.plan(record.active()).count;
    return count > 0 ? static_cast<double>(record.progress().moved) / static_cast<double>(count)
                     : 1;
  }
  HANDLE file() const { return file_; }
  bool Close() {
    if (view_) UnmapViewOfFile(view_);
    if (mapping_) CloseHandle(mapping_);
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    view_ = nullptr;
    mapping_ = nullptr;
    file_ = INVALID_HANDLE_VALUE;
    return false;
  }

 private:
  HANDLE file_ = INVALID_HANDLE_VALUE;
  HANDLE mapping_ = nullptr;
  void* view_ = nullptr;
  size_t size_ = 0;
};

// Asks `done` as fast as it can, giving the processor away between asks;
// false when a minute passed.
bool Poll(const std::function<bool()>& done) {
  const ULONGLONG end = GetTickCount64() + 60000;
  while (!done()) {
    if (GetTickCount64() > end) return false;
    SwitchToThread();
  }
  return true;
}

// A copy of the program in a folder of its own, with its own settings.
class KillRecoveryTest : public testing::Test {
 protected:
  void Prepare(bool auto_backup, int64_t file_size = kFileSize) {
    ASSERT_TRUE(CopyFileFresh(ProgramBesideTests(), program_));
    const std::wstring program_folder = ProgramFolder;
    ProgramFolder = dir_.path();
    SetDefaultSettings();
    DisplaySettings.AutoBackUp = auto_backup;
    records_ = SettingsFolder();
    ASSERT_TRUE(fs::MakeFolder(records_));
    SaveSettings();
    ProgramFolder = program_folder;
    SetDefaultSettings();
    bytes_ = NoisyBytes(file_size);
    WriteFileBytes(file_, bytes_);
  }

  Handle Start() {
    Handle program = StartProgram(L"\"" + program_ + L"\" \"" + file_ + L"\"");
    EXPECT_TRUE(program) << "Vantelox.exe did not start: " << GetLastError();
    return program;
  }

  // Presses `key` in the page area of a program started on the file.
  static void Press(HANDLE program, int key) {
    const HWND main = WaitForWindowOf(program, L"VanteloxMainWindow");
    ASSERT_NE(main, nullptr);
    const HWND page = FindWindowExW(main, nullptr, L"VxPageView", nullptr);
    ASSERT_NE(page, nullptr);
    PostKey(page, key);
  }

  // Presses Yes on the question a slow disk asks before the backup; true
  // once `done` holds.
  static bool AnswerBackUpQuestionUntil(HANDLE program, const std::function<bool()>& done) {
    const DWORD id = GetProcessId(program);
    return Poll([&] {
      const HWND box = FindWindowW(L"#32770", kTitle);
      DWORD owner = 0;
      if (box) GetWindowThreadProcessId(box, &owner);
      if (owner == id) PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
      return done();
    });
  }

  static void Kill(HANDLE program) {
    TerminateProcess(program, 1);
    WaitForSingleObject(program, INFINITE);
  }

  // Starts the program again, answers what it says before its window shows
  // and closes it; gives what it said.
  std::wstring StartAgain(bool expect_message) {
    const Handle program = Start();
    std::wstring said;
    // Other tests may run programs of the same title meanwhile.
    if (expect_message) said = AnswerMessageBox(kTitle, IDOK, program.get());
    const HWND main = WaitForWindowOf(program.get(), L"VanteloxMainWindow");
    EXPECT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitForEnd(program.get()));
    return said;
  }

  bool JournalDataLeft() const {
    for (const auto& entry : fs::ListFolder(records_)) {
      if (IsJournalDataName(entry.name)) return true;
    }
    return false;
  }

  std::wstring RecordName() const {
    for (const auto& entry : fs::ListFolder(records_)) {
      if (entry.name.starts_with(L"Recovery") && entry.name.ends_with(L".dat")) {
        return records_ + entry.name;
      }
    }
    return {};
  }

  // Starts an insertion or deletion at the start of the file and kills the
  // program once `share` of it is done; the record stays.
  void KillMoveInMiddle(int key, double share) {
    const Handle program = Start();
    Press(program.get(), key);
    Watch record;
    ASSERT_TRUE(AnswerBackUpQuestionUntil(program.get(), [&] {
      if (record.Share() < 0) record.Open(RecordName());
      return record.Share() >= share;
    }));
    Kill(program.get());
    ASSERT_FALSE(RecordName().empty());
  }

  // Kills the program at `share` of an insertion or deletion at the start of
  // the file, starts it again and checks the file against before and after.
  void KillMoveAt(bool insertion, double share) {
    SCOPED_TRACE(testing::Message() << (insertion ? "insertion" : "deletion") << " at " << share);
    const Bytes after = insertion ? Inserted(bytes_, 0, 0) : Deleted(bytes_, 0);
    double stopped = -1;
    {
      const Handle program = Start();
      Press(program.get(), insertion ? VK_INSERT : VK_DELETE);
      Watch record;
      ASSERT_TRUE(Poll([&] {
        if (record.Share() < 0) record.Open(RecordName());
        return record.Share() >= share;
      }));
      Kill(program.get());
      stopped = record.Share();
    }
    const bool left = !RecordName().empty();
    std::printf("  %s killed at %5.1f%% of the move (aimed at %4.1f%%)%s\n",
                insertion ? "insertion" : "deletion", 100 * stopped, 100 * share,
                left ? "" : ", after its end");
    const std::wstring said = StartAgain(left);
    const RecordKind kind = insertion ? RecordKind::Insertion : RecordKind::Deletion;
    const Bytes now = ReadFileBytes(file_);
    if (!left) {
      EXPECT_TRUE(now == after);
    } else if (said == RepairMessage({kind, RepairResult::After, file_, L""})) {
      EXPECT_TRUE(now == after) << "said after, but is not";
    } else {
      EXPECT_EQ(said, RepairMessage({kind, RepairResult::Before, file_, L""}));
      EXPECT_TRUE(now == bytes_) << "said before, but is not";
    }
    EXPECT_TRUE(RecordName().empty());
    bytes_ = now;
  }

  TempFolder dir_;
  const std::wstring program_ = dir_ / L"Vantelox.exe";
  const std::wstring file_ = dir_ / L"data.bin";
  std::wstring records_;
  Bytes bytes_;
};

// Twenty moments spread over the move, in four parts so that each stays
// well within a test's time on a busy machine.
class KillMoveTest : public KillRecoveryTest,
                     public testing::WithParamInterface<std::tuple<bool, int>> {};

TEST_P(KillMoveTest, TheNextStartRepairsToBeforeOrAfterAndSaysSo) {
  const auto [insertion, part] = GetParam();
  Prepare(false);
  for (int moment = 5 * part; moment < 5 * part + 5; ++moment) {
    KillMoveAt(insertion, (moment + 0.5) / 20);
    if (HasFatalFailure()) return;
  }
}

INSTANTIATE_TEST_SUITE_P(InsertAndDelete, KillMoveTest,
                         testing::Combine(testing::Bool(), testing::Range(0, 4)));

// The largest cut the clipboard takes, selected with F8 and the go-to
// window and killed half way through its move: the next start finishes it
// or takes it back from its undo data, says which, and the undo data goes.
TEST_F(KillRecoveryTest, AKilledCutIsRepairedFromItsUndoData) {
  const ClipboardTurn clipboard;
  ASSERT_TRUE(clipboard.held());
  Prepare(false, kCopyLimit + (int64_t{32} << 20));
  Bytes after(bytes_.begin() + kCopyLimit, bytes_.end());
  double stopped = -1;
  {
    const Handle program = Start();
    const HWND main = WaitForWindowOf(program.get(), L"VanteloxMainWindow");
    ASSERT_NE(main, nullptr);
    const HWND page = FindWindowExW(main, nullptr, L"VxPageView", nullptr);
    ASSERT_NE(page, nullptr);
    PostKey(page, VK_F8);
    PostMessageW(main, WM_COMMAND, menu_commands::kGoTo, 0);
    const HWND go_to = WaitForWindow(go_to_texts::kCaption);
    ASSERT_NE(go_to, nullptr);
    SendMessageW(ChildOfClass(go_to, L"Edit"), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"FFFFFFF"));
    PressButton(go_to, go_to_texts::kGo);
    ASSERT_TRUE(WaitForNoWindow(go_to_texts::kCaption));
    PostKey(page, VK_F8);
    PostMessageW(main, WM_COMMAND, menu_commands::kCut, 0);
    Watch record;
    ASSERT_TRUE(Poll([&] {
      if (record.Share() < 0) record.Open(RecordName());
      return record.Share() >= 0.5;
    }));
    Kill(program.get());
    stopped = record.Share();
  }
  std::printf("  cut killed at %5.1f%% of the move\n", 100 * stopped);
  ASSERT_FALSE(RecordName().empty());
  EXPECT_TRUE(JournalDataLeft());
  const std::wstring said = StartAgain(true);
  const Bytes now = ReadFileBytes(file_);
  if (said == RepairMessage({RecordKind::Range, RepairResult::After, file_, L""})) {
    EXPECT_TRUE(now == after) << "said after, but is not";
  } else {
    EXPECT_EQ(said, RepairMessage({RecordKind::Range, RepairResult::Before, file_, L""}));
    EXPECT_TRUE(now == bytes_) << "said before, but is not";
  }
  EXPECT_TRUE(RecordName().empty());
  EXPECT_FALSE(JournalDataLeft());
}

TEST_F(KillRecoveryTest, AKilledBackUpLeavesNoHalfBackUp) {
  Prepare(true);
  const std::wstring backup = BackUpPathFor(file_, DefaultSettings().BackUpSuffix);
  const std::wstring half = backup + L".VXPart";
  const Bytes earlier = NoisyBytes(5000);
  for (const double share : {0.1, 0.5, 0.9}) {
    for (const bool had_backup : {false, true}) {
      SCOPED_TRACE(testing::Message() << "at " << share << " earlier backup " << had_backup);
      if (had_backup) WriteFileBytes(backup, earlier);
      {
        const Handle program = Start();
        Press(program.get(), VK_INSERT);
        ASSERT_TRUE(AnswerBackUpQuestionUntil(program.get(), [&] {
          return fs::FileLength(half) >= static_cast<int64_t>(share * kFileSize);
        }));
        Kill(program.get());
      }
      EXPECT_FALSE(RecordName().empty());
      EXPECT_EQ(StartAgain(true), std::wstring(recovery_texts::kBackUpStopped) + L"\r\n" +
                                      recovery_texts::kBackUpHalfRemoved + L"\r\n" +
                                      recovery_texts::kFileAt + file_);
      EXPECT_FALSE(fs::FileExists(half));
      EXPECT_TRUE(ReadFileBytes(file_) == bytes_);
      if (had_backup) {
        EXPECT_EQ(ReadFileBytes(backup), earlier);
        ASSERT_TRUE(fs::RemoveFile(backup));
      } else {
        EXPECT_EQ(RestoreFromBackUp(EditedFile(file_), backup), RestoreOutcome::NoBackUp);
      }
    }
  }
}

// After a killed deletion the person copies the backup over the half-moved
// file: the next start leaves that copy exactly as it is and says why.
TEST_F(KillRecoveryTest, ABackUpPutBackByHandIsLeftAsItIs) {
  Prepare(true);
  const std::wstring backup = BackUpPathFor(file_, DefaultSettings().BackUpSuffix);
  KillMoveInMiddle(VK_DELETE, 0.5);
  if (HasFatalFailure()) return;
  ASSERT_TRUE(CopyFileW(backup.c_str(), file_.c_str(), FALSE));
  const std::wstring said = StartAgain(true);
  EXPECT_TRUE(said.starts_with(std::wstring(recovery_texts::kDeleteStopped) + L"\r\n" +
                               recovery_texts::kNotMatching))
      << said.size();
  EXPECT_TRUE(ReadFileBytes(file_) == bytes_);
  EXPECT_TRUE(RecordName().empty());  // set aside, with its details
}

// A second copy of the program on the same file changes nothing while the
// first one moves its tail, and says why.
TEST_F(KillRecoveryTest, ASecondCopyChangesNothingWhileTheFirstEdits) {
  Prepare(false);
  const Handle first = Start();
  const Handle second = Start();
  ASSERT_NE(WaitForWindowOf(second.get(), L"VanteloxMainWindow"), nullptr);
  Press(first.get(), VK_INSERT);
  Watch record;
  ASSERT_TRUE(Poll([&] {
    if (record.Share() < 0) record.Open(RecordName());
    return record.Share() >= 0.1;
  }));
  Press(second.get(), VK_INSERT);
  // While the first copy's record is in use the second says so; a move
  // that ended meanwhile leaves a file the second no longer knows, and that
  // refusal is said instead. Either way nothing is written.
  const std::wstring said = AnswerMessageBox(kTitle, IDOK, second.get());
  EXPECT_TRUE(said.find(failure_texts::kOtherCopyEditing) != std::wstring::npos ||
              said.find(document_texts::kChangedOutsideRefused) != std::wstring::npos)
      << said.size();
  EXPECT_NE(said.find(file_), std::wstring::npos);
  record.Close();
  ASSERT_TRUE(Poll([&] { return RecordName().empty(); }));
  for (HANDLE program : {first.get(), second.get()}) {
    PostMessageW(WaitForWindowOf(program, L"VanteloxMainWindow"), WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitForEnd(program));
  }
  EXPECT_TRUE(ReadFileBytes(file_) == Inserted(bytes_, 0, 0));
}

// Another program changes one byte in the middle of the file after the
// program was killed in the middle of a deletion: the next start sets the
// record aside and leaves the file as that program left it.
TEST_F(KillRecoveryTest, ARepairAfterAKillAndAPokeLeavesThePokedFile) {
  Prepare(false);
  KillMoveInMiddle(VK_DELETE, 0.5);
  // The other program comes later than a write the kill may have cut short.
  const int64_t killed = fs::FileTimeNow();
  ASSERT_TRUE(Poll([&] { return fs::FileTimeNow() > killed + 2 * kWriteTimeSlack; }));
  {
    fs::File file = fs::OpenFile(file_, false, fs::Share::ReadWrite);
    const uint8_t poke = 0xA5;
    ASSERT_TRUE(file.WriteAt(kFileSize / 2 + 12345, &poke, 1));
  }
  const Bytes poked = ReadFileBytes(file_);
  const std::wstring said = StartAgain(true);
  EXPECT_NE(said.find(recovery_texts::kNotMatching), std::wstring::npos);
  EXPECT_TRUE(ReadFileBytes(file_) == poked);
}

// Answers the program's message boxes with No until one says `ending`;
// gives its text, empty when none came.
std::wstring RefuseUntil(HANDLE program, const wchar_t* ending) {
  for (int box = 0; box < 3; ++box) {
    const std::wstring said = AnswerMessageBox(kTitle, IDNO, program);
    if (said.empty() || said.ends_with(ending)) return said;
  }
  return {};
}

// Undo on a file that another process replaced: nothing is written into
// the new file, and the program says why, naming it.
TEST_F(KillRecoveryTest, UndoLeavesAFileReplacedByAnotherProcessAlone) {
  Prepare(false, 1024);
  const Handle program = Start();
  Press(program.get(), VK_DELETE);
  const HWND main = WaitForWindowOf(program.get(), L"VanteloxMainWindow");
  // The size shown once the delete is done and the file taken as left.
  ASSERT_TRUE(WaitForChildText(main, SizeLabel(1023)));
  const std::wstring other = dir_ / L"new.bin";
  const Bytes replacement = NoisyBytes(768);
  WriteFileBytes(other, replacement);
  ASSERT_TRUE(MoveFileExW(other.c_str(), file_.c_str(), MOVEFILE_REPLACE_EXISTING));
  PostMessageW(main, WM_COMMAND, menu_commands::kUndo, 0);
  const std::wstring said = RefuseUntil(program.get(), document_texts::kChangedOutsideRefused);
  EXPECT_TRUE(said.starts_with(std::wstring(document_texts::kChangedOutsideBefore) + file_));
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitForEnd(program.get()));
  EXPECT_TRUE(ReadFileBytes(file_) == replacement);
}

// Two copies of the program on one file: the second, opened before the
// first deleted a byte, does not delete over the first's change.
TEST_F(KillRecoveryTest, ASecondCopyDoesNotEditOverTheFirstsChange) {
  Prepare(false, 1024);
  const Handle first = Start();
  const Handle second = Start();
  ASSERT_NE(WaitForWindowOf(second.get(), L"VanteloxMainWindow"), nullptr);
  Press(first.get(), VK_DELETE);
  ASSERT_TRUE(Poll([&] { return fs::FileLength(file_) == 1023; }));
  Press(second.get(), VK_DELETE);
  const std::wstring said = RefuseUntil(second.get(), document_texts::kChangedOutsideRefused);
  EXPECT_TRUE(said.starts_with(std::wstring(document_texts::kChangedOutsideBefore) + file_));
  for (HANDLE program : {first.get(), second.get()}) {
    PostMessageW(WaitForWindowOf(program, L"VanteloxMainWindow"), WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitForEnd(program));
  }
  EXPECT_TRUE(ReadFileBytes(file_) == Deleted(bytes_, 0));
}

// A left record that another program holds (a virus scanner, a backup
// program) cannot be repaired now: the file opens and is not changed until
// the record is free again.
TEST_F(KillRecoveryTest, AHeldRecordKeepsItsFileUnchangedUntilItIsFree) {
  Prepare(false);
  KillMoveInMiddle(VK_INSERT, 0.5);
  if (HasFatalFailure()) return;
  const std::wstring name = RecordName();
  const Bytes half_moved = ReadFileBytes(file_);
  {
    const HANDLE hold = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hold, INVALID_HANDLE_VALUE);
    // Held, the record looks like another copy's edit running now: the file
    // opens without a word, and a change is refused naming that cause.
    const Handle program = Start();
    ASSERT_NE(WaitForWindowOf(program.get(), L"VanteloxMainWindow"), nullptr);
    Press(program.get(), VK_INSERT);
    const std::wstring said = AnswerMessageBox(kTitle, IDOK, program.get());
    EXPECT_NE(said.find(failure_texts::kOtherCopyEditing), std::wstring::npos) << said.size();
    EXPECT_NE(said.find(file_), std::wstring::npos);
    PostMessageW(WaitForWindowOf(program.get(), L"VanteloxMainWindow"), WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitForEnd(program.get()));
    CloseHandle(hold);
  }
  EXPECT_TRUE(ReadFileBytes(file_) == half_moved);
  const std::wstring said = StartAgain(true);
  EXPECT_TRUE(said.starts_with(recovery_texts::kInsertStopped)) << said.size();
  const Bytes now = ReadFileBytes(file_);
  EXPECT_TRUE(now == bytes_ || now == Inserted(bytes_, 0, 0));
  EXPECT_TRUE(RecordName().empty());
}

}  // namespace
}  // namespace vx::test

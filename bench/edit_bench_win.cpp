// Inserting and deleting one byte at the start of a 1 GiB file, as the
// program does (the recovery record on disk, the system let in, the record
// and the file written through), without the flush and without the record,
// beside the bare move in the program's blocks, the system's cp of the same
// file, and that cp followed by writing the copy through, made in the same
// run; the share of that time spent drawing the progress; an
// overwrite with its flush; a mebibyte inserted and deleted, with the
// flushes per GiB moved and the private memory; and the backup copy. The files are in the page cache, so the figures compare the
// programs, not the disk.
//
// The backup-time estimate comes last, each from a run of this program of
// its own: "--estimate-only" runs that part alone, and "--one-estimate",
// how it starts itself, prints one estimate and ends.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "app/disk/backup.h"
#include "app/disk/insert_delete.h"
#include "app/disk/move_record.h"
#include "app/disk/recovery.h"
#include "app/edit/failure_message.h"
#include "app/file/edited_file.h"
#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/settings/settings_folder.h"
#include "app/view/main_window_win.h"
#include "bench/bench_support_win.h"
#include "bench/copy_baseline_win.h"
#include "common/file_seam.h"
#include "common/ui/message_pump_win.h"
#include "tests/app/main_window_test_view_win.h"
#include "tests/support/command_output_win.h"
#include "tests/support/unix_side_win.h"

namespace {

using vx::bench::Baseline;
using vx::bench::Best;
using vx::bench::CopyBaseline;
using vx::bench::CpMs;
using vx::bench::kRounds;
using vx::bench::NowMs;
using vx::bench::Settle;

constexpr int64_t kMiB = int64_t{1} << 20;

// The flushes a move of `moved` bytes makes as the program does it: two
// per block (the record, then the file), and a few per command (the record
// at the start, the lengthening, "finishing", the end).
int64_t FlushesOfMove(int64_t moved) {
  return 2 * ((moved + vx::kMoveBlockSize - 1) / vx::kMoveBlockSize) + 4;
}

// The window's progress area with the time spent inside it counted.
struct TimedProgress {
  vx::MainWindow& form;
  double ms = 0;
  int calls = 0;
  vx::ProgressCallback Function() {
    return [this](double share, const std::wstring& caption) {
      const double start = NowMs();
      vx::MainWindowTestView(form).ShowProgress(share, caption);
      ms += NowMs() - start;
      ++calls;
    };
  }
};

// What one reading of the clock adds to every span TimedProgress measures.
double ClockReadingMs(int calls) {
  double total = 0;
  for (int i = 0; i < calls; ++i) {
    const double start = NowMs();
    total += NowMs() - start;
  }
  return total / calls;
}

// A time beside its baseline, against a goal in seconds or, with `ratio`, in
// times the baseline.
void Report(const char* what, double ms, const Baseline& base, double goal, bool ratio) {
  vx::bench::PrintAgainstGoal(
      {ratio ? vx::bench::Format("<= %.1fx", goal) : vx::bench::Format("<= %.1f s", goal),
       ratio ? ms / base.ms <= goal : ms <= 1000 * goal, vx::bench::Verdict::OnlyMissed},
      "%-34s %8.0f ms  %.2fx %s", what, ms, ms / base.ms, base.label);
}

// Whether the backup question comes follows the estimate, so the same file
// must get about the same one run after run: each estimate is made by a run
// of this program of its own, started a moment after the one before.
constexpr char kOneEstimate[] = "--one-estimate";
constexpr char kEstimateOnly[] = "--estimate-only";
constexpr int kEstimateRuns = 20;
constexpr DWORD kBetweenRunsMs = 1000;
constexpr int64_t kEstimatedSize = 100'000'000;

// The run that makes one estimate, where the program would make it.
int PrintOneEstimate() {
  vx::bench::PrepareProgram();
  // A person's first change comes a while after the start, when the
  // program's and Wine's own starting work is over.
  Sleep(1000);
  const double seconds = vx::BackUpSeconds(
      kEstimatedSize, vx::TestWriteSeconds(vx::SpeedTestFolder(vx::ProgramFolder + L"big.bin")));
  vx::bench::RemoveScratch(vx::ProgramFolder);
  std::printf("%.6f\n", seconds);
  return 0;
}

void EstimateRunAfterRun() {
  std::printf("backup-time estimate of a 100 MB file, %d runs of the program %lu ms apart\n",
              kEstimateRuns, kBetweenRunsMs);
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::wstring line = L"\"" + std::wstring(self) + L"\" " +
                            std::wstring(std::begin(kOneEstimate), std::end(kOneEstimate) - 1);
  double lowest = 1e300, highest = 0;
  std::string estimates;
  for (int run = 0; run < kEstimateRuns; ++run) {
    if (run > 0) Sleep(kBetweenRunsMs);
    // 0 when the run failed, which fails the goal.
    const double estimate = std::atof(vx::test::CommandOutput(line).c_str());
    lowest = std::min(lowest, estimate);
    highest = std::max(highest, estimate);
    estimates += vx::bench::Format(" %.4f", estimate);
  }
  std::printf("  estimates, s:%s\n", estimates.c_str());
  vx::bench::PrintAgainstGoal({"<= 20%", lowest > 0 && highest <= 1.2 * lowest},
                              "%-34s %6.4f s to %.4f s, %.0f%% apart", "  the estimate", lowest,
                              highest, lowest > 0 ? 100 * (highest / lowest - 1) : 100.0);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vx;
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == kOneEstimate) return PrintOneEstimate();
  if (mode == kEstimateOnly) {
    EstimateRunAfterRun();
    return 0;
  }
  bench::PrepareProgram();
  const std::wstring big = ProgramFolder + L"big.bin";
  const std::wstring medium = ProgramFolder + L"medium.bin";
  const std::wstring copy = ProgramFolder + L"copy.bin";
  const std::wstring backup = ProgramFolder + L"backup.bin";
  bench::MakeLargeFile(big, 1024 * kMiB);
  bench::MakeLargeFile(medium, 256 * kMiB);

  MainWindow form;
  bench::StartMainWindow(form, big);

  std::printf("insert and delete at the start of a 1 GiB file\n");
  const Baseline base = CopyBaseline(big, copy);
  const Baseline durable{Best([&] { return CpMs(big, copy, true); }), "cp + sync"};
  fs::RemoveFile(copy);
  std::printf("  baseline: cp written through to the disk %.0f ms\n", durable.ms);
  const std::wstring records = SettingsFolder();
  fs::MakeFolder(records);
  // The variants take turns, in an order that turns too, so that the disk's
  // and the machine's moods fall on all alike; a few more rounds than the
  // copies, as the differences sought are small. "As the program does" is the
  // window's own progress callback (it draws and, at most every
  // kLetSystemInMs, lets the system reach the windows) with the recovery
  // record on disk and the record and the file written through to the disk;
  // "without the flush" is the same with the flushes skipped; "without the
  // record" keeps it in private memory and only draws. One more round times
  // the drawing and the answering.
  constexpr int kVariants = 4;
  constexpr int kBare = 3;
  double bare_ms = 1e300;
  double insert_ms[kBare] = {1e300, 1e300, 1e300}, delete_ms[kBare] = {1e300, 1e300, 1e300};
  const double memory_before = bench::PrivateMegabytes();
  const ProgressCallback drawing = [&form](double share, const std::wstring& caption) {
    MainWindowTestView(form).ShowProgress(share, caption);
  };
  const ProgressCallback as_the_program = [&form](double share, const std::wstring& caption) {
    LetSystemIn();
    MainWindowTestView(form).ShowProgress(share, caption);
  };
  const EditedFile big_file(big);
  // 0 without the record, 1 as the program does, 2 without the flush, 3 the bare move.
  const auto move = [&](int variant) {
    if (variant == kBare) {
      Settle(big);
      bare_ms = std::min(bare_ms, bench::BareMoveMs(big, 1));
      return;
    }
    SetRecoveryFolder(variant ? records : L"");
    fs::SetFlushesSkipped(variant != 1);
    const ProgressCallback& progress = variant ? as_the_program : drawing;
    Settle(big);
    double start = NowMs();
    const bool inserted = InsertIntoFile(big_file, 0, 0, progress, L"");
    insert_ms[variant] = std::min(insert_ms[variant], NowMs() - start);
    Settle(big);
    start = NowMs();
    const bool deleted = DeleteFromFile(big_file, 0, progress, L"");
    delete_ms[variant] = std::min(delete_ms[variant], NowMs() - start);
    fs::SetFlushesSkipped(false);
    if (!inserted || !deleted) std::printf("  the tail move FAILED\n");
  };
  for (int round = 0; round < kRounds + 3; ++round) {
    for (int turn = 0; turn < kVariants; ++turn) move((round + turn) % kVariants);
  }
  TimedProgress prog{form};
  double answer_ms = 0;
  int looks = 0;
  const ProgressCallback timed_drawing = prog.Function();
  SetRecoveryFolder(records);
  fs::SetFlushesSkipped(true);
  Settle(big);
  double start = NowMs();
  InsertIntoFile(
      big_file, 0, 0,
      [&](double share, const std::wstring& caption) {
        const double before = NowMs();
        if (LetSystemIn()) {
          ++looks;
          answer_ms += NowMs() - before;
        }
        timed_drawing(share, caption);
      },
      L"");
  const double timed_insert_ms = NowMs() - start;
  DeleteFromFile(big_file, 0, drawing, L"");
  fs::SetFlushesSkipped(false);
  const double prog_ms = prog.ms;
  const int prog_calls = prog.calls;
  std::printf(
      "  private memory %.2f MB before the moves, %.2f MB after (the block buffer is fixed)\n",
      memory_before, bench::PrivateMegabytes());
  const Baseline bare{bare_ms, "bare move"};
  std::printf("  bare backward move in blocks of %lld KiB, best of %d %6.0f ms\n",
              static_cast<long long>(kMoveBlockSize >> 10), kRounds + 3, bare_ms);
  Report("insert one byte", insert_ms[1], base, 1.0, false);
  Report("delete one byte", delete_ms[1], base, 1.0, false);
  // Within a plain copy of the file: the move reads and writes what cp
  // does, and writing it through costs what writing the copy through does.
  Report("insert, without the flush", insert_ms[2], base, 1.1, true);
  Report("delete, without the flush", delete_ms[2], base, 1.1, true);
  // Power-cut safe: every block written through twice, into the record and
  // into the file.
  Report("insert, as the program does", insert_ms[1], durable, 1.5, true);
  Report("delete, as the program does", delete_ms[1], durable, 1.5, true);
  Report("insert, without the flush", insert_ms[2], bare, 1.1, true);
  Report("insert, without the record", insert_ms[0], bare, 1.1, true);
  Report("delete, without the flush", delete_ms[2], bare, 1.1, true);
  Report("delete, without the record", delete_ms[0], bare, 1.1, true);
  std::printf("%-34s %8.0f ms  %.2fx bare move, the flush %.0f ms\n",
              "insert, as the program does", insert_ms[1], insert_ms[1] / bare_ms,
              insert_ms[1] - insert_ms[2]);
  std::printf("%-34s %8.0f ms  %.2fx bare move, the flush %.0f ms\n",
              "delete, as the program does", delete_ms[1], delete_ms[1] / bare_ms,
              delete_ms[1] - delete_ms[2]);
  const double clock_ms = ClockReadingMs(prog_calls) * prog_calls;
  const double in_prog_ms = prog_ms - clock_ms;
  const double timed_ms = timed_insert_ms - clock_ms;
  bench::PrintAgainstGoal({"< 5%", in_prog_ms < 0.05 * timed_ms, bench::Verdict::OnlyMissed},
                          "%-34s %8.1f ms  %.1f%% of the insertion, %d calls", "  of it in the progress area",
                          in_prog_ms, 100 * in_prog_ms / timed_ms, prog_calls);
  std::printf("  (measured %.1f ms, less %.1f ms of clock readings)\n", prog_ms, clock_ms);
  std::printf("%-34s %8.1f ms  %.2f%% of the insertion, %d looks at the queue\n",
              "  of it answering the system", answer_ms, 100 * answer_ms / timed_ms, looks);

  // An overwrite opens, reads, writes, writes through and closes. What the
  // moves before left unwritten is written back first, so that each flush
  // pays for its own byte only.
  constexpr int kOverwrites = 50;
  double overwrite_ms = 0, overwrite_worst_ms = 0;
  // sync may return before the system has written everything back; the
  // file's own flush waits for its pages.
  if (!fs::OpenFile(big, false, fs::Share::ReadWrite).Flush()) {
    std::printf("  the flush before the overwrites FAILED\n");
  }
  for (int i = 0; i < kOverwrites; ++i) {
    start = NowMs();
    if (!big_file.Overwrite(int64_t{i} * 7919 * 4096 % (1024 * kMiB), static_cast<uint8_t>(i))) {
      std::printf("  the overwrite FAILED\n");
    }
    const double ms = NowMs() - start;
    overwrite_ms += ms;
    overwrite_worst_ms = std::max(overwrite_worst_ms, ms);
  }
  bench::PrintAgainstGoal({"< 4 ms", overwrite_ms / kOverwrites < 4, bench::Verdict::OnlyMissed},
                          "%-34s %8.2f ms  mean of %d, slowest %.2f ms", "overwrite one byte, flushed",
                          overwrite_ms / kOverwrites, kOverwrites, overwrite_worst_ms);

  // A mebibyte inserted at the start (one value repeated, as a fill's
  // bytes: no data file) and deleted again (its bytes from the data file,
  // as the journal keeps them), as the program does.
  std::printf("insert and delete 1 MiB at the start of a 1 GiB file, as the program does\n");
  const std::wstring data = ProgramFolder + L"journal.vxd";
  {
    std::vector<uint8_t> bytes(static_cast<size_t>(kMiB), 0x5A);
    fs::File file = fs::OpenFile(data, true, fs::Share::Read);
    if (!file.WriteAt(0, bytes.data(), kMiB) || !file.Flush()) std::printf("  the data FAILED\n");
  }
  fs::File data_file = fs::OpenFileForReading(data);
  SeamBlockFile data_blocks(data_file);
  double range_insert_ms = 1e300, range_delete_ms = 1e300;
  for (int round = 0; round < kRounds; ++round) {
    Settle(big);
    start = NowMs();
    const bool inserted = ReplaceInFile(big_file, 0, 0, kMiB, {nullptr, L"", 0, 0, true, 0x5A},
                                        as_the_program, L"", FailedCommand::Paste);
    range_insert_ms = std::min(range_insert_ms, NowMs() - start);
    Settle(big);
    start = NowMs();
    const bool deleted = ReplaceInFile(big_file, 0, kMiB, 0, {&data_blocks, data, 0, 0, false, 0},
                                       as_the_program, L"", FailedCommand::Cut);
    range_delete_ms = std::min(range_delete_ms, NowMs() - start);
    if (!inserted || !deleted) std::printf("  the range move FAILED\n");
  }
  data_file.Close();
  fs::RemoveFile(data);
  Report("insert 1 MiB, as the program does", range_insert_ms, durable, 1.5, true);
  Report("delete 1 MiB, as the program does", range_delete_ms, durable, 1.5, true);
  std::printf("  flushes per GiB moved: %lld (blocks of %lld MiB, the record's and the file's)\n",
              static_cast<long long>(FlushesOfMove(1024 * kMiB)),
              static_cast<long long>(kMoveBlockSize / kMiB));
  bench::PrintAgainstGoal({"<= 2 MB", bench::PrivateMegabytes() - memory_before <= 2,
                           bench::Verdict::OnlyMissed},
                          "%-34s %8.2f MB  more than before the moves", "  private memory",
                          bench::PrivateMegabytes() - memory_before);
  SetRecoveryFolder(L"");

  for (const auto& [name, label] : {std::pair{medium, "256 MiB"}, std::pair{big, "1 GiB"}}) {
    std::printf("backup copy of a %s file\n", label);
    const Baseline copy_base = CopyBaseline(name, copy);
    const double backup_ms = Best([&] {
      fs::RemoveFile(backup);
      Settle();
      const double start = NowMs();
      if (!EditedFile(name).CopyTo(backup, {})) std::printf("  the backup copy FAILED\n");
      return NowMs() - start;
    });
    Report("backup copy", backup_ms, copy_base, 1.3, true);
    fs::RemoveFile(backup);
  }

  EstimateRunAfterRun();

  form.Unload();
  bench::RemoveScratch(ProgramFolder);
  return 0;
}

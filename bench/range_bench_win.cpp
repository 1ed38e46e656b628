// Range edits at the start of a 1 GiB file, as the document makes them (the
// undo data kept, the recovery record on disk): deleting 1 MiB and
// inserting 1 MiB, and the undo of each, beside the bare move of the same
// tail by the same step and a one-byte deletion, measured in the same run;
// the program's memory during each beside the same edits of a 1 KiB file.
// The flushes are skipped for the ratios, as their cost is the disk's alone,
// then the whole command is timed once with them. Last, a copy of 64 MiB to
// the clipboard beside a plain read of the same bytes.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/disk/move_record.h"
#include "app/disk/recovery.h"
#include "app/document/edited_document.h"
#include "app/edit/clipboard_win.h"
#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/settings/settings_folder.h"
#include "bench/bench_support_win.h"
#include "common/file_seam.h"

namespace {

using vx::bench::NowMs;

constexpr int64_t kMiB = int64_t{1} << 20;
constexpr int kRounds = 3;

// The document's memory at its highest while a command ran, sampled at
// each report of its progress when `sampling`: asking the system costs
// more than a block, so the timed rounds do not.
struct MemoryWatch {
  bool sampling = false;
  double highest = 0;
  vx::ProgressCallback Function() {
    return [this](double, const std::wstring&) {
      if (sampling) highest = std::max(highest, vx::bench::PrivateMegabytes());
    };
  }
};

struct Figures {
  double delete_ms = 1e300, undo_delete_ms = 1e300, insert_ms = 1e300, undo_insert_ms = 1e300,
         one_byte_ms = 1e300, highest_mb = 0;
};

double TimedMs(const std::function<bool()>& command) {
  const double start = NowMs();
  if (!command()) std::printf("  a command FAILED\n");
  return NowMs() - start;
}

// Each command of `figures` on `name`, the best of kRounds, the file back as
// it was after each round; then one more round for the memory.
Figures Measure(const std::wstring& name, int64_t step) {
  MemoryWatch memory;
  vx::EditedDocument document(memory.Function(), [](bool) {});
  if (document.Open(name) != vx::OpenOutcome::Opened || !document.BeginChange()) {
    std::printf("  %ls could not be opened\n", name.c_str());
    return {};
  }
  const std::vector<uint8_t> inserted(static_cast<size_t>(step), 0x5A);
  Figures f;
  memory.highest = vx::bench::PrivateMegabytes();
  for (int round = 0; round <= kRounds; ++round) {
    memory.sampling = round == kRounds;
    f.delete_ms =
        std::min(f.delete_ms, TimedMs([&] { return document.ReplaceRange(0, step, {}); }));
    f.undo_delete_ms = std::min(f.undo_delete_ms, TimedMs([&] { return document.Undo(); }));
    f.insert_ms =
        std::min(f.insert_ms, TimedMs([&] { return document.ReplaceRange(0, 0, inserted); }));
    f.undo_insert_ms = std::min(f.undo_insert_ms, TimedMs([&] { return document.Undo(); }));
    f.one_byte_ms = std::min(f.one_byte_ms, TimedMs([&] { return document.Delete(0); }));
    TimedMs([&] { return document.Undo(); });
  }
  f.highest_mb = memory.highest;
  return f;
}

// A plain read of `count` bytes of `name` in 1 MiB blocks; milliseconds.
double PlainReadMs(const std::wstring& name, int64_t count) {
  vx::fs::File f = vx::fs::OpenFile(name, false, vx::fs::Share::ReadWrite);
  std::vector<uint8_t> block(static_cast<size_t>(kMiB));
  const double start = NowMs();
  for (int64_t at = 0; at < count; at += kMiB) f.ReadAt(at, block.data(), kMiB);
  return NowMs() - start;
}

// Copying `count` bytes of `name` to the clipboard, the best of kRounds, with
// the memory the program holds meanwhile (the bytes on the clipboard and
// those kept for its text); the clipboard is emptied after each, as another
// program's copy would. No program asks for the text here.
void ReportClipboardCopy(const std::wstring& name, int64_t count) {
  const HWND owner =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  vx::ByteCopies copies;
  double copy_ms = 1e300, read_ms = 1e300, held_mb = 0;
  for (int round = 0; round < kRounds; ++round) {
    read_ms = std::min(read_ms, PlainReadMs(name, count));
    const double before = vx::bench::PrivateMegabytes();
    const double start = NowMs();
    if (copies.Copy(owner, vx::EditedFile(name), {0, count})) {
      std::printf("  the copy FAILED\n");
    }
    copy_ms = std::min(copy_ms, NowMs() - start);
    held_mb = std::max(held_mb, vx::bench::PrivateMegabytes() - before);
    if (OpenClipboard(owner)) {
      EmptyClipboard();
      CloseClipboard();
    }
  }
  DestroyWindow(owner);
  std::printf(
      "  copy of %lld MiB %8.0f ms  %.2fx a plain read (%.0f ms); %.0f MB held "
      "meanwhile\n",
      static_cast<long long>(count / kMiB), copy_ms, copy_ms / read_ms, read_ms, held_mb);
}

void Report(const char* what, double ms, double base_ms, const char* base, double goal) {
  vx::bench::PrintAgainstGoal({vx::bench::Format("<= %.1fx", goal), ms / base_ms <= goal},
                              "  %-28s %8.0f ms  %.2fx %s", what, ms, ms / base_ms, base);
}

}  // namespace

int main() {
  using namespace vx;
  bench::PrepareProgram();
  DisplaySettings.AutoBackUp = false;
  const std::wstring big = ProgramFolder + L"big.bin";
  const std::wstring bare = ProgramFolder + L"bare.bin";
  const std::wstring small = ProgramFolder + L"small.bin";
  bench::MakeLargeFile(big, 1024 * kMiB);
  bench::MakeLargeFile(bare, 1024 * kMiB);
  bench::MakeLargeFile(small, 1024);
  SetRecoveryFolder(SettingsFolder());
  fs::MakeFolder(SettingsFolder());

  std::printf("deleting and inserting 1 MiB at the start of a 1 GiB file (flushes skipped)\n");
  fs::SetFlushesSkipped(true);
  double bare_ms = 1e300;
  for (int round = 0; round < kRounds; ++round) {
    bare_ms = std::min(bare_ms, bench::BareMoveMs(bare, kMiB));
  }
  std::printf("  baseline: the bare move of the tail by 1 MiB in blocks of %lld KiB %.0f ms\n",
              static_cast<long long>(kMoveBlockSize >> 10), bare_ms);
  const Figures large = Measure(big, kMiB);
  Report("delete 1 MiB", large.delete_ms, bare_ms, "bare move", 1.1);
  Report("undo of the delete", large.undo_delete_ms, bare_ms, "bare move", 1.1);
  Report("insert 1 MiB", large.insert_ms, bare_ms, "bare move", 1.1);
  Report("undo of the insert", large.undo_insert_ms, bare_ms, "bare move", 1.1);
  std::printf("  %-28s %8.0f ms  %.2fx 1-byte delete\n", "delete 1 MiB beside 1 byte",
              large.delete_ms, large.delete_ms / large.one_byte_ms);

  const Figures tiny = Measure(small, 16);
  const double more_mb = large.highest_mb - tiny.highest_mb;
  bench::PrintAgainstGoal({"within 2 MB", more_mb <= 2.0},
                          "  memory at its highest: %.2f MB, on a 1 KiB file %.2f MB (%+.2f MB)",
                          large.highest_mb, tiny.highest_mb, more_mb);

  std::printf("the same with the flushes, as the program does\n");
  fs::SetFlushesSkipped(false);
  const Figures flushed = Measure(big, kMiB);
  std::printf("  delete 1 MiB %.0f ms, its undo %.0f ms, insert 1 MiB %.0f ms, its undo %.0f ms\n",
              flushed.delete_ms, flushed.undo_delete_ms, flushed.insert_ms, flushed.undo_insert_ms);

  std::printf("copying to the clipboard\n");
  ReportClipboardCopy(big, 64 * kMiB);
  for (const std::wstring& name : {big, bare, small}) fs::RemoveFile(name);
  bench::RemoveScratch(ProgramFolder);
  return 0;
}
